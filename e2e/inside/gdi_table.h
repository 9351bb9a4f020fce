// The walk over a process's GDI handle table, for the probe inside the
// program and for the driver's look at its own process.
#pragma once

#include <stdint.h>
#include <windows.h>

#include "inside/blocks.h"

namespace inside {

// A GDI handle's low word is its index in the process's table; a handle
// without the high word matches whatever object that entry holds now.
// Each entry in use is also counted under its type.
inline uint32_t gdiHandlesInUse(uint32_t (&byType)[kGdiTypeSlots]) {
  uint32_t used = 0;
  for (uintptr_t index = 1; index < 0x10000; ++index) {
    const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(index));
    if (type == 0) continue;
    ++used;
    ++byType[type < kGdiTypeSlots ? type : 0];
  }
  return used;
}

}  // namespace inside
