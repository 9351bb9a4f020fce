#include "app/board_reload.h"

#include "app/list_columns.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "board/columns.h"

namespace wabo {

AppState::operator ShownBoard() {
  return {board, times, edit, shared.backupEnabled == 1, [this](MemberList& list) {
            return loadBoard(list, *this, ColumnLayout::kKeepShown, LockHolder::kThisSave);
          }};
}

bool loadBoard(MemberList& list, AppState& app, ColumnLayout layout, LockHolder lock) {
  list.rebuildAppearance();
  BoardFile file;
  if (!readBoardFile(app.board.currentBoardPath, file, lock)) return false;
  BoardState& board = app.board;
  board.boardStamp = file.boardStamp;
  board.columnNames = std::move(file.columnNames);

  list.beginBulkUpdate();
  list.deleteAllRows();
  rebuildColumns(list, app, layout);
  int ordinal = 0;
  for (const MemberRow& row : file.rows) {
    const int index = list.insertRow(ordinal, row.texts[kIdColumn], row.iconNumber, ordinal);
    for (int column = 1; column < kColumnCount; ++column)
      if (!row.texts[column].empty()) list.setText(index, column, row.texts[column]);
    ++ordinal;
  }
  board.allMembersMessage = std::move(file.allMembersMessage);
  board.fileSeen = file.fileSeen;
  sortAfterLoad(list, app);
  list.endBulkUpdate();
  stampTimes(app.times);
  return true;
}

}  // namespace wabo
