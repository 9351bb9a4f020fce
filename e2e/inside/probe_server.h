// The server half of the channel (channel.h), compiled into each probe DLL.
#pragma once
#include <stdint.h>

namespace inside {

// Answers one request: `payload` holds `size` bytes of request and has room
// for kChannelPayload bytes of answer; sets `size` to the answer's length and
// returns the status the driver sees.
using ProbeHandler = uint32_t (*)(uint32_t command, char* payload, uint32_t& size);

// Starts the thread that serves the channel named by `tag` (a literal) with
// `handler`. Safe in DllMain: it does nothing but CreateThread.
bool startProbeServer(const char* tag, ProbeHandler handler);

}  // namespace inside
