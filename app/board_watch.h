// The program as the folder watch reaches it: what to watch, taken from the
// settings and the board shown, and the woken check over the refresh cycle's
// list, state, view and mail pickup.
#pragma once
#include <functional>

#include "app/app_state.h"
#include "app/refresh_cycle.h"
#include "watch/watch_plan.h"
#include "watch/woken_check.h"

namespace wabo {

// The plan's inputs as the program holds them now.
WatchInputs watchInputs(const AppState& app);

class ProgramUnderWatch : public WatchedProgram {
 public:
  // `windowBusy`: a dialog, message box, menu or in-place edit of the main
  // window is open.
  ProgramUnderWatch(RefreshContext& ctx, std::function<bool()> windowBusy)
      : ctx_(ctx), windowBusy_(std::move(windowBusy)) {}

  // The window is busy, or a pickup is still showing its mail.
  bool busy() override;
  void pickUpMail() override { ctx_.hooks.pickUpMail(); }
  // The tick's checkBoard without its message and without waiting: a lock
  // of another copy's save gives 2 at once, and the watch looks again when
  // it goes. 0 and 1 become lastLoadResult; a 2 leaves it, since the list
  // still shows what was last read.
  int checkBoard() override;
  // The reload of a tick: the list, lastLoadResult 1 and " 更新" with the time.
  bool reloadBoard() override;

 private:
  RefreshContext& ctx_;
  std::function<bool()> windowBusy_;
};

}  // namespace wabo
