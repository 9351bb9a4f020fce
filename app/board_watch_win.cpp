// The folder watch over the real main window: started, moved or stopped
// whenever what it should watch has changed (auto update, the board shown,
// the mail folder, the user ID), and its messages turned into woken checks.
#include <memory>

#include "app/board_watch.h"
#include "app/shell_win.h"
#include "res/resource.h"
#include "watch/folder_watch_win.h"

namespace wabo {
namespace {

constexpr DWORD kExitWaitMs = 500;

std::unique_ptr<FolderWatch> folderWatch;
WatchPlan watchedPlan;  // also when its thread could not start: no retry at every message
LPARAM lastGeneration = 0;

// A dialog or message box of ours disables the main window; a menu or the
// in-place edit of an ID are open without that.
bool mainWindowBusy() {
  return !IsWindowEnabled(shell.mainWindow) || shell.menuOpen || shell.labelEditControl != nullptr;
}

}  // namespace

void syncFolderWatch() {
  // Also after the exit command: the window has gone with its watch.
  if (!IsWindow(shell.mainWindow)) return;
  WatchPlan plan = planWatch(watchInputs(app));
  if (plan == watchedPlan) return;
  // The old thread ends on its own; nothing it still posts is taken.
  if (folderWatch) folderWatch->stop(0);
  folderWatch.reset();
  // Before the first tick a watch needs no look of its own: the tick comes.
  const unsigned initialWork = app.main.firstTick == 1 ? kNoWatchWork : kBoardWork | kMailWork;
  watchedPlan = plan;
  folderWatch = FolderWatch::start(plan, shell.mainWindow, WM_WABO_WATCH, ++lastGeneration, initialWork);
}

void stopFolderWatch() {
  if (folderWatch) folderWatch->stop(kExitWaitMs);
  folderWatch.reset();
  watchedPlan = WatchPlan{};
}

void onWatchWork(WPARAM work, LPARAM generation) {
  if (!folderWatch || folderWatch->generation() != generation) return;
  static ProgramUnderWatch program(shellRefreshContext(), mainWindowBusy);
  const WatchOutcome outcome = runWokenCheck(static_cast<unsigned>(work), program);
  // A tick under the pickup's message box may have moved the watch meanwhile.
  if (folderWatch && folderWatch->generation() == generation) folderWatch->answer(outcome);
}

}  // namespace wabo
