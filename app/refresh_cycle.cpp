#include "app/refresh_cycle.h"

#include <cstdlib>

#include "board/board_file.h"
#include "board/board_save.h"
#include "common/messages.h"

namespace wabo {

namespace {

constexpr long long kMinuteMs = 60000;
constexpr long long kMaxTimerMs = 0x7FFFFFFF;  // the largest interval a timer takes

void showBoardUnreadable(Ui& ui) { ui.warn(msg::kBoardMissingOrLocked); }

bool wantsUserIdAtStart(const AppState& app) {
  return app.shared.askUserIdAtStart == 1 && app.local.userId.empty() && app.main.firstTick == 1;
}

void startAutomaticSearch(RefreshContext& ctx) {
  MainState& main = ctx.board.app.main;
  if (main.pcSearchRunning != 0) return;  // the marks and the stop flag exist once
  if (ctx.hooks.startPcSearch()) main.pcSearchRunning = 1;
}

}  // namespace

std::uint32_t autoUpdatePeriod(const std::string& minutesText) {
  long long minutes = std::atoll(minutesText.c_str());
  if (minutes < 1) minutes = 1;
  if (minutes > kMaxTimerMs / kMinuteMs) minutes = kMaxTimerMs / kMinuteMs;
  return static_cast<std::uint32_t>(minutes * kMinuteMs);
}

void runRefreshTick(RefreshContext& ctx) {
  AppState& app = ctx.board.app;

  // No other tick may start while this one runs, message boxes included.
  ctx.timer.stop();

  if (wantsUserIdAtStart(app)) askUserId(ctx.board, /*clearWhenUnknown=*/false);

  ctx.hooks.pickUpMail();

  const bool toldAlready = app.main.lastLoadResult == kUnreadable;
  app.main.lastLoadResult = checkBoard(app.board, ctx.board.ui);
  switch (app.main.lastLoadResult) {
    case kChanged:
      ctx.board.view.reloadBoard();
      break;
    case kUnchanged:
      // The rows stay untouched, search marks included; the full stop in the
      // time text tells the user that nothing was reloaded.
      stampCheckTime(app.times);
      break;
    default:
      // The list keeps what it showed; the next tick tries again. A board
      // that stays unreadable (a share gone for a while) is told once: a box
      // at every tick would pile up on an unattended PC, and while one is
      // open neither the timer nor the folder watch looks at the board.
      if (!toldAlready) showBoardUnreadable(ctx.board.ui);
      break;
  }
  ctx.board.view.showUpdateTime();

  if (app.local.autoUpdateEnabled == 1) {
    ctx.timer.start(autoUpdatePeriod(app.local.autoUpdateMinutesText));
    if (app.main.firstTick == 0 && app.local.autoPcSearch == 1) startAutomaticSearch(ctx);
  }
  app.main.firstTick = 0;
}

void runManualRefresh(RefreshContext& ctx) {
  AppState& app = ctx.board.app;
  int result = app.main.lastLoadResult = checkBoard(app.board, ctx.board.ui);
  // The lock can come, or the file go, between the check and the load: then
  // nothing was read, and saying "更新しました" would be untrue.
  if (result != kUnreadable && !ctx.board.view.reloadBoard()) result = app.main.lastLoadResult = kUnreadable;
  if (result == kChanged) {
    ctx.board.ui.inform(msg::kRefreshedNew);
  } else if (result == kUnchanged) {
    ctx.board.ui.inform(msg::kRefreshedNothingNew);
  } else {
    showBoardUnreadable(ctx.board.ui);
  }
  ctx.board.view.showUpdateTime();
  ctx.hooks.pickUpMail();
}

void endPcSearch(MainState& main) { main.pcSearchRunning = 0; }

}  // namespace wabo
