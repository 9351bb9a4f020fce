// The watch thread over ReadDirectoryChangesW: one overlapped read per
// folder, a stop event and an answer event, and the coalescer's next wake-up
// as the wait's time-out.
#include "watch/folder_watch_win.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "watch/change_records.h"

namespace wabo {

struct FolderWatchState {
  WatchPlan plan;
  HWND window = nullptr;
  UINT message = 0;
  LPARAM generation = 0;
  unsigned initialWork = 0;
  HANDLE stopEvent = nullptr;
  HANDLE answerEvent = nullptr;
  std::atomic<int> answer{0};  // kAnswerBusy | kAnswerUnreadable
  ~FolderWatchState() {
    if (stopEvent != nullptr) CloseHandle(stopEvent);
    if (answerEvent != nullptr) CloseHandle(answerEvent);
  }
};

namespace {

constexpr int kAnswerBusy = 1;
constexpr int kAnswerUnreadable = 2;
constexpr DWORD kChangeFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE;
// Shares take at most 64 KB per read; a few hundred changes fit in this.
constexpr DWORD kRecordBytes = 32 * 1024;
constexpr DWORD kCancelWaitMs = 1000;
// The thread's stack. The program's default (2 MB, from its header) is
// committed whole under Wine; this thread's calls need a few kilobytes, its
// buffers are on the heap.
constexpr SIZE_T kWatchStackBytes = 128 * 1024;

// One watched folder with its pending read. The system writes into the
// record buffer and the OVERLAPPED until the read ends.
// Which folder a handle is open on: volume and file index. A folder renamed
// away keeps its identity; a new folder made under the old name has another.
struct FolderIdentity {
  DWORD volume = 0, indexHigh = 0, indexLow = 0;
  bool operator==(const FolderIdentity& o) const {
    return volume == o.volume && indexHigh == o.indexHigh && indexLow == o.indexLow;
  }
};

bool identityOf(HANDLE handle, FolderIdentity& id) {
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(handle, &info)) return false;
  id = FolderIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
  return true;
}

struct OpenFolder {
  WatchedFolder names;
  FolderIdentity identity;
  bool identityKnown = false;
  HANDLE directory = INVALID_HANDLE_VALUE;
  OVERLAPPED overlapped{};
  bool reading = false;
  std::vector<DWORD> buffer = std::vector<DWORD>(kRecordBytes / sizeof(DWORD));  // records start on 32-bit boundaries
};
using Folders = std::vector<std::unique_ptr<OpenFolder>>;

bool issueRead(OpenFolder& f) {
  f.reading = ReadDirectoryChangesW(f.directory, f.buffer.data(), kRecordBytes, FALSE, kChangeFilter, nullptr,
                                    &f.overlapped, nullptr) != FALSE;
  return f.reading;
}

// Ends the folder's read and closes it. Should the system not give the
// buffer back in time, it keeps it: the folder is not freed under its feet.
void closeFolder(std::unique_ptr<OpenFolder> f) {
  if (f->reading) {
    CancelIo(f->directory);
    if (WaitForSingleObject(f->overlapped.hEvent, kCancelWaitMs) != WAIT_OBJECT_0) {
      CloseHandle(f->directory);
      f.release();
      return;
    }
  }
  CloseHandle(f->directory);
  if (f->overlapped.hEvent != nullptr) CloseHandle(f->overlapped.hEvent);
}

std::unique_ptr<OpenFolder> openFolder(const WatchedFolder& names) {
  auto f = std::make_unique<OpenFolder>();
  f->names = names;
  f->directory = CreateFileA(names.path.c_str(), FILE_LIST_DIRECTORY,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                             FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
  if (f->directory == INVALID_HANDLE_VALUE) return nullptr;
  f->identityKnown = identityOf(f->directory, f->identity);
  f->overlapped.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (f->overlapped.hEvent != nullptr && issueRead(*f)) return f;
  closeFolder(std::move(f));
  return nullptr;
}

std::string ansiName(const std::u16string& name) {
  if (name.empty()) return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(name.data());
  const int wideChars = static_cast<int>(name.size());
  int bytes = WideCharToMultiByte(CP_ACP, 0, wide, wideChars, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, wideChars, out.data(), bytes, nullptr, nullptr);
  return out;
}

// The records of a completed read, handed to the coalescer; false when the
// folder can no longer be watched.
bool takeRecords(OpenFolder& f, WatchCoalescer& co, WatchMillis now) {
  DWORD bytes = 0;
  f.reading = false;
  const bool read = GetOverlappedResult(f.directory, &f.overlapped, &bytes, FALSE) != FALSE;
  const bool overflow = !read && GetLastError() == ERROR_NOTIFY_ENUM_DIR;
  // Too many changes at once, or a share that dropped the watch: what
  // changed is not known, so everything may have. Only the first is worth
  // watching on.
  const auto records = readChangeRecords(reinterpret_cast<const unsigned char*>(f.buffer.data()), read ? bytes : 0);
  for (const ChangeRecord& r : records) co.noteChange(classifyChange(f.names, r.change, ansiName(r.name)), now);
  return (read || overflow) && issueRead(f);
}

// Whether the folder's path still names the folder the watch has open. A
// share that dropped and came back, or a folder replaced by a new one of
// the same name, is no longer the one watched: nothing that happens under
// the path reaches the old handle.
bool stillThere(const OpenFolder& f) {
  HANDLE now = CreateFileA(f.names.path.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (now == INVALID_HANDLE_VALUE) return false;
  FolderIdentity id;
  const bool same = !f.identityKnown || (identityOf(now, id) && id == f.identity);
  CloseHandle(now);
  return same;
}

unsigned workOf(const WatchedFolder& names) {
  return (names.boardFileName.empty() ? 0u : kBoardWork) | (names.mailId.empty() ? 0u : kMailWork);
}

// Every kRecheckMs the watch looks whether each folder is still the one it
// watches, and opens again a folder it lost (or could not open at its
// start). A folder watched again asks for a look at all it holds: what
// changed while it was not watched is not known.
constexpr WatchMillis kRecheckMs = 1000;

void recheckFolders(const FolderWatchState& s, Folders& folders, WatchCoalescer& co, WatchMillis now) {
  for (std::size_t i = 0; i < folders.size(); ++i) {
    if (folders[i] && !stillThere(*folders[i])) closeFolder(std::move(folders[i]));
    if (folders[i]) continue;
    folders[i] = openFolder(s.plan.folders[i]);
    if (folders[i]) co.noteChange(workOf(s.plan.folders[i]), now);
  }
}

std::uint32_t seedOfThisCopy() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return static_cast<std::uint32_t>(counter.QuadPart) ^ GetCurrentProcessId() * 2654435761u;
}

// The wait's handles: stop, answer, then the read of each open folder; `at`
// gives the folder slot of each read.
std::vector<HANDLE> waitHandles(const FolderWatchState& s, const Folders& folders, std::vector<std::size_t>& at) {
  std::vector<HANDLE> handles{s.stopEvent, s.answerEvent};
  at.clear();
  for (std::size_t i = 0; i < folders.size(); ++i) {
    if (!folders[i]) continue;
    handles.push_back(folders[i]->overlapped.hEvent);
    at.push_back(i);
  }
  return handles;
}

DWORD waitTimeout(const WatchCoalescer& co, WatchMillis recheckAt) {
  WatchMillis wake = recheckAt;
  if (auto at = co.wakeAt()) wake = std::min(wake, *at);
  const WatchMillis left = wake - static_cast<WatchMillis>(GetTickCount64());
  return left <= 0 ? 0 : static_cast<DWORD>(left);
}

void watchLoop(FolderWatchState& s, Folders& folders) {
  std::mt19937 generator(seedOfThisCopy());
  WatchCoalescer co(WatchTiming{}, [&generator] { return static_cast<std::uint32_t>(generator()); });
  unsigned watched = 0;
  for (const auto& f : folders)
    if (f) watched |= workOf(f->names);
  co.noteChange(s.initialWork & watched, static_cast<WatchMillis>(GetTickCount64()));
  WatchMillis recheckAt = static_cast<WatchMillis>(GetTickCount64()) + kRecheckMs;
  std::vector<std::size_t> slotOf;
  for (;;) {
    std::vector<HANDLE> handles = waitHandles(s, folders, slotOf);
    const DWORD r = WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE,
                                           waitTimeout(co, recheckAt));
    const WatchMillis now = static_cast<WatchMillis>(GetTickCount64());
    if (r == WAIT_OBJECT_0 || r == WAIT_FAILED) return;
    if (r == WAIT_OBJECT_0 + 1) {
      const int a = s.answer.load();
      co.finished(WatchOutcome{(a & kAnswerBusy) != 0, (a & kAnswerUnreadable) != 0}, now);
    } else if (r >= WAIT_OBJECT_0 + 2 && r < WAIT_OBJECT_0 + handles.size()) {
      std::unique_ptr<OpenFolder>& f = folders[slotOf[r - WAIT_OBJECT_0 - 2]];
      if (!takeRecords(*f, co, now)) closeFolder(std::move(f));  // opened again at the next recheck
    }
    if (now >= recheckAt) {
      recheckFolders(s, folders, co, now);
      recheckAt = now + kRecheckMs;
    }
    if (const unsigned work = co.take(now)) {
      if (WaitForSingleObject(s.stopEvent, 0) == WAIT_OBJECT_0) return;
      if (!PostMessageA(s.window, s.message, static_cast<WPARAM>(work), s.generation)) {
        // A full message queue is like a busy program; a window that is
        // gone cannot answer, and the watch is being stopped.
        if (!IsWindow(s.window)) return;
        co.finished(WatchOutcome{true, false}, now);
      }
    }
  }
}

DWORD WINAPI watchThread(LPVOID parameter) {
  std::unique_ptr<std::shared_ptr<FolderWatchState>> held(static_cast<std::shared_ptr<FolderWatchState>*>(parameter));
  FolderWatchState& s = **held;
  // One slot per folder of the plan; an empty slot is a folder not watched now.
  Folders folders;
  for (const WatchedFolder& names : s.plan.folders) folders.push_back(openFolder(names));
  watchLoop(s, folders);
  for (auto& f : folders)
    if (f) closeFolder(std::move(f));
  return 0;
}

}  // namespace

