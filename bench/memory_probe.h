// What memory_probe.dll answers through its channel (e2e/inside/channel.h):
// the program's memory counters and CPU time, filled from inside the
// program's own process. Both sides are 64-bit builds of the same compiler.
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

constexpr char kTag[] = "memoryprobe";
constexpr uint32_t kReadMemory = 1;  // no request; the answer is a Block

}  // namespace memoryprobe
