// Timer 1: every tick stops the timer, looks at the board file, and arms the
// timer again for the auto update period. Message 1025 ends a PC search.
#include <cstdlib>

#include "app/shell_win.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "common/messages.h"
#include "res/resource.h"

namespace wabo {
namespace {

// The auto update period in milliseconds. The dialog allows 1..999 minutes;
// a hand-edited value is held to what the timer can take.
UINT autoUpdatePeriod() {
  const long long kMaxMinutes = USER_TIMER_MAXIMUM / 60000;
  long long minutes = std::atoll(app.local.autoUpdateMinutesText.c_str());
  if (minutes < 1) minutes = 1;
  if (minutes > kMaxMinutes) minutes = kMaxMinutes;
  return static_cast<UINT>(minutes * 60000);
}

}  // namespace

void onTimerTick() {
  KillTimer(shell.mainWindow, ID_REFRESH_TIMER);
  app.main.lastLoadResult = checkBoard(app.board, mainUi());
  if (app.main.lastLoadResult == kChanged)
    reloadBoard();
  else if (app.main.lastLoadResult == kUnchanged)
    stampCheckTime(app.times);
  else
    mainUi().warn(msg::kBoardMissingOrLocked);
  showUpdateTime();
  if (app.local.autoUpdateEnabled == 1) SetTimer(shell.mainWindow, ID_REFRESH_TIMER, autoUpdatePeriod(), nullptr);
  app.main.firstTick = 0;
}

void onSearchDone() {
  if (shell.searchProgressWindow != nullptr) DestroyWindow(shell.searchProgressWindow);
  shell.searchProgressWindow = nullptr;
}

}  // namespace wabo
