// A program started by the bench driver: from CreateProcess to its main
// window shown and painted, timed the same way for every program.
#pragma once
#include <windows.h>

#include <string>

namespace bench {

// Milliseconds from a QueryPerformanceCounter reading to now.
double millisecondsSince(LONGLONG start);
LONGLONG counterNow();

struct MemoryFigures {
  SIZE_T privateUsage = 0;   // PROCESS_MEMORY_COUNTERS_EX.PrivateUsage
  SIZE_T workingSet = 0;     // WorkingSetSize
  double cpuMs = 0;          // user + kernel time (from inside the process only)
};

class StartedProgram {
 public:
  StartedProgram() = default;
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  // Starts `exe` with `folder` as its current folder and waits until its
  // input is idle and a visible top-level window of `windowClass` has no
  // part left to paint (nor any of its visible child windows). Returns the
  // milliseconds from just before CreateProcessA to that moment. Throws
  // std::runtime_error when the window does not come within 30 s.
  double startAndTimeToPainted(const std::string& exe, const std::string& folder,
                               const char* windowClass, const std::string& arguments = "");

  // Starts `exe` as above and, as soon as its window of `windowClass` has
  // its list view (control `listId`), posts it a change of the width of
  // column `column` behind whatever the program has queued by then. Returns
  // the milliseconds from just before CreateProcessA until the list answers
  // with that width: the program has handled every message of its start
  // that came before, as a member's first click would wait for them. Then
  // waits until the window is painted, so that it closes as it does after
  // the other measure.
  double startAndTimeToFirstAnswer(const std::string& exe, const std::string& folder, const char* windowClass,
                                   int listId, int column, const std::string& arguments = "");

  HANDLE process() const { return process_; }
  DWORD pid() const { return pid_; }
  HWND mainWindow() const { return mainWindow_; }
  // Counters as GetProcessMemoryInfo gives them to another process.
  MemoryFigures memory() const;
  // Bytes of committed private memory (VirtualQueryEx over the whole
  // address space: MEM_COMMIT regions of type MEM_PRIVATE).
  SIZE_T committedPrivateBytes() const;

  // Posts WM_CLOSE and waits for the end; returns the exit code. A program
  // that does not end within 15 s is terminated (exit code 9999 reported).
  DWORD close();

 private:
  void create(const std::string& exe, const std::string& folder, const std::string& arguments);
  void waitForPainted(const std::string& exe, const char* windowClass, LONGLONG start);

  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD pid_ = 0;
  HWND mainWindow_ = nullptr;
};

// True when the window is visible and neither it nor any visible child has
// a pending update region.
bool windowTreePainted(HWND window);

}  // namespace bench
