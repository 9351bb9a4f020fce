// The resolution a window is drawn at, and the program's 96-DPI sizes in
// that window's pixels (common/dpi_scale.h has the arithmetic).
#pragma once
#include <windows.h>

namespace wabo {

// The screen's DPI (LOGPIXELSY of the screen).
int screenDpi();
// The window's DPI: GetDpiForWindow where the system has it (Windows 10
// 1607 and later, and Wine), else the screen's.
int windowDpi(HWND window);
// `value` in 96-DPI units as pixels of `window`.
int scaledFor(HWND window, int value);

}  // namespace wabo
