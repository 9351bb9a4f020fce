// Two copies of this program and an older copy on one board. The older copy
// takes lock.dat by a test and a create a step apart and rewrites the board
// in place, so it can be writing while one of ours holds lock.dat: such a
// board, cut short, must never be what a save of ours starts from; a change
// the older copy has saved must survive our saves that come after it; and
// its lock.dat is never deleted by us.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "board/board_file.h"
#include "board/board_fingerprint.h"
#include "board/board_save.h"
#include "board/member_lookup.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/editing_copy.h"
#include "tests/older_copy.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;

using Copy = EditingCopy;

// The destination of every member in the board file, "ID=word", in file order.
Lines destinations(const std::string& bytes) {
  Lines out;
  for (const std::string& row : fileRows(bytes)) {
    const Lines fields = OlderCopy::split(row);
    out.push_back(fields[0] + "=" + (fields.size() > 3 ? fields[3] : "?"));
  }
  return out;
}

class OlderCopyOnTheBoard : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("boad1.csv"), lock = folder.file("lock.dat");
  Copy a{path}, b{path};
  OlderCopy older{path};

  void SetUp() override {
    setClockForTests(localTime(2024, 5, 6, 9, 0, 0));
    writeFile(path, boardBytes(24085959,
                               {"aoki,1,青木,在席,,,,,,,pc-a", "baba,2,馬場,在席,,,,,,,pc-b",
                                "olds,3,大石,在席,,,,,,,pc-o", "yagi,4,八木,在席,,,,,,,pc-y"},
                               "朝礼"));
    ASSERT_TRUE(a.load());
    ASSERT_TRUE(b.load());
    ASSERT_TRUE(older.load());
    older.setDestination("olds", "外出", "2024/05/06 09:01");
  }
  void TearDown() override {
    setClockForTests(-1);
    setSteadyClockForTests(-1);
  }
};

// The older copy has tested for lock.dat before A took it, and is half way
// through its rewrite while A saves: A sees its own lock held and a board of
// two rows without END.
TEST_F(OlderCopyOnTheBoard, ABoardCutShortByTheOlderCopysWriteIsNoBaseForASave) {
  std::string cut;
  ASSERT_TRUE(older.save(24090100, [&](int line) {
    if (line != 4) return;
    std::remove(lock.c_str());  // as A sees it: A's own create of lock.dat has worked
    cut = readFile(path);
    EXPECT_FALSE(a.setDestination("aoki", "会議"));
    EXPECT_EQ(readFile(path), cut) << "nothing written over the cut board";
    EXPECT_FALSE(exists(lock));
  }));
  EXPECT_EQ(a.ui.warnings, Lines{msg::kSaveLockedOrMissing});
  EXPECT_EQ(destinations(readFile(path)), (Lines{"aoki=在席", "baba=在席", "olds=外出", "yagi=在席"}));
  // Once it is whole, A's save takes the older copy's change in.
  EXPECT_TRUE(a.setDestination("aoki", "会議"));
  EXPECT_EQ(destinations(readFile(path)), (Lines{"aoki=会議", "baba=在席", "olds=外出", "yagi=在席"}));
}

TEST_F(OlderCopyOnTheBoard, ASaveWaitsAMomentForTheOlderCopyToFinishItsWrite) {
  std::atomic<bool> halfWay{false};
  std::thread writer([&] {
    older.save(24090100, [&](int line) {
      if (line != 4) return;
      std::remove(lock.c_str());
      halfWay = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(120));
    });
  });
  while (!halfWay) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const bool saved = a.setDestination("aoki", "会議");
  writer.join();
  EXPECT_TRUE(saved);
  EXPECT_TRUE(a.ui.warnings.empty()) << a.ui.warnings[0];
  EXPECT_EQ(destinations(readFile(path)), (Lines{"aoki=会議", "baba=在席", "olds=外出", "yagi=在席"}));
  EXPECT_NE(readFile(path).find("\r\nEND,\r\n朝礼\r\n"), std::string::npos);
}

