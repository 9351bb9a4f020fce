// Notifications of the member list: sorting by a header click, the colours
// of the PC search marks, the in-place ID edit, double and right clicks.
#include "app/list_columns.h"
#include "app/shell_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

// The longest ID the in-place edit takes.
constexpr int kLabelEditBytes = 64;

LRESULT onCustomDraw(NMLVCUSTOMDRAW* draw) {
  if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
    auto state = static_cast<UINT>(
        SendMessageA(shell.memberListView, LVM_GETITEMSTATE, draw->nmcd.dwItemSpec, LVIS_STATEIMAGEMASK));
    int mark = static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12);
    if (mark == 2) draw->clrTextBk = static_cast<COLORREF>(app.local.connectedColour);
    if (mark == 1) draw->clrTextBk = static_cast<COLORREF>(app.local.notConnectedColour);
  }
  return CDRF_DODEFAULT;
}

void onBeginLabelEdit() {
  shell.labelEditControl = reinterpret_cast<HWND>(SendMessageA(shell.memberListView, LVM_GETEDITCONTROL, 0, 0));
}

// The typed ID becomes the row's item text, confirmed or cancelled alike.
// Nothing is written to the board file.
void onEndLabelEdit(int row) {
  char text[kLabelEditBytes] = {};
  if (shell.labelEditControl != nullptr) GetWindowTextA(shell.labelEditControl, text, kLabelEditBytes);
  shell.labelEditControl = nullptr;
  if (row >= 0) memberList().setText(row, 0, text);
}

void onDoubleClick() {
  if (memberList().firstSelected() >= 0) onCommand(CMD_DESTINATION_SELECTED);
}

void onRightClick(const NMITEMACTIVATE* click) {
  POINT point = click->ptAction;  // list-view client coordinates
  ClientToScreen(shell.mainWindow, &point);
  TrackPopupMenu(GetSubMenu(shell.rowPopupMenu, 0), 0, point.x, point.y, 0, shell.mainWindow, nullptr);
}

}  // namespace

LRESULT onListNotify(NMHDR* header) {
  switch (header->code) {
    case LVN_COLUMNCLICK: {
      int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
      if (column >= 0 && column < kColumnCount) sortByColumnClick(memberList(), app, column);
      return 0;
    }
    case NM_CUSTOMDRAW:
      return onCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
    case LVN_BEGINLABELEDITA:
    case LVN_BEGINLABELEDITW:
      onBeginLabelEdit();
      return 0;
    case LVN_ENDLABELEDITA:
      onEndLabelEdit(reinterpret_cast<NMLVDISPINFOA*>(header)->item.iItem);
      return 0;
    case LVN_ENDLABELEDITW:
      onEndLabelEdit(reinterpret_cast<NMLVDISPINFOW*>(header)->item.iItem);
      return 0;
    case NM_DBLCLK:
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
