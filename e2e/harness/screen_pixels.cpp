#include "harness/screen_pixels.h"

#include <algorithm>

#include "harness/probes.h"

namespace e2e {
namespace {

std::vector<std::uint32_t> grab(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = client.right, height = client.bottom;
  if (width <= 0 || height <= 0) throw HarnessError("the window has no client area to read");
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<std::uint32_t> pixels;
  if (bitmap != nullptr && bits != nullptr) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const std::uint32_t*>(bits);
    pixels.assign(p, p + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
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
bool nothingToPaint(HWND window) {
  DWORD_PTR answer = 0;
  return GetUpdateRect(window, nullptr, FALSE) == FALSE &&
         SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kStepTimeoutMs, &answer) != 0;
}

}  // namespace

std::vector<std::uint32_t> shownPixels(HWND window) {
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

std::string staleAgainstFreshPaint(HWND window) {
  const std::vector<std::uint32_t> before = shownPixels(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  const std::vector<std::uint32_t> fresh = shownPixels(window);
  if (before.size() != fresh.size()) return "the window changed its size";
  RECT client{};
  GetClientRect(window, &client);
  const std::size_t width = static_cast<std::size_t>(client.right);
  int rowsDiffering = 0, firstRow = -1;
  for (std::size_t y = 0; width > 0 && y < before.size() / width; ++y) {
    if (!std::equal(before.begin() + y * width, before.begin() + (y + 1) * width, fresh.begin() + y * width)) {
      if (firstRow < 0) firstRow = static_cast<int>(y);
      ++rowsDiffering;
    }
  }
  if (rowsDiffering == 0) return "";
  return std::to_string(rowsDiffering) + " pixel rows differ from a fresh paint, the first at y " +
         std::to_string(firstRow);
}

}  // namespace e2e
