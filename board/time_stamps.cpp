// The time texts and the board stamp, all from the program's one clock.
#include <cstdlib>
#include <ctime>

#include "board/board_save.h"
#include "common/clock.h"

namespace wabo {

namespace {

constexpr int kDaySeconds = 24 * 3600;
// How far a stamp may run ahead of the clock and still be followed on.
constexpr int kFollowSeconds = 3600;

// A stamp "%y%H%M%S" as year and second of the day; false for a value that
// no clock makes.
bool splitStamp(std::int32_t stamp, int& year, int& second) {
  if (stamp < 0) return false;
  year = stamp / 1000000;
  const int hour = stamp / 10000 % 100, minute = stamp / 100 % 100, sec = stamp % 100;
  if (year > 99 || hour > 23 || minute > 59 || sec > 59) return false;
  second = hour * 3600 + minute * 60 + sec;
  return true;
}

std::int32_t joinStamp(int year, int second) {
  return year * 1000000 + second / 3600 * 10000 + second / 60 % 60 * 100 + second % 60;
}

}  // namespace

void stampTimes(TimeTexts& times) {
  std::tm now = localTime(clockNow());
  times.writeTimeText = formatTime(now, "%Y/%m/%d %H:%M");
  times.updateTimeText = formatTime(now, "%H:%M:%S 更新");
}

void stampCheckTime(TimeTexts& times) { times.updateTimeText = formatNow("%H:%M:%S 更新."); }

int newBoardStamp(BoardState& board) {
  // Two-digit year, hour, minute, second: at most 99235959, well inside 32 bits.
  board.boardStamp = std::atoi(formatNow("%y%H%M%S").c_str());
  return board.boardStamp;
}

int newBoardStampOver(BoardState& board, std::int32_t fileStamp) {
  const std::int32_t clock = newBoardStamp(board);
  int clockYear = 0, clockSecond = 0, fileYear = 0, fileSecond = 0;
  if (!splitStamp(clock, clockYear, clockSecond) || !splitStamp(fileStamp, fileYear, fileSecond)) return clock;
  // Saves of a busy second step the stamp on by one second each; later
  // saves of that minute follow on from there, so that no stamp comes back
  // while a copy that has not looked since may still hold it.
  const int ahead = ((fileSecond - clockSecond) % kDaySeconds + kDaySeconds) % kDaySeconds;
  if (fileYear == clockYear && ahead < kFollowSeconds) {
    board.boardStamp = joinStamp(fileYear, (fileSecond + 1) % kDaySeconds);
  }
  return board.boardStamp;
}

}  // namespace wabo
