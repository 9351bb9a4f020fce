#include "app/board_reload.h"

#include "app/list_columns.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "board/columns.h"

namespace wabo {

AppState::operator ShownBoard() {
  return {board,
          times,
          edit,
          shared.backupEnabled == 1,
          [this](MemberList& list) { return loadBoard(list, *this, ColumnLayout::kKeepShown, LockHolder::kThisSave); },
          HistoryAuthor{local.userId, main.computerName},
          quickInputSaving};
}

void noteWatchedMembers(AppState& app, const std::vector<MemberRow>& rows) {
  for (ReturnNotice& notice : app.returnWatch.observe(rows, app.board.currentBoardPath))
    app.returnNotices.push_back(std::move(notice));
  app.local.returnWatchIds = app.returnWatch.ids();
}

bool loadBoard(MemberList& list, AppState& app, ColumnLayout layout, LockHolder lock) {
  list.rebuildAppearance();
  BoardFile file;
  if (!readBoardFile(app.board.currentBoardPath, file, lock)) return false;
  BoardState& board = app.board;
  board.boardStamp = file.boardStamp;
  board.columnNames = file.columnNames;

  list.beginBulkUpdate();
  list.deleteAllRows();
  rebuildColumns(list, app, layout);
  // The rows go in already in the board's stored sort: sorting them in the
  // list afterwards would read every text back out of it. Their keys stay
  // the file order.
  const int sortColumn = takeStoredSort(app);
  std::vector<std::string> sortTexts;
  sortTexts.reserve(file.rows.size());
  for (const MemberRow& row : file.rows) sortTexts.push_back(row.texts[sortColumn]);
  int position = 0;
  for (std::size_t ordinal : sortOrder(sortTexts, app.list.sortDescending[sortColumn] != 0)) {
    const MemberRow& row = file.rows[ordinal];
    const int index = list.insertRow(position++, row.texts[kIdColumn], row.iconNumber, static_cast<long>(ordinal));
    for (int column = 1; column < kColumnCount; ++column)
      if (!row.texts[column].empty()) list.setText(index, column, row.texts[column]);
  }
  noteWatchedMembers(app, file.rows);
  board.allMembersMessage = file.allMembersMessage;
  board.fileSeen = file.fileSeen;
  board.contentSeen = {true, std::move(file.rows), std::move(file.columnNames), std::move(file.allMembersMessage)};
  list.endBulkUpdate();
  stampTimes(app.times);
  return true;
}

}  // namespace wabo