// A copy that loaded the board while the older copy was writing it shows
// two rows; the older copy never finishes (it stopped). A save over that
// cut board is refused until this copy has seen it unchanged for two
// seconds of its own; then it is taken as it is.
TEST_F(OlderCopyOnTheBoard, ABoardLeftCutIsTakenAsItIsOnlyOnceItHasStayedSoForTwoSeconds) {
  std::string cut;
  try {
  older.save(24090100, [&](int line) {
    if (line != 4) return;
    cut = readFile(path);
    std::remove(lock.c_str());
    ASSERT_TRUE(b.load());
    ASSERT_EQ(b.list.rowCount(), 2);
    setSteadyClockForTests(5000000);
    EXPECT_FALSE(b.setDestination("aoki", "会議"));
    setSteadyClockForTests(5001999);
    EXPECT_FALSE(b.setDestination("aoki", "会議"));
    EXPECT_EQ(readFile(path), cut);
    EXPECT_EQ(b.ui.warnings, (Lines{msg::kSaveLockedOrMissing, msg::kSaveLockedOrMissing}));
    setSteadyClockForTests(5002000);
    EXPECT_TRUE(b.setDestination("aoki", "会議"));
    EXPECT_EQ(destinations(readFile(path)), (Lines{"aoki=会議", "baba=在席"}));
    EXPECT_NE(readFile(path).find("\r\nEND,\r\n"), std::string::npos) << "written whole";
    throw 0;  // the older copy stops here
  });
  } catch (int) {
  }
  EXPECT_EQ(b.ui.warnings.size(), 2u);
}

// Saves taking turns: the older copy saves its row from what it read, then
// A and B, which have not looked since, save theirs. No save of ours undoes
// the older copy's, and the older copy's empty lock.dat, there while it
// writes, is never deleted by a save of ours.
TEST_F(OlderCopyOnTheBoard, SavesAfterTheOlderCopysKeepItsChangeAndLeaveItsLock) {
  for (int round = 0; round < 10; ++round) {
    const std::string word = "外出" + std::to_string(round);
    ASSERT_TRUE(older.load());
    older.setDestination("olds", word, "2024/05/06 09:01");
    ASSERT_TRUE(older.save(24090100 + round, [&](int line) {
      if (line != 3 || round % 3 != 0) return;
      // Mid-write, under its own lock: both of ours are refused and the lock stays.
      EXPECT_FALSE(a.setDestination("aoki", "x"));
      EXPECT_FALSE(b.setDestination("baba", "x"));
      EXPECT_TRUE(exists(lock));
      EXPECT_EQ(readFile(lock), "");
    }));
    ASSERT_TRUE(a.setDestination("aoki", "会議" + std::to_string(round)));
    ASSERT_TRUE(b.setDestination("baba", "来客" + std::to_string(round)));
    EXPECT_EQ(destinations(readFile(path)), (Lines{"aoki=会議" + std::to_string(round),
                                                   "baba=来客" + std::to_string(round), "olds=" + word, "yagi=在席"}));
  }
  EXPECT_FALSE(exists(lock));
}

}  // namespace

namespace {

bool wholeBoard(const std::string& path, const std::string& bytes) {
  writeFile(path, bytes);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  bool whole = true;
  const FileFingerprint print = fingerprintOfFile(file, &whole);
  std::fclose(file);
  EXPECT_EQ(print, fingerprintOf(bytes));
  return whole;
}

// Whole: an END line at a line start and the message line after it, each
// ended, wherever the reads of the file happen to split them.
TEST(BoardEnd, AWholeBoardEndsWithItsEndLineAndMessageLineEvenAcrossReadChunks) {
  TempFolder folder;
  const std::string path = folder.file("boad1.csv");
  const std::string head = "W2,24090000,\r\n" + kDefaultCaptionLine;
  for (std::size_t filler : {0u, 16384u - 40u, 16384u - 37u, 16384u - 33u}) {
    SCOPED_TRACE(filler);
    const std::string rows = head + "aoki,1," + std::string(filler, 'x') + ",,,,,,,,pc\r\n";
    EXPECT_TRUE(wholeBoard(path, rows + "END,\r\n朝礼\r\n"));
    EXPECT_TRUE(wholeBoard(path, rows + "END,\r\n\r\n"));
    EXPECT_TRUE(wholeBoard(path, rows + "END,extra\r\nmsg\r\nmore"));
    EXPECT_FALSE(wholeBoard(path, rows));
    EXPECT_FALSE(wholeBoard(path, rows + "END,"));
    EXPECT_FALSE(wholeBoard(path, rows + "END,\r\n朝礼"));
    EXPECT_FALSE(wholeBoard(path, rows + "xEND,\r\n朝礼\r\n"));
    EXPECT_FALSE(wholeBoard(path, rows + "EN"));
  }
  EXPECT_FALSE(wholeBoard(path, ""));
}

}  // namespace
