// The pixels of a window's client area as the screen shows them, once the
// program has painted what it meant to.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "harness/program_copy.h"

namespace e2e {

// The client area's pixels as the screen shows them now (top-down rows).
inline std::vector<std::uint32_t> grab(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) throw HarnessError("the window has no client area to read");
  BITMAPINFO info = {{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<std::uint32_t> pixels;
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    pixels.assign(static_cast<const std::uint32_t*>(bits), static_cast<const std::uint32_t*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (pixels.empty()) throw HarnessError("cannot read the screen");
  return pixels;
}

// The program has painted what it meant to (no update region left, every
// message sent before this one handled) and the screen shows it.
inline bool nothingToPaint(HWND window) {
  DWORD_PTR answer = 0;
  return GetUpdateRect(window, nullptr, FALSE) == FALSE &&
         SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &answer) != 0;
}

// The pixels once the window has no paint pending and the screen stands still.
inline std::vector<std::uint32_t> shownPixels(HWND window) {
  if (!waitUntil([&] { return nothingToPaint(window); })) throw HarnessError("the window keeps a paint pending");
  // The screen follows the program's paint a moment later: two reads a
  // little apart that agree.
  std::vector<std::uint32_t> last = grab(window), now;
  if (!waitUntil([&] {
        Sleep(60);
        now = grab(window);
        if (now == last) return true;
        last = now;
        return false;
      }))
    throw HarnessError("the screen does not stand still");
  return now;
}

}  // namespace e2e
