// Notifications of the member list: the texts it draws, sorting by a header
// click, the colours of the PC search marks, the in-place ID edit, double
// and right clicks, Enter; and the list's commands of the keyboard alone.
#include <string>

#include "app/board_dialogs_win.h"
#include "app/id_edit_command.h"
#include "app/list_columns.h"
#include "app/overdue_draw_win.h"
#include "app/shell_win.h"
#include "app/watch_command.h"
#include "board/columns.h"
#include "board/search_mark.h"
#include "common/modeless_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

// The longest ID the in-place edit takes.
constexpr int kLabelEditBytes = 64;

LRESULT onCustomDraw(NMLVCUSTOMDRAW* draw) {
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
    beginOverduePaint();
    return CDRF_NOTIFYITEMDRAW;
  }
  if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
    auto state = static_cast<UINT>(
        SendMessageA(shell.memberListView, LVM_GETITEMSTATE, draw->nmcd.dwItemSpec, LVIS_STATEIMAGEMASK));
    auto background = markBackground(markOfItemState(state), app.local.connectedColour, app.local.notConnectedColour);
    if (background) draw->clrTextBk = static_cast<COLORREF>(*background);
    if (drawOverdueRow(draw, static_cast<COLORREF>(background.value_or(app.local.backgroundColour))))
      return CDRF_NEWFONT;
  }
  return CDRF_DODEFAULT;
}

void onBeginLabelEdit() {
  shell.labelEditControl = reinterpret_cast<HWND>(SendMessageA(shell.memberListView, LVM_GETEDITCONTROL, 0, 0));
}

// A confirmed edit is carried out once the list view has closed its edit
// control: the change may reload the list and show message boxes, neither
// of which belongs inside the list's own notification. Until then the row
// keeps its ID; a cancelled edit changes nothing.
struct PendingIdEdit {
  std::string oldId, typed;
};
PendingIdEdit pendingIdEdit;

void onEndLabelEdit(int row, bool confirmed) {
  char text[kLabelEditBytes] = {};
  if (shell.labelEditControl != nullptr) GetWindowTextA(shell.labelEditControl, text, kLabelEditBytes);
  shell.labelEditControl = nullptr;
  if (!confirmed || row < 0) return;
  pendingIdEdit = {memberList().text(row, kIdColumn, kColumns[kIdColumn].bufferBytes), text};
  PostMessageA(shell.mainWindow, WM_WABO_ID_EDITED, 0, 0);
}

void onDoubleClick() {
  if (memberList().firstSelected() >= 0) onCommand(CMD_DESTINATION_SELECTED);
}

HMENU rowMenu() { return GetSubMenu(shell.rowPopupMenu, 0); }

// Menu 295 at `point` (screen), its check item 戻ったら知らせる set for the
// selected row first.
void openRowMenu(POINT point) {
  HMENU menu = rowMenu();
  const WatchItemState watch = watchItemState(memberList(), app);
  EnableMenuItem(menu, CMD_WATCH_RETURN, MF_BYCOMMAND | (watch.enabled ? MF_ENABLED : MF_GRAYED));
  CheckMenuItem(menu, CMD_WATCH_RETURN, MF_BYCOMMAND | (watch.checked ? MF_CHECKED : MF_UNCHECKED));
  TrackPopupMenu(menu, 0, point.x, point.y, 0, shell.mainWindow, nullptr);
}

void onRightClick(const NMITEMACTIVATE* click) {
  POINT point = click->ptAction;  // list-view client coordinates
  ClientToScreen(shell.mainWindow, &point);
  openRowMenu(point);
}

}  // namespace

// The list's own keys (F2, Shift+F10, the menu key) come through the
// shortcuts of every window; typed in a window that stays open they belong
// to that window, not to the board behind it.
namespace {
bool listKeysBelongElsewhere() { return ModelessWindow::isOneOf(GetActiveWindow()); }
}  // namespace

void showRowMenuAtSelection() {
  if (listKeysBelongElsewhere()) return;
  HWND list = shell.memberListView;
  POINT point = {0, 0};  // no row selected: the list's top left corner
  const int row = memberList().firstSelected();
  if (row >= 0) {
    SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT label = {};
    label.left = LVIR_LABEL;
    if (SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&label)))
      point = {label.left, label.bottom};
  }
  ClientToScreen(list, &point);
  openRowMenu(point);
}

void editSelectedId() {
  if (listKeysBelongElsewhere()) return;
  const int row = memberList().firstSelected();
  if (row < 0) return;
  SetFocus(shell.memberListView);
  SendMessageA(shell.memberListView, LVM_EDITLABELA, static_cast<WPARAM>(row), 0);
}

// The quick-input items keep the texts made from their words, without a
// mnemonic; in the open row menu the keys 1 and 2 choose them.
bool onMenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const HMENU menu = reinterpret_cast<HMENU>(lParam);
  const WORD key = LOWORD(wParam);
  const UINT command = key == '1' ? CMD_QUICK_INPUT_1 : key == '2' ? CMD_QUICK_INPUT_2 : 0;
  if (command == 0 || menu == nullptr || menu != rowMenu()) return false;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
    if (GetMenuItemID(menu, i) == command) return result = MAKELRESULT(i, MNC_EXECUTE), true;
  return false;
}

void onIdEdited() {
  const PendingIdEdit edit = pendingIdEdit;
  pendingIdEdit = {};
  if (!edit.oldId.empty()) finishIdEdit(shellBoardCommands(), edit.oldId, edit.typed);
}

LRESULT onListNotify(NMHDR* header) {
  switch (header->code) {
    case LVN_COLUMNCLICK: {
      int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
      if (column >= 0 && column < kColumnCount) sortByColumnClick(memberList(), app, column);
      return 0;
    }
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
      answerListTextRequest(header);
      return 0;
    case NM_CUSTOMDRAW:
      return onCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW:
      onBeginLabelEdit();
      return 0;
    case LVN_ENDLABELEDITA: {
      const LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
      onEndLabelEdit(item.iItem, item.pszText != nullptr);
      return FALSE;  // the list view does not set the text itself
    }
    case LVN_ENDLABELEDITW: {
      const LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
      onEndLabelEdit(item.iItem, item.pszText != nullptr);
      return FALSE;
    }
    case NM_DBLCLK:
    case NM_RETURN:  // Enter on the list, as a double click
      onDoubleClick();
      return 0;
    case NM_RCLICK:
      onRightClick(reinterpret_cast<NMITEMACTIVATE*>(header));
      return 0;
    default:
      return 0;
  }
}

}  // namespace wabo
