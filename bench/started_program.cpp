#include "started_program.h"

#include <psapi.h>

#include <commctrl.h>

#include <stdexcept>

#include "harness/probes.h"

namespace bench {

namespace {

constexpr DWORD kStartLimitMs = 30000;
constexpr DWORD kCloseLimitMs = 15000;

LONGLONG counterFrequency() {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return f.QuadPart;
}

BOOL CALLBACK childPending(HWND child, LPARAM param) {
  if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

LONGLONG counterNow() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

double millisecondsSince(LONGLONG start) {
  static const LONGLONG frequency = counterFrequency();
  return static_cast<double>(counterNow() - start) * 1000.0 / static_cast<double>(frequency);
}

bool windowTreePainted(HWND window) {
  if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  bool pending = false;
  EnumChildWindows(window, childPending, reinterpret_cast<LPARAM>(&pending));
  return !pending;
}

StartedProgram::~StartedProgram() {
  if (process_) {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_, 99);
      WaitForSingleObject(process_, kCloseLimitMs);
    }
    CloseHandle(process_);
    CloseHandle(thread_);
  }
}

void StartedProgram::create(const std::string& exe, const std::string& folder, const std::string& arguments) {
  if (process_) throw std::runtime_error("program already started");
  std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info))
    throw std::runtime_error("CreateProcessA failed for " + exe);
  process_ = info.hProcess;
  thread_ = info.hThread;
  pid_ = info.dwProcessId;
}

void StartedProgram::waitForPainted(const std::string& exe, const char* windowClass, LONGLONG start) {
  for (;;) {
    if (!mainWindow_) mainWindow_ = e2e::findTopLevel(pid_, windowClass, nullptr);
    if (mainWindow_ && windowTreePainted(mainWindow_)) return;
    if (WaitForSingleObject(process_, 0) != WAIT_TIMEOUT)
      throw std::runtime_error(exe + " ended before showing its window");
    if (millisecondsSince(start) > kStartLimitMs)
      throw std::runtime_error(exe + ": no painted window within 30 s");
    Sleep(1);
  }
}

double StartedProgram::startAndTimeToPainted(const std::string& exe, const std::string& folder,
                                             const char* windowClass, const std::string& arguments) {
  const LONGLONG start = counterNow();
  create(exe, folder, arguments);
  WaitForInputIdle(process_, kStartLimitMs);
  waitForPainted(exe, windowClass, start);
  return millisecondsSince(start);
}

double StartedProgram::startAndTimeToFirstAnswer(const std::string& exe, const std::string& folder,
                                                 const char* windowClass, int listId, int column,
                                                 const std::string& arguments) {
  const LONGLONG start = counterNow();
  create(exe, folder, arguments);
  HWND list = nullptr;
  while (list == nullptr) {
    if (!mainWindow_) mainWindow_ = e2e::findTopLevel(pid_, windowClass, nullptr);
    if (mainWindow_) list = GetDlgItem(mainWindow_, listId);
    if (WaitForSingleObject(process_, 0) != WAIT_TIMEOUT)
      throw std::runtime_error(exe + " ended before showing its list");
    if (millisecondsSince(start) > kStartLimitMs) throw std::runtime_error(exe + ": no list within 30 s");
    if (list == nullptr) Sleep(0);
  }
  // A width no column of either program has, posted (not sent): it waits in
  // the queue behind every message posted before it.
  constexpr int kMarkWidth = 37;
  if (!PostMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(kMarkWidth, 0)))
    throw std::runtime_error("cannot post to the list of " + exe);
  double answered = -1;
  while (answered < 0) {
    DWORD_PTR width = 0;
    if (!SendMessageTimeoutA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0, SMTO_NORMAL, 5000, &width))
      throw std::runtime_error(exe + ": the list gave no answer within 5 s");
    if (width == kMarkWidth) answered = millisecondsSince(start);
    else if (millisecondsSince(start) > kStartLimitMs) throw std::runtime_error(exe + ": no answer within 30 s");
    else Sleep(0);
  }
  waitForPainted(exe, windowClass, start);
  return answered;
}

MemoryFigures StartedProgram::memory() const {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters))
    throw std::runtime_error("GetProcessMemoryInfo failed");
  MemoryFigures figures;
  figures.privateUsage = counters.PrivateUsage;
  figures.workingSet = counters.WorkingSetSize;
  return figures;
}

SIZE_T StartedProgram::committedPrivateBytes() const {
  return static_cast<SIZE_T>(e2e::committedPrivateBytes(process_));
}

DWORD StartedProgram::close() {
  if (!process_) return 0;
  if (mainWindow_ && IsWindow(mainWindow_)) PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
  DWORD code = 9999;
  if (WaitForSingleObject(process_, kCloseLimitMs) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_, &code);
  } else {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, kCloseLimitMs);
  }
  CloseHandle(process_);
  CloseHandle(thread_);
  process_ = thread_ = nullptr;
  mainWindow_ = nullptr;
  return code;
}

}  // namespace bench
