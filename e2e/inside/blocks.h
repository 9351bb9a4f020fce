// The blocks that the driver places in the program's memory for the
// functions of insideprobe.dll. Both sides are 64-bit builds of the same
// compiler, so the layout is the same.
#pragma once
#include <stddef.h>
#include <stdint.h>

namespace inside {

// WaboMenuProbe: the window whose menu bar to read, then room for the answer,
// NUL-terminated text with one line per command item of the menu bar, depth
// first (popups and separators left out): "id state|text\n".
struct MenuBlock {
  uint64_t window;
  uint32_t capacity;  // bytes available in text, the final NUL included
  char text[1];
};
constexpr size_t kMenuHeaderSize = offsetof(MenuBlock, text);

// WaboCountOpens: counts the program's fopen calls on one file name.
struct CountBlock {
  uint32_t reset;  // 1: count opens of `name` from now on, starting at 0
  uint32_t count;  // out: opens of `name` since the last reset
  char name[260];  // a file name without folder, compared without regard to case
};

}  // namespace inside
