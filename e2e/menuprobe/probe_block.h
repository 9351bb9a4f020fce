// The block that the driver places in the program's memory for the menu
// probe: the window whose menu bar to read, then room for the answer. Both
// sides are 64-bit builds of the same compiler, so the layout is the same.
#pragma once
#include <stddef.h>
#include <stdint.h>

namespace menuprobe {

// The answer is NUL-terminated text, one line per command item of the menu
// bar, depth first (popups and separators left out): "id state|text\n".
struct Block {
  uint64_t window;
  uint32_t capacity;  // bytes available in text, the final NUL included
  char text[1];
};

constexpr size_t kHeaderSize = offsetof(Block, text);
constexpr char kProbeFunction[] = "WaboMenuProbe";

}  // namespace menuprobe
