// The ﾎﾞｰﾄﾞ選択 menu, the window title and switching between the five boards.
#include <string>

#include "app/board_menu.h"
#include "app/board_reload.h"
#include "app/board_switch.h"
#include "app/find_box_win.h"
#include "app/shell_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

constexpr char kTitlePrefix[] = "行き先表示ボード Wabo - ";

// The second popup of the menu bar.
HMENU boardMenu() { return GetSubMenu(GetMenu(shell.mainWindow), 1); }

void setBoardItem(HMENU menu, int board, const std::string* text, UINT state) {
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_STATE;
  item.fState = state;
  if (text != nullptr) {
    item.fMask |= MIIM_STRING;
    item.dwTypeData = const_cast<char*>(text->c_str());
  }
  SetMenuItemInfoA(menu, CMD_BOARD_1 + board - 1, FALSE, &item);
}

void showTitle(int board) {
  std::string title = kTitlePrefix + app.shared.boardNames[board - 1];
  SetWindowTextA(shell.mainWindow, title.c_str());
}

class ShellBoardSwitchView : public BoardSwitchView {
 public:
  void showBoardChoice(int previous, int board) override {
    HMENU menu = boardMenu();
    setBoardItem(menu, previous, nullptr, MFS_ENABLED | MFS_UNCHECKED);
    setBoardItem(menu, board, nullptr, MFS_CHECKED);
    showTitle(board);
  }
  void showAllMembersMessage() override { wabo::showAllMembersMessage(); }
  void showUpdateTime() override { wabo::showUpdateTime(); }
  void pickUpMail() override { pickUpMailForUser(); }
};

}  // namespace

bool reloadBoard() {
  const bool loaded = loadBoard(memberList(), app);
  if (loaded) reselectFoundRow();
  showAllMembersMessage();
  return loaded;
}

void refreshBoardMenu(bool copyBoardPath) {
  HMENU menu = boardMenu();
  int selected = app.boardIndex() + 1;
  const auto items = boardMenuItems(app.shared, selected);
  for (int board = 1; board <= kBoardCount; ++board) {
    const BoardMenuItem& item = items[board - 1];
    UINT state = (item.grayed ? MFS_GRAYED : MFS_ENABLED) | (item.checked ? MFS_CHECKED : MFS_UNCHECKED);
    if (board == selected) {
      showTitle(board);
      if (copyBoardPath) app.board.currentBoardPath = app.shared.boardPaths[board - 1];
    }
    setBoardItem(menu, board, &item.text, state);
  }
}

void switchBoard(int board) {
  static ShellBoardSwitchView view;
  runBoardSwitch(memberList(), app, mainUi(), view, board);
}

}  // namespace wabo
