#include "common/dpi_win.h"

#include "common/dpi_scale.h"

namespace wabo {
namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up once: older systems have no such function in user32.
GetDpiForWindowFunction getDpiForWindow() {
  static const GetDpiForWindowFunction function = [] {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr ? reinterpret_cast<GetDpiForWindowFunction>(
                                   reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                             : nullptr;
  }();
  return function;
}

}  // namespace

int screenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return usableDpi(dpi);
}

int windowDpi(HWND window) {
  GetDpiForWindowFunction function = getDpiForWindow();
  const int dpi = window != nullptr && function != nullptr ? static_cast<int>(function(window)) : 0;
  return dpi > 0 ? dpi : screenDpi();
}

int scaledFor(HWND window, int value) { return scaleToDpi(value, windowDpi(window)); }

}  // namespace wabo
