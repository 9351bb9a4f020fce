#include "inside/probe_server.h"

#include <windows.h>

#include "inside/channel.h"

namespace inside {

namespace {

const char* serverTag = nullptr;
ProbeHandler serverHandler = nullptr;

HANDLE createNamed(const char* part, bool mapping) {
  char name[128];
  channelName(name, sizeof name, serverTag, GetCurrentProcessId(), part);
  if (mapping) return CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kChannelSize, name);
  return CreateEventA(nullptr, FALSE, FALSE, name);  // auto-reset
}

// Lives as long as the program: waits for a request, answers it, signals.
DWORD WINAPI serve(LPVOID) {
  HANDLE ask = createNamed("ask", false);
  HANDLE done = createNamed("done", false);
  HANDLE map = createNamed("map", true);  // last: the driver looks for it
  void* view = map ? MapViewOfFile(map, FILE_MAP_ALL_ACCESS, 0, 0, kChannelSize) : nullptr;
  if (!ask || !done || !view) return 1;
  auto* header = static_cast<ChannelHeader*>(view);
  char* payload = static_cast<char*>(view) + sizeof(ChannelHeader);
  header->answered = header->request;
  MemoryBarrier();
  header->magic = kChannelMagic;
  while (WaitForSingleObject(ask, INFINITE) == WAIT_OBJECT_0) {
    const uint32_t sequence = header->request;
    MemoryBarrier();
    uint32_t size = header->size <= kChannelPayload ? header->size : kChannelPayload;
    header->status = serverHandler(header->command, payload, size);
    header->size = size <= kChannelPayload ? size : kChannelPayload;
    MemoryBarrier();
    header->answered = sequence;
    SetEvent(done);
  }
  return 1;
}

}  // namespace

bool startProbeServer(const char* tag, ProbeHandler handler) {
  serverTag = tag;
  serverHandler = handler;
  HANDLE thread = CreateThread(nullptr, 0, serve, nullptr, 0, nullptr);
  if (!thread) return false;
  CloseHandle(thread);
  return true;
}

}  // namespace inside
