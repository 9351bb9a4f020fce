// A DLL that the bench driver loads into the program to read the program's
// memory counters and CPU time from inside its own process, where Wine
// answers them from the process's own view.
#include <windows.h>

#include <psapi.h>

#include "memory_probe.h"

extern "C" __declspec(dllexport) DWORD WINAPI WaboBenchMemory(LPVOID parameter) {
  auto* block = static_cast<memoryprobe::Block*>(parameter);
  if (!block) return 1;
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters)) {
    block->status = 1;
    return 1;
  }
  block->privateUsage = counters.PrivateUsage;
  block->workingSet = counters.WorkingSetSize;
  block->pagefileUsage = counters.PagefileUsage;
  FILETIME created, ended, kernel, user;
  if (GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) {
    auto value = [](const FILETIME& t) {
      return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    block->cpuTime = value(kernel) + value(user);
  }
  block->status = 0;
  return 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
