// The PC connection search over the real windows: the probe with its child
// process, the search thread, and the modeless legend window 344. The search
// thread reaches the list view and the main window only by sending them
// messages; the user-interface thread never waits on it, on a probe or on a
// child, except for at most a moment at exit.
#pragma once
#include <windows.h>

#include <atomic>
#include <string>

#include "search/probe_output.h"

namespace wabo {

// Longest a probe command may run before its child is ended and the PC
// counts as not connected.
constexpr DWORD kProbeTimeLimitMs = 15000;

// Runs `commandLine` as a hidden child with its output in a pipe that is
// drained while it runs, and judges the output. Ends the child and returns
// NotConnected when it outlives kProbeTimeLimitMs or `abortEvent` is set.
ProbeResult probePc(const std::string& commandLine, HANDLE abortEvent);

struct PcSearchTargets {
  HWND mainWindow;             // gets the repaints and the end message 1025
  HWND listView;               // the member list: counts, PC names, marks
  std::atomic<int>* stopFlag;  // searchStopRequested
};

// Starts the search thread (runPcSearch); false when it could not be made.
// The thread ends by sending message 1025 to the main window.
bool startPcSearchThread(const PcSearchTargets& targets);

// At exit: a running probe's child is ended and the search thread is given
// at most `timeoutMs` to finish; messages it sends meanwhile are served.
void endPcSearchAtExit(DWORD timeoutMs);

struct ProgressWindowSetup {
  COLORREF connectedColour;
  COLORREF notConnectedColour;
  std::atomic<int>* stopFlag;  // 中止 sets it to 1
};

// Opens the legend window 344, modeless and visible, owned by `owner`; the
// focus is on 中止. False when it cannot be made. It is one of the windows
// that stay open (common/modeless_win.h).
bool openSearchProgressWindow(HWND owner, const ProgressWindowSetup& setup);
// At the end of the search (the user may have closed it already).
void closeSearchProgressWindow();

}  // namespace wabo
