// WM_CREATE: the list view and the status bar, the first load of the board,
// the first timer tick, the board menu and the quick-input items. (The row
// tip is made when the pointer first comes over the list.)
#include <string>

#include "app/list_columns.h"
#include "app/shell_win.h"
#include "common/dpi_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

void createChildWindows(HWND window) {
  // The selection stays visible while the find box has the focus.
  constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_EDITLABELS | LVS_SHOWSELALWAYS;
  shell.memberListView =
      CreateWindowExA(0, "SysListView32", "", kListStyle, 0, 0, 0, 0, window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MEMBER_LIST)), shell.instanceHandle, nullptr);
  shell.statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP | SBT_TOOLTIPS, nullptr,
                                        window, IDC_STATUS_BAR);
}

void setQuickInputText(HMENU popup, UINT command, const std::string& word) {
  std::string text = "自分の行き先を[" + word + "]にする";
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STRING;
  item.dwTypeData = const_cast<char*>(text.c_str());
  SetMenuItemInfoA(popup, command, FALSE, &item);
}

}  // namespace

void relabelQuickInputs() {
  HMENU rowMenu = GetSubMenu(shell.rowPopupMenu, 0);
  setQuickInputText(rowMenu, CMD_QUICK_INPUT_1, app.local.quickInputWord1);
  setQuickInputText(rowMenu, CMD_QUICK_INPUT_2, app.local.quickInputWord2);
}

void onCreate(HWND window) {
  shell.mainWindow = window;
  shell.dpi = windowDpi(window);
  InitCommonControls();
  createChildWindows(window);
  applyListColours();
  replaceListFont();
  // Columns and rows go in as one change: the list takes in its new
  // columns without working out its layout again after each of them.
  memberList().beginBulkUpdate();
  createColumns(memberList(), app);
  reloadBoard();  // directly, without a check: the first tick reports a missing file
  memberList().endBulkUpdate();
  SetTimer(window, ID_REFRESH_TIMER, 500, nullptr);
  refreshBoardMenu(false);
  relabelQuickInputs();

  // The status bar gets its texts only from the layout; run it once now.
  RECT client;
  GetClientRect(window, &client);
  onSize(SIZE_RESTORED, client.right, client.bottom);
}

}  // namespace wabo
