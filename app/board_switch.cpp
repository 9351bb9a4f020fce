#include "app/board_switch.h"

#include "app/board_reload.h"
#include "app/list_columns.h"
#include "board/board_file.h"
#include "common/messages.h"

namespace wabo {

bool runBoardSwitch(MemberList& list, AppState& app, Ui& ui, BoardSwitchView& view, int board) {
  if (board < 1 || board > kBoardCount) return false;
  const int previous = app.boardIndex() + 1;
  const bool switching = board != previous;
  if (switching && app.main.lastLoadResult != kUnreadable) saveColumnLayout(list, app);

  app.local.selectedBoard = board;
  app.board.currentBoardPath = app.shared.boardPaths[board - 1];
  view.showBoardChoice(previous, board);

  app.main.lastLoadResult = checkBoard(app.board, ui);
  const bool unreadable = app.main.lastLoadResult == kUnreadable;
  if (unreadable) {
    list.deleteAllRows();
    app.times.updateTimeText.clear();
    app.board.boardStamp = 0;
    app.board.allMembersMessage.clear();
  } else {
    loadBoard(list, app, switching ? ColumnLayout::kFromSettings : ColumnLayout::kKeepShown);
  }
  view.showAllMembersMessage();
  view.showUpdateTime();
  if (unreadable) ui.warn(msg::kBoardMissingOrLocked);
  view.pickUpMail();
  return true;
}

}  // namespace wabo
