// The driver's half of the channel to a probe DLL in the program
// (inside/channel.h). The first call on a program process loads the DLL
// there, by the one thread the driver ever starts in it (LoadLibraryA);
// every call after that is a request through shared memory and events. No
// call waits without a deadline: a program that ended or does not answer
// gives a HarnessError.
#pragma once
#include <windows.h>

#include <stdint.h>

#include <string>

#include "harness/probes.h"

namespace e2e {

struct ProbeDll {
  std::string path;  // full path of the DLL, as the program is to load it
  const char* tag;   // its channel's tag, as the DLL names it
};

struct ProbeAnswer {
  uint32_t status = 0;
  std::string payload;  // at most inside::kChannelPayload bytes
};

// Sends `command` with `request` to the DLL in `process` and waits at most
// `timeoutMs` for each step (the load, the answer).
ProbeAnswer callProbe(HANDLE process, const ProbeDll& dll, uint32_t command, const std::string& request,
                      DWORD timeoutMs = kStepTimeoutMs);

// How many threads this driver has started in programs so far.
unsigned remoteThreadsStarted();

}  // namespace e2e
