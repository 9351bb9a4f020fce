// The block that the end-to-end driver places in the program's memory for the
// menu probe: the request at the front, the answer text behind it. Both sides
// are 64-bit builds of the same compiler, so the layout is the same.
#pragma once
#include <stddef.h>
#include <stdint.h>

namespace menuprobe {

enum Mode : uint32_t {
  kMenuOfWindow = 0,  // target is a window handle: read GetMenu(target)
  kMenuHandle = 1,    // target is a menu handle
};

enum Status : int32_t {
  kOk = 0,
  kNoMenu = 1,
  kOverflow = 2,
  kNotRun = -1,
};

// One record per menu item, depth first:
//   depth US position US id US state US type US has-submenu US text RS
// The separators never occur in Shift-JIS text (trail bytes start at 0x40).
constexpr char kFieldSeparator = '\x1f';
constexpr char kRecordSeparator = '\x1e';

struct Block {
  uint64_t target;
  uint32_t mode;
  uint32_t capacity;  // bytes available in text
  uint32_t used;      // bytes written to text
  int32_t status;
  char text[1];       // capacity bytes follow
};

constexpr uint32_t kHeaderSize = static_cast<uint32_t>(offsetof(Block, text));
constexpr char kProbeFunction[] = "WaboMenuProbe";

}  // namespace menuprobe
