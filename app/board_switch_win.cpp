// The ﾎﾞｰﾄﾞ選択 menu, the window title and switching between the five boards.
#include <string>

#include "app/board_menu.h"
#include "app/board_reload.h"
#include "app/list_columns.h"
#include "app/shell_win.h"
#include "board/board_file.h"
#include "common/messages.h"
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

}  // namespace

bool reloadBoard() {
  const bool loaded = loadBoard(memberList(), app);
  showAllMembersMessage();
  return loaded;
}

namespace {

// A reload for a board switch: the new board's columns as stored.
void reloadSwitchedBoard() {
  loadBoard(memberList(), app, ColumnLayout::kFromSettings);
  showAllMembersMessage();
}

}  // namespace

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
  if (board < 1 || board > kBoardCount) return;
  int previous = app.boardIndex() + 1;
  const bool switching = board != previous;
  if (switching && app.main.lastLoadResult != kUnreadable) saveColumnLayout(memberList(), app);

  HMENU menu = boardMenu();
  setBoardItem(menu, previous, nullptr, MFS_ENABLED | MFS_UNCHECKED);
  setBoardItem(menu, board, nullptr, MFS_CHECKED);
  app.local.selectedBoard = board;
  app.board.currentBoardPath = app.shared.boardPaths[board - 1];
  showTitle(board);

  app.main.lastLoadResult = checkBoard(app.board, mainUi());
  if (app.main.lastLoadResult == kUnreadable) {
    memberList().deleteAllRows();
    app.times.updateTimeText.clear();
    app.board.boardStamp = 0;  // the next successful check counts as a change
    app.board.allMembersMessage.clear();
    showAllMembersMessage();
  } else if (switching) {
    reloadSwitchedBoard();
  } else {
    reloadBoard();
  }
  showUpdateTime();
  if (app.main.lastLoadResult == kUnreadable) mainUi().warn(msg::kBoardMissingOrLocked);
  pickUpMailForUser();
}

}  // namespace wabo
