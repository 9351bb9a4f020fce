#include "harness/probe_channel.h"

#include <cstring>

#include "inside/channel.h"

namespace e2e {

namespace {

volatile LONG threadsStarted = 0;

// A handle closed when it goes out of scope.
struct Owned {
  HANDLE handle = nullptr;
  explicit Owned(HANDLE h) : handle(h) {}
  ~Owned() {
    if (handle) CloseHandle(handle);
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
};

std::string nameOf(HANDLE process, const ProbeDll& dll, const char* part) {
  char name[128];
  inside::channelName(name, sizeof name, dll.tag, GetProcessId(process), part);
  return name;
}

bool ended(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

// LoadLibraryA of the DLL on a thread in the program: the only one.
void loadInto(HANDLE process, const ProbeDll& dll, DWORD timeoutMs) {
  RemoteBuffer path(process, dll.path.size() + 1);
  path.write(dll.path.c_str(), dll.path.size() + 1);
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
  Owned thread(CreateRemoteThread(process, nullptr, 0, loadLibrary, reinterpret_cast<LPVOID>(path.at()), 0, nullptr));
  if (!thread.handle) throw HarnessError("CreateRemoteThread failed");
  InterlockedIncrement(&threadsStarted);
  DWORD code = 0;
  if (WaitForSingleObject(thread.handle, timeoutMs) != WAIT_OBJECT_0 || !GetExitCodeThread(thread.handle, &code))
    throw HarnessError("loading " + dll.path + " into the program did not finish");
  if (code == 0) throw HarnessError("the program could not load " + dll.path);
}

// The channel's block, mapped here; loads the DLL first when the program has none.
class Channel {
 public:
  Channel(HANDLE process, const ProbeDll& dll, DWORD timeoutMs) {
    const std::string mapName = nameOf(process, dll, "map");
    map_ = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, mapName.c_str());
    if (!map_) {
      loadInto(process, dll, timeoutMs);
      waitUntil([&] { return (map_ = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, mapName.c_str())) || ended(process); },
                timeoutMs);
    }
    if (map_) view_ = MapViewOfFile(map_, FILE_MAP_ALL_ACCESS, 0, 0, inside::kChannelSize);
    if (!view_) throw HarnessError("the probe's channel " + mapName + " did not open");
    if (!waitUntil([&] { return header()->magic == inside::kChannelMagic || ended(process); }, timeoutMs) ||
        ended(process))
      throw HarnessError("the probe in the program did not start listening");
  }
  ~Channel() {
    if (view_) UnmapViewOfFile(view_);
    if (map_) CloseHandle(map_);
  }
  Channel(const Channel&) = delete;
  Channel& operator=(const Channel&) = delete;
  inside::ChannelHeader* header() const { return static_cast<inside::ChannelHeader*>(view_); }
  char* payload() const { return static_cast<char*>(view_) + sizeof(inside::ChannelHeader); }

 private:
  HANDLE map_ = nullptr;
  void* view_ = nullptr;
};

// Waits for the answer to request `sequence`; an answer to an earlier
// request (one whose wait ran out) is passed over.
void awaitAnswer(HANDLE process, HANDLE done, const Channel& channel, uint32_t sequence, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    const DWORD left = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
    HANDLE waits[2] = {done, process};
    const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, left);
    if (channel.header()->answered == sequence) return;
    if (woke == WAIT_OBJECT_0 + 1) throw HarnessError("the program ended during a probe call");
    if (woke != WAIT_OBJECT_0) throw HarnessError("the probe in the program did not answer in time");
  }
}

}  // namespace

ProbeAnswer callProbe(HANDLE process, const ProbeDll& dll, uint32_t command, const std::string& request,
                      DWORD timeoutMs) {
  if (request.size() > inside::kChannelPayload) throw HarnessError("probe request too large");
  if (ended(process)) throw HarnessError("the program has ended");
  Channel channel(process, dll, timeoutMs);
  Owned ask(OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, nameOf(process, dll, "ask").c_str()));
  Owned done(OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, nameOf(process, dll, "done").c_str()));
  if (!ask.handle || !done.handle) throw HarnessError("the probe's events did not open");
  // One request at a time per channel, also between drivers.
  Owned lock(CreateMutexA(nullptr, FALSE, nameOf(process, dll, "lock").c_str()));
  const DWORD locked = lock.handle ? WaitForSingleObject(lock.handle, timeoutMs) : WAIT_FAILED;
  if (locked != WAIT_OBJECT_0 && locked != WAIT_ABANDONED) throw HarnessError("the probe's channel stayed busy");
  struct Unlock {
    HANDLE mutex;
    ~Unlock() { ReleaseMutex(mutex); }
  } unlock{lock.handle};

  inside::ChannelHeader* header = channel.header();
  const uint32_t sequence = header->request + 1;
  std::memcpy(channel.payload(), request.data(), request.size());
  header->command = command;
  header->size = static_cast<uint32_t>(request.size());
  MemoryBarrier();
  header->request = sequence;
  SetEvent(ask.handle);
  awaitAnswer(process, done.handle, channel, sequence, timeoutMs);
  MemoryBarrier();
  ProbeAnswer answer;
  answer.status = header->status;
  if (answer.status == inside::kUnknownCommand) throw HarnessError("the probe knows no command " + std::to_string(command));
  answer.payload.assign(channel.payload(), header->size <= inside::kChannelPayload ? header->size : 0);
  return answer;
}

unsigned remoteThreadsStarted() { return static_cast<unsigned>(threadsStarted); }

}  // namespace e2e
