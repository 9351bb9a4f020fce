// The block that the driver places in the program's memory for the open
// counter. Both sides are 64-bit builds of the same compiler.
#pragma once
#include <stdint.h>

namespace opencount {

struct Block {
  uint32_t reset;     // 1: count opens of `name` from now on, starting at 0
  uint32_t count;     // out: opens of `name` since the last reset
  char name[260];     // a file name without folder, compared without regard to case
};

constexpr char kCountFunction[] = "WaboCountOpens";

}  // namespace opencount
