// Timer 1, the 更新 command and the end of a PC search over the real main
// window. What they decide is in app/refresh_cycle.cpp.
#include "app/board_dialogs_win.h"
#include "app/overdue_draw_win.h"
#include "app/refresh_cycle.h"
#include "app/shell_win.h"
#include "res/resource.h"
#include "search/pc_search_win.h"

namespace wabo {
namespace {

class MainWindowTimer : public RefreshTimer {
 public:
  void start(std::uint32_t milliseconds) override {
    SetTimer(shell.mainWindow, ID_REFRESH_TIMER, milliseconds, nullptr);
  }
  void stop() override { KillTimer(shell.mainWindow, ID_REFRESH_TIMER); }
};

// The work of the mail and search subsystems that the cycle sets going.
class ShellRefreshHooks : public RefreshHooks {
 public:
  void pickUpMail() override { pickUpMailForUser(); }
  bool startPcSearch() override { return startBackgroundPcSearch(); }
};

}  // namespace

RefreshContext& shellRefreshContext() {
  static MainWindowTimer timer;
  static ShellRefreshHooks hooks;
  static RefreshContext context{shellBoardCommands(), timer, hooks};
  return context;
}

void onTimerTick() {
  runRefreshTick(shellRefreshContext());
  lookAtOverdueRows();
}

void onTimer(WPARAM timerId) {
  if (timerId == ID_OVERDUE_TIMER) lookAtOverdueRows();
  else if (timerId == ID_NOTICE_TIMER) onNoticeTimer();
  else onTimerTick();
}

void onManualRefresh() { runManualRefresh(shellRefreshContext()); }

void onSearchDone() {
  // The user may have closed the window already; then there is nothing to destroy.
  closeSearchProgressWindow();
  shell.searchStopRequested = 0;
  endPcSearch(app.main);
}

}  // namespace wabo
