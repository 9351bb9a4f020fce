// The channel between the driver and a probe DLL loaded into the program:
// one named shared block and two named events per DLL and program process.
// The DLL's own server thread creates them once it is loaded; the driver
// writes a request into the block, signals `ask` and waits (with a
// deadline) for `done`. Loading the DLL is the only thread the driver ever
// starts in the program: under Wine a thread created from outside can
// deadlock the program when it lands while the program is inside malloc.
// Both sides are 64-bit builds of the same compiler, so the layout is the same.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

namespace inside {

constexpr uint32_t kChannelMagic = 0x31435057;  // set once the server listens
constexpr uint32_t kChannelPayload = 64 * 1024;   // request in, answer out

struct ChannelHeader {
  volatile uint32_t magic;
  volatile uint32_t request;   // sequence number of the request written last
  volatile uint32_t answered;  // sequence number of the request answered last
  uint32_t command;
  uint32_t status;  // the handler's answer code; kUnknownCommand when it has none
  uint32_t size;    // bytes of payload: the request's, then the answer's
};
constexpr size_t kChannelSize = sizeof(ChannelHeader) + kChannelPayload;
constexpr uint32_t kUnknownCommand = 0xFFFFFFFFu;

// The name of one of the channel's objects ("map", "ask", "done", "lock"):
// the DLL's tag and the program's process ID keep every channel apart.
inline void channelName(char* out, size_t size, const char* tag, unsigned long pid, const char* part) {
  snprintf(out, size, "WaboProbe.%s.%lu.%s", tag, pid, part);
}

}  // namespace inside
