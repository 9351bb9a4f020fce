// The block that the bench driver places in the program's memory for the
// probe DLL, which fills it from inside the program's own process: memory
// counters and CPU time.
// Both sides are 64-bit builds of the same compiler.
#pragma once
#include <stdint.h>

namespace memoryprobe {

struct Block {
  int32_t status;         // 0 filled, -1 not run, 1 GetProcessMemoryInfo failed
  uint32_t reserved;
  uint64_t privateUsage;  // PROCESS_MEMORY_COUNTERS_EX.PrivateUsage
  uint64_t workingSet;
  uint64_t pagefileUsage;
  uint64_t cpuTime;       // user + kernel time of the process, 100 ns units
};

constexpr char kProbeFunction[] = "WaboBenchMemory";

}  // namespace memoryprobe
