// WM_DESTROY: stop, then write this PC's settings as they stand now.
#include <cstdlib>

#include "app/list_columns.h"
#include "app/shell_win.h"
#include "board/board_file.h"
#include "res/resource.h"
#include "settings/local_settings.h"

namespace wabo {
namespace {

void takeWindowRectangle() {
  RECT rect = {};
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowRect(shell.mainWindow, &rect);
  GetWindowPlacement(shell.mainWindow, &placement);
  LocalSettings& s = app.local;
  if (placement.showCmd != SW_SHOWNORMAL) {
    // Minimised or maximised: the next start opens a plain window.
    s.windowLeft = 119;
    s.windowTop = 135;
    s.windowWidth = 580;
    s.windowHeight = 338;
    return;
  }
  s.windowLeft = rect.left;
  s.windowTop = rect.top;
  s.windowWidth = rect.right - rect.left;
  s.windowHeight = rect.bottom - rect.top;
}

}  // namespace

void onDestroy() {
  // The list view would destroy an attached image list once more when it goes.
  SendMessageA(shell.memberListView, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
  if (shell.iconImageList != nullptr) ImageList_Destroy(shell.iconImageList);
  shell.iconImageList = nullptr;
  KillTimer(shell.mainWindow, ID_REFRESH_TIMER);
  PostQuitMessage(0);

  takeWindowRectangle();
  // An unreadable board may have left the columns of another board on screen.
  if (app.main.lastLoadResult != kUnreadable) saveColumnLayout(memberList(), app);
  LocalSettings& s = app.local;
  s.autoUpdateMinutes = s.autoUpdateEnabled == 1 ? std::atoi(s.autoUpdateMinutesText.c_str()) : 0;
  // A file that cannot be written is skipped: there is nobody left to tell.
  saveLocalSettings(s, app.main.programFolder, app.main.windowsFolder);
}

}  // namespace wabo
