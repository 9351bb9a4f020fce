// The change check alone, as every timer tick runs it: any bytes as a board
// file, any stamp held. It answers 0, 1 or 2, tells only of a wrong format
// mark, tells changed from unchanged by the stamp alone, and looks at
// nothing behind the head line. (The lock file is the unit tests' business:
// a check that meets one waits for it.)
#include <cstdint>
#include <cstring>

#include "board/board_file.h"
#include "fuzz/fuzz_support.h"
#include "tests/fake_ui.h"

using namespace wabo;

namespace {

// No stamp this program writes is longer than this head line.
constexpr std::size_t kHeadLineBytes = 64;

int check(const std::string& path, std::int32_t held, std::size_t& warnings) {
  BoardState board;
  board.currentBoardPath = path;
  board.boardStamp = held;
  testing::RecordingUi ui;
  const int result = checkBoard(board, ui);
  warnings = ui.warnings.size();
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first four bytes choose the stamp held; the rest is the file.
  if (size < 4) return 0;
  std::int32_t held;
  std::memcpy(&held, data, sizeof held);
  data += 4, size -= 4;
  auto& scratch = fuzz::Scratch::instance();
  const std::string path = scratch.write("boad1.csv", data, size);

  std::size_t warnings = 0;
  const int result = check(path, held, warnings);
  FUZZ_REQUIRE(result == kUnchanged || result == kChanged || result == kUnreadable);
  const bool wrongMark = size < 2 || data[0] != 'W' || data[1] != '2';
  FUZZ_REQUIRE(wrongMark == (warnings == 1));
  FUZZ_REQUIRE(warnings <= 1);
  if (wrongMark) FUZZ_REQUIRE(result == kUnreadable);

  // Another held stamp: unchanged turns into changed, the rest stays.
  const std::int32_t other = held == INT32_MAX ? held - 1 : held + 1;
  const int second = check(path, other, warnings);
  if (result == kUnchanged) {
    FUZZ_REQUIRE(second == kChanged);
  } else if (result == kUnreadable) {
    FUZZ_REQUIRE(second == kUnreadable);
  }

  // The bytes behind the head line do not count.
  if (size > kHeadLineBytes) {
    const std::string head = scratch.write("head.csv", data, kHeadLineBytes);
    FUZZ_REQUIRE(check(head, held, warnings) == result);
  }

  return 0;
}
