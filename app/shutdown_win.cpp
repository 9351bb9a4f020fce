// WM_DESTROY: stop, then write this PC's settings as they stand now.
#include "app/history_window_win.h"
#include "app/settings_lifetime.h"
#include "app/shell_win.h"
#include "res/resource.h"
#include "settings/local_settings.h"

namespace wabo {
namespace {

void captureWindowRectangle() {
  RECT rect = {};
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowRect(shell.mainWindow, &rect);
  GetWindowPlacement(shell.mainWindow, &placement);
  takeWindowRectangle(app.local, rect.left, rect.top, rect.right, rect.bottom, placement.showCmd == SW_SHOWNORMAL);
}

}  // namespace

void onDestroy() {
  // Its size goes into the settings written below.
  closeHistoryWindow();
  stopFolderWatch();
  // The list view would destroy an attached image list once more when it goes.
  SendMessageA(shell.memberListView, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
  if (shell.iconImageList != nullptr) ImageList_Destroy(shell.iconImageList);
  shell.iconImageList = nullptr;
  KillTimer(shell.mainWindow, ID_REFRESH_TIMER);
  PostQuitMessage(0);

  captureWindowRectangle();
  saveSettingsAtExit(memberList(), app);
}

}  // namespace wabo
