// What a window shows on the screen, read back from the screen itself, and
// whether that is what a fresh paint of the window draws: a part that the
// program changed without repainting it (a stale row) differs.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// The client area's pixels as the screen shows them (top-down rows, 32 bits
// each), once the window has no paint pending and the screen stands still.
std::vector<std::uint32_t> shownPixels(HWND window);

// Compares the window as it stands with the same window painted afresh
// (frame and all, every row); "" when they agree, else where they differ.
std::string staleAgainstFreshPaint(HWND window);

}  // namespace e2e
