// WM_DESTROY: stop, then write this PC's settings as they stand now.
#include "app/settings_lifetime.h"
#include "app/shell_win.h"
#include "common/dpi_scale.h"
#include "common/modeless_win.h"
#include "res/resource.h"
#include "settings/local_settings.h"

namespace wabo {
namespace {

// Stored in 96-DPI units; a rectangle not moved keeps its stored numbers.
void captureWindowRectangle() {
  RECT rect = {};
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowRect(shell.mainWindow, &rect);
  GetWindowPlacement(shell.mainWindow, &placement);
  const LocalSettings& s = app.local;
  const int left = unscaleKeeping(rect.left, s.windowLeft, shell.dpi);
  const int top = unscaleKeeping(rect.top, s.windowTop, shell.dpi);
  const int width = unscaleKeeping(rect.right - rect.left, s.windowWidth, shell.dpi);
  const int height = unscaleKeeping(rect.bottom - rect.top, s.windowHeight, shell.dpi);
  takeWindowRectangle(app.local, left, top, left + width, top + height, placement.showCmd == SW_SHOWNORMAL);
}

}  // namespace

void onDestroy() {
  // The windows that stay open go first: the history window's size goes
  // into the settings written below.
  ModelessWindow::closeAll();
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