std::unique_ptr<FolderWatch> FolderWatch::start(const WatchPlan& plan, HWND window, UINT message, LPARAM generation,
                                                unsigned initialWork) {
  if (plan.folders.empty()) return nullptr;
  auto state = std::make_shared<FolderWatchState>();
  state->plan = plan;
  state->window = window;
  state->message = message;
  state->generation = generation;
  state->initialWork = initialWork;
  state->stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  state->answerEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  if (state->stopEvent == nullptr || state->answerEvent == nullptr) return nullptr;
  auto* parameter = new std::shared_ptr<FolderWatchState>(state);
  HANDLE thread =
      CreateThread(nullptr, kWatchStackBytes, watchThread, parameter, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) {
    delete parameter;
    return nullptr;
  }
  std::unique_ptr<FolderWatch> watch(new FolderWatch(plan, generation));
  watch->state_ = std::move(state);
  watch->thread_ = thread;
  return watch;
}

FolderWatch::~FolderWatch() { stop(); }

void FolderWatch::answer(const WatchOutcome& outcome) {
  if (!state_) return;
  state_->answer.store((outcome.busy ? kAnswerBusy : 0) | (outcome.boardUnreadable ? kAnswerUnreadable : 0));
  SetEvent(state_->answerEvent);
}

void FolderWatch::stop(DWORD waitMs) {
  if (thread_ == nullptr) return;
  SetEvent(state_->stopEvent);
  WaitForSingleObject(thread_, waitMs);
  CloseHandle(thread_);
  thread_ = nullptr;
}

}  // namespace wabo
