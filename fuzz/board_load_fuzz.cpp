// The board file reader: any bytes as a board file. The change check and the
// loader must agree, every text must fit its buffer, and what the program
// writes back must read back to the same bytes.
#include <cstdint>
#include <cstring>

#include "app/list_columns.h"
#include "board/board_bytes.h"
#include "board/board_file.h"
#include "board/board_fingerprint.h"
#include "common/limits.h"
#include "fuzz/fuzz_support.h"
#include "tests/fake_member_list.h"
#include "tests/fake_ui.h"

using namespace wabo;
using wabo::fuzz::fitsBuffer;
using wabo::testing::FakeMemberList;
using wabo::testing::RecordingUi;

namespace {

std::size_t bufferOfColumn(int column) { return column >= 5 && column <= 8 ? kLongTextBytes : kShortTextBytes; }

void requireLoadedBoardFits(const FakeMemberList& list, const BoardState& board) {
  FUZZ_REQUIRE(list.rowCount() <= kMaxBoardRows);
  for (int i = 0; i < list.rowCount(); ++i) {
    const auto& row = list.rows[i];
    for (int column = 0; column < kColumnCount; ++column) FUZZ_REQUIRE(fitsBuffer(row.texts[column], bufferOfColumn(column)));
    FUZZ_REQUIRE(row.image >= 0 && row.image < kMemberIconCount);
    FUZZ_REQUIRE(row.texts[0] != "END");
  }
  // Row keys are the rows' ordinals in the file, whatever the sort did.
  std::vector<bool> seen(list.rowCount());
  for (int i = 0; i < list.rowCount(); ++i) {
    const long key = list.key(i);
    FUZZ_REQUIRE(key >= 0 && key < list.rowCount() && !seen[key]);
    seen[key] = true;
  }
  for (const std::string& name : board.columnNames) FUZZ_REQUIRE(fitsBuffer(name, kShortTextBytes));
  FUZZ_REQUIRE(fitsBuffer(board.allMembersMessage, kPathBytes));
}

// The fingerprint of the file at `path`, and whether it ends as a whole
// board; the end scan leaves the fingerprint as it is without it.
bool endsWhole(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  FUZZ_REQUIRE(file != nullptr);
  bool whole = true;
  const FileFingerprint scanned = fingerprintOfFile(file, &whole);
  const FileFingerprint plain = fingerprintOfFile(file);
  std::fclose(file);
  FUZZ_REQUIRE(scanned == plain && scanned.known);
  return whole;
}

struct Loaded {
  AppState app;
  FakeMemberList list;
  RecordingUi ui;
  explicit Loaded(const std::string& path, std::int32_t stamp) {
    app.board.currentBoardPath = path;
    app.board.boardStamp = stamp;
    createColumns(list, app);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& scratch = fuzz::Scratch::instance();
  const std::string path = scratch.write("boad1.csv", data, size);

  // A stamp the file is unlikely to hold, so a readable file reads as changed.
  const std::int32_t heldStamp = -7;
  const bool inputWhole = endsWhole(path);
  // Bytes without a line feed cannot end with two whole lines.
  if (std::memchr(data, '\n', size) == nullptr) FUZZ_REQUIRE(!inputWhole);
  Loaded first(path, heldStamp);
  const int check = checkBoard(first.app.board, first.ui);
  FUZZ_REQUIRE(check == kChanged || check == kUnreadable || check == kUnchanged);
  const bool loaded = loadBoard(first.list, first.app);
  // What the check refuses the loader refuses, and the other way round.
  FUZZ_REQUIRE(loaded == (check != kUnreadable));
  // Only a wrong format mark is told to the user, once.
  const bool wrongMark = size < 2 || data[0] != 'W' || data[1] != '2';
  FUZZ_REQUIRE(first.ui.warnings.size() == (wrongMark ? 1u : 0u));
  if (!loaded) {
    FUZZ_REQUIRE(first.list.rowCount() == 0 && first.app.board.boardStamp == heldStamp);
    return 0;
  }
  FUZZ_REQUIRE((check == kUnchanged) == (first.app.board.boardStamp == heldStamp));
  requireLoadedBoardFits(first.list, first.app.board);
  // After a load the file is unchanged for the check.
  FUZZ_REQUIRE(checkBoard(first.app.board, first.ui) == kUnchanged);

  // Save, load, save: the same bytes, the same board.
  const std::int32_t stamp = first.app.board.boardStamp;
  const std::string saved = boardFileBytes(first.list, first.app.board, stamp);
  const std::string savedPath = scratch.write("boad2.csv", saved);
  // A board this program writes is never taken for one cut short.
  FUZZ_REQUIRE(endsWhole(savedPath));
  Loaded second(savedPath, stamp);
  FUZZ_REQUIRE(checkBoard(second.app.board, second.ui) == kUnchanged);
  FUZZ_REQUIRE(loadBoard(second.list, second.app));
  // (A text may differ: the writer turns a line feed that a reader took
  // into a field into a blank. The bytes written must not.)
  FUZZ_REQUIRE(second.list.rowCount() == first.list.rowCount());
  FUZZ_REQUIRE(boardFileBytes(second.list, second.app.board, stamp) == saved);
  return 0;
}
