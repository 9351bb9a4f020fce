#include "app/board_watch.h"

#include "board/board_file.h"
#include "common/platform_file.h"

namespace wabo {

namespace {

// The board that cannot be read now tells nobody: the next regular tick does.
class SilentUi : public Ui {
 public:
  void warn(const char*) override {}
  void inform(const char*) override {}
  bool confirm(const char*) override { return false; }
};

}  // namespace

WatchInputs watchInputs(const AppState& app) {
  WatchInputs in;
  in.autoUpdateEnabled = app.local.autoUpdateEnabled;
  in.boardPath = app.board.currentBoardPath;
  in.mailFolder = app.shared.mailFolder;
  in.userId = app.local.userId;
  return in;
}

bool ProgramUnderWatch::busy() { return ctx_.board.app.mail.pickupRunning || (windowBusy_ && windowBusy_()); }

int ProgramUnderWatch::checkBoard() {
  AppState& app = ctx_.board.app;
  if (platform::fileExists(lockFilePath(app.board.currentBoardPath))) return kUnreadable;
  SilentUi silent;
  const int result = wabo::checkBoard(app.board, silent);
  if (result != kUnreadable) app.main.lastLoadResult = result;
  return result;
}

bool ProgramUnderWatch::reloadBoard() {
  if (!ctx_.board.view.reloadBoard()) return false;
  ctx_.board.app.main.lastLoadResult = kChanged;
  ctx_.board.view.showUpdateTime();
  return true;
}

}  // namespace wabo
