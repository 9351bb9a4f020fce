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

bool writeBoardFromDisplay(MemberList& list, const ShownBoard& shown, const std::string& chosenFilePath) {
  if (holdsEndId(list)) return false;
  return writeNewBoard(shown.board, chosenFilePath,
                       [&](int stamp) { return boardFileBytes(list, shown.board, stamp); });
}

bool writeEmptyBoard(const ShownBoard& shown, const std::string& chosenFilePath) {
  return writeNewBoard(shown.board, chosenFilePath, [&](int stamp) { return emptyBoardBytes(shown.board, stamp); });
}

}  // namespace wabo
