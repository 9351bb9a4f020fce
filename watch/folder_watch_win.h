// The folder watch: a thread of its own that waits for the system to report
// changes in the watched folders and posts one message to the main window
// when work is due. The user-interface thread never waits for it: it answers
// each message with answer(), which only sets a value and an event, and
// stopping sets an event and waits for the thread a bounded moment.
#pragma once
#include <windows.h>

#include <memory>

#include "watch/watch_coalescer.h"
#include "watch/watch_plan.h"

namespace wabo {

struct FolderWatchState;

class FolderWatch {
 public:
  // Starts the thread over the plan's folders. It posts `message` to
  // `window` with wParam the WatchWork bits and lParam `generation`, and
  // posts nothing more until the window has answered. A folder that cannot
  // be opened or watched (some shares refuse, a share that dropped) is
  // tried again every second, as is one whose path has come to name another
  // folder (replaced by a new one); once watched again it asks for a look
  // at what it holds. Meanwhile the timer keeps the board current.
  // nullptr when the plan names no folder or no thread could start.
  // A change that came between the decision to watch and the thread's first
  // read would be missed: `initialWork` (WatchWork bits) is looked at once
  // the folders are watched.
  static std::unique_ptr<FolderWatch> start(const WatchPlan& plan, HWND window, UINT message, LPARAM generation,
                                            unsigned initialWork);
  // Stops the thread; see stop().
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // The window's answer to the last message. Never waits.
  void answer(const WatchOutcome& outcome);
  // Asks the thread to end and waits for it up to `waitMs`; a thread still
  // held up in the system (a share that does not answer) ends on its own
  // later and posts nothing more.
  void stop(DWORD waitMs = 1000);

  const WatchPlan& plan() const { return plan_; }
  LPARAM generation() const { return generation_; }

 private:
  FolderWatch(const WatchPlan& plan, LPARAM generation) : plan_(plan), generation_(generation) {}
  WatchPlan plan_;
  LPARAM generation_;
  std::shared_ptr<FolderWatchState> state_;
  HANDLE thread_ = nullptr;
};

}  // namespace wabo
