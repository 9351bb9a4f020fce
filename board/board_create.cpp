// New board files at a path picked in the board settings. No lock and no
// backup; the shown board and its stamp stay as they are. The file is
// written beside its place and then moved there, so that a board that
// already lies at that path is never left half written.
#include "board/board_bytes.h"
#include "board/board_save.h"
#include "common/checked_file.h"

namespace wabo {

namespace {

template <typename MakeBytes>
bool writeNewBoard(BoardState& board, const std::string& chosenFilePath, MakeBytes makeBytes) {
  const std::int32_t shownStamp = board.boardStamp;
  const int stamp = newBoardStamp(board);
  board.boardStamp = shownStamp;
  if (chosenFilePath.empty()) return false;
  return writeFileReplacing(chosenFilePath, chosenFilePath + ".new", makeBytes(stamp));
}

}  // namespace

bool writeBoardFromDisplay(MemberList& list, AppState& app, const std::string& chosenFilePath) {
  if (holdsEndId(list)) return false;
  return writeNewBoard(app.board, chosenFilePath,
                       [&](int stamp) { return boardFileBytes(list, app.board, stamp); });
}

bool writeEmptyBoard(AppState& app, const std::string& chosenFilePath) {
  return writeNewBoard(app.board, chosenFilePath, [&](int stamp) { return emptyBoardBytes(app.board, stamp); });
}

}  // namespace wabo
