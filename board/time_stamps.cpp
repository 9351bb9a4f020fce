// The time texts and the board stamp, all from the program's one clock.
#include <cstdlib>
#include <ctime>

#include "board/board_save.h"
#include "common/clock.h"

namespace wabo {

static std::string format(const std::tm& tm, const char* pattern) {
  char buffer[64];
  std::size_t n = std::strftime(buffer, sizeof buffer, pattern, &tm);
  return std::string(buffer, n);
}

void stampTimes(TimeTexts& times) {
  std::tm now = localTime(clockNow());
  times.writeTimeText = format(now, "%Y/%m/%d %H:%M");
  times.updateTimeText = format(now, "%H:%M:%S 更新");
}

void stampCheckTime(TimeTexts& times) { times.updateTimeText = formatNow("%H:%M:%S 更新."); }

int newBoardStamp(BoardState& board) {
  // Two-digit year, hour, minute, second: at most 99235959, well inside 32 bits.
  board.boardStamp = std::atoi(formatNow("%y%H%M%S").c_str());
  return board.boardStamp;
}

}  // namespace wabo
