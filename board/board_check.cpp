// The change test: cheap enough for every timer tick. It opens the board
// file once and reads no more than its head line.
#include <cstdio>

#include "board/board_file.h"
#include "board/board_head_line.h"
#include "board/lock_wait.h"
#include "common/messages.h"

namespace wabo {

CheckResult checkBoard(const BoardState& board, Ui& ui) {
  if (!lockGoneSoon(lockFilePath(board.currentBoardPath))) return kUnreadable;
  std::FILE* file = std::fopen(board.currentBoardPath.c_str(), "rb");
  if (!file) return kUnreadable;
  // The first read takes no more than "W2," and an eight-digit stamp with
  // its comma: the stamps this program writes end there, and nothing behind
  // the head line is needed.
  char buffer[12];
  std::setvbuf(file, buffer, _IOFBF, sizeof buffer);

  BoardByteReader reader(file);
  std::int32_t stamp = 0;
  FieldEnd stampEnd;
  HeadLine head = readHeadLine(reader, stamp, stampEnd);
  std::fclose(file);

  if (head == HeadLine::kWrongMark) {
    ui.warn(msg::kBadFormat);
    return kUnreadable;
  }
  if (head == HeadLine::kBadStamp) return kUnreadable;
  return stamp == board.boardStamp ? kUnchanged : kChanged;
}

}  // namespace wabo
