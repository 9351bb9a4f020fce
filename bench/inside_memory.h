// Memory counters of another process as that process itself sees them: the
// driver loads memory_probe.dll into it once and asks it through its channel.
#pragma once
#include <windows.h>

#include <string>

#include "started_program.h"

namespace bench {

// Throws std::runtime_error when the probe cannot be loaded or run.
MemoryFigures memoryFromInside(HANDLE process, const std::string& probeDll);

}  // namespace bench
