#include "app/find_box_win.h"

#include <string>

#include "app/shell_win.h"
#include "board/columns.h"
#include "board/member_find.h"
#include "board/member_lookup.h"
#include "common/messages.h"
#include "common/modeless_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

constexpr std::size_t kFindTextBytes = kShortTextBytes;

// Selects row `row` alone, with the focus mark, and scrolls it into view.
void selectRow(int row) {
  HWND list = shell.memberListView;
  LVITEMA clear = {};
  clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  LVITEMA mark = clear;
  mark.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&mark));
  SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

// Below the main window's right end, where it hides no row; moved up into
// the screen when there is no room below.
void placeBelowMainWindow(HWND box) {
  RECT main = {}, own = {};
  GetWindowRect(shell.mainWindow, &main);
  GetWindowRect(box, &own);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(shell.mainWindow, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const int width = own.right - own.left, height = own.bottom - own.top;
  int x = main.right - width, y = main.bottom;
  if (x + width > work.right) x = work.right - width;
  if (x < work.left) x = work.left;
  if (y + height > work.bottom) y = work.bottom - height;
  if (y < work.top) y = work.top;
  SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

class FindBox : public ModelessWindow {
 public:
  std::string foundId;  // the ID of the row found last; "" for none

  void selectText() { SendMessageA(item(IDC_FIND_TEXT), EM_SETSEL, 0, -1); }

 protected:
  bool onInit() override {
    placeBelowMainWindow(window());
    SendMessageA(item(IDC_FIND_TEXT), EM_LIMITTEXT, kFindTextBytes - 2, 0);
    SetFocus(item(IDC_FIND_TEXT));
    return false;
  }
  bool onCommand(int control, int code) override {
    if (control == IDC_FIND_TEXT && code == EN_CHANGE) find(-1, FindDirection::kForward);
    else if (control == IDC_FIND_NEXT || control == IDOK) findFromSelection(FindDirection::kForward);
    else if (control == IDC_FIND_PREVIOUS) findFromSelection(FindDirection::kBackward);
    else return false;
    return true;
  }
  // F3 and Shift+F3 wherever the focus is in the box.
  bool onKey(const MSG& message) override {
    if (message.message != WM_KEYDOWN || message.wParam != VK_F3) return false;
    findFromSelection(GetKeyState(VK_SHIFT) < 0 ? FindDirection::kBackward : FindDirection::kForward);
    return true;
  }

 private:
  std::string typed() const {
    char text[kFindTextBytes] = {};
    GetDlgItemTextA(window(), IDC_FIND_TEXT, text, static_cast<int>(sizeof text));
    return text;
  }
  void findFromSelection(FindDirection direction) { find(memberList().firstSelected(), direction); }
  void find(int from, FindDirection direction) {
    MemberList& list = memberList();
    const std::string text = typed();
    const int row = findMatchingRow(list, text, from, direction);
    SetDlgItemTextA(window(), IDC_FIND_NOTE, row < 0 && !text.empty() ? msg::kFindNoMatch : "");
    if (row < 0) return;
    selectRow(row);
    foundId = cellText(list, row, kIdColumn);
  }
};

FindBox findBox;

}  // namespace

void openFindBox() {
  if (findBox.isOpen()) {
    findBox.open(IDD_FIND, shell.mainWindow);  // to the front
    SetFocus(GetDlgItem(findBox.window(), IDC_FIND_TEXT));
    findBox.selectText();
    return;
  }
  findBox.foundId.clear();
  findBox.open(IDD_FIND, shell.mainWindow);
}

void reselectFoundRow() {
  if (!findBox.isOpen() || findBox.foundId.empty()) return;
  const int row = findMember(memberList(), findBox.foundId);
  if (row >= 0) selectRow(row);
}

}  // namespace wabo
