// A DLL that the bench driver loads once into the program to read the
// program's memory counters and CPU time from inside its own process, where
// Wine answers them from the process's own view. It answers through its
// channel; its only work in DllMain is starting the channel's thread.
#include <windows.h>

#include <psapi.h>

#include "inside/channel.h"
#include "inside/probe_server.h"
#include "memory_probe.h"

namespace {

uint64_t value(const FILETIME& t) { return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; }

uint32_t answer(uint32_t command, char* payload, uint32_t& size) {
  if (command != memoryprobe::kReadMemory) return inside::kUnknownCommand;
  memoryprobe::Block block = {};
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                           sizeof counters)) {
    block.privateUsage = counters.PrivateUsage;
    block.workingSet = counters.WorkingSetSize;
    block.pagefileUsage = counters.PagefileUsage;
    FILETIME created, ended, kernel, user;
    if (GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
      block.cpuTime = value(kernel) + value(user);
  } else {
    block.status = 1;
  }
  CopyMemory(payload, &block, sizeof block);
  size = sizeof block;
  return static_cast<uint32_t>(block.status);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  DisableThreadLibraryCalls(module);
  return inside::startProbeServer(memoryprobe::kTag, answer) ? TRUE : FALSE;
}
