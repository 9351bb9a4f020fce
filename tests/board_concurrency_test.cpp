// Two copies of the program on one board file: changes to rows the other
// copy removed, stamps that never repeat, and locks held for a save.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "board/board_file.h"
#include "board/board_save.h"
#include "board/member_lookup.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "common/platform_file_faults.h"
#include "tests/fake_ui.h"
#include "tests/editing_copy.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;

using Copy = EditingCopy;

class TwoCopies : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("boad1.csv");
  Copy a{path}, b{path};

  void SetUp() override {
    setClockForTests(localTime(2024, 5, 6, 9, 0, 0));
    writeFile(path, boardBytes(24085959, {"aoki,1,青木,在席,,,,,,,pc-a", "baba,2,馬場,在席,,,,,,,pc-b"}, "朝礼"));
    ASSERT_TRUE(a.load());
    ASSERT_TRUE(b.load());
  }
  void TearDown() override {
    platform::setFileFaultsForTests({});
    setClockForTests(-1);
  }
  // What a third copy that loads the file now sees.
  Copy fresh() {
    Copy c(path);
    EXPECT_TRUE(c.load());
    return c;
  }
};

TEST_F(TwoCopies, AChangeWhoseRowTheOtherCopyRemovedIsRefusedAndNothingIsWritten) {
  b.app.edit.deleteId = "aoki";
  ASSERT_TRUE(deleteMember(b.list, b.app, b.ui));
  const std::string afterB = readFile(path);
  EditBuffers& e = a.app.edit;
  const std::vector<std::pair<const char*, std::function<bool()>>> changes = {
      {msg::kIdNotFound, [&] { return a.setDestination("aoki", "外出"); }},
      {msg::kIdNotFound,
       [&] { return e.iconDialogId = "aoki", e.editIconNumberText = "5", applyIconNumber(a.list, a.app, a.ui); }},
      {msg::kIdNotFound, [&] { return e.editId = "aoki", e.editPcName = "pc", applyPcName(a.list, a.app, a.ui); }},
      {msg::kDeleteIdNotFound, [&] { return e.deleteId = "aoki", deleteMember(a.list, a.app, a.ui); }},
      {msg::kIdNotFound, [&] { return renameMember(a.list, a.app, a.ui, "aoki", "x"); }},
  };
  for (const auto& [warning, change] : changes) {
    SCOPED_TRACE(warning);
    a.ui.warnings.clear();
    ASSERT_TRUE(a.load());
    a.list.addRow({"aoki", "青木"});  // A still shows aoki, as before B's save reached it
    a.app.board.fileSeen.known = false;
    EXPECT_FALSE(change());
    EXPECT_EQ(a.ui.warnings, Lines{warning});
    EXPECT_EQ(readFile(path), afterB);
    EXPECT_FALSE(exists(folder.file("lock.dat")));
    EXPECT_EQ(a.list.findId("aoki"), -1) << "A shows the board as B left it";
  }
  // Both copies add the same new member: the second is told it is taken.
  for (Copy* c : {&b, &a}) c->app.edit.clearRowTexts(), c->app.edit.editRowIndex = -1, c->app.edit.editId = "dan";
  ASSERT_TRUE(applyEditedRow(b.list, b.app, b.ui));
  a.ui.warnings.clear();
  EXPECT_FALSE(applyEditedRow(a.list, a.app, a.ui));
  EXPECT_EQ(a.ui.warnings, Lines{msg::kDuplicateId});
  EXPECT_EQ(fileRows(readFile(path)).size(), 2u);
}

// The clock never moves: each save takes the second after the one before and
// a third copy sees every one.
TEST_F(TwoCopies, SavesWithinOneSecondStillChangeTheStamp) {
  Copy c = fresh();
  for (int i = 0; i < 5; ++i) {
    Copy& saver = i % 2 ? b : a;
    const std::string id = i % 2 ? "baba" : "aoki", word = "会議" + std::to_string(i);
    ASSERT_TRUE(saver.load());
    ASSERT_TRUE(saver.setDestination(id, word));
    EXPECT_EQ(checkBoard(c.app.board, c.ui), kChanged) << "save " << i << " unseen";
    ASSERT_TRUE(c.load());
    EXPECT_EQ(c.destination(id), word);
  }
  EXPECT_EQ(c.app.board.boardStamp, 24090004);
}

TEST(BoardStamp, NeverTheFileStampNorBehindOneThatRanAheadOfTheClock) {
  const struct {
    int time;  // hhmmss
    std::int32_t file, expected;
  } cases[] = {
      {90000, 24090000, 24090001},   // same second: the next one
      {90000, 24090010, 24090011},   // ran ahead by ten seconds: follow on
      {235959, 24235959, 24000000},  // the next second of the day
      {90000, 24085959, 24090000},   // behind the clock: the clock
      {90000, 24110000, 24090000},   // two hours ahead: another PC's clock, not followed
      {90000, 23090000, 24090000},   // another year
      {90000, -5, 24090000},         // not a stamp
  };
  for (const auto& [time, file, expected] : cases) {
    setClockForTests(localTime(2024, 5, 6, time / 10000, time / 100 % 100, time % 100));
    BoardState board;
    EXPECT_EQ(newBoardStampOver(board, file), expected) << file;
    EXPECT_EQ(board.boardStamp, expected);
  }
  setClockForTests(-1);
}

TEST_F(TwoCopies, ALockHeldForTheTimeOfASaveIsWaitedForAndALongerOneRefused) {
  const std::string lock = folder.file("lock.dat");
  const std::vector<std::function<bool()>> steps = {[&] { return checkBoard(a.app.board, a.ui) == kUnchanged; },
                                                    [&] { return a.load(); },
                                                    [&] { return a.setDestination("aoki", "外出"); }};
  for (const auto& step : steps) {
    writeFile(lock, "");
    std::thread holder([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
      std::filesystem::remove(lock);
    });
    EXPECT_TRUE(step());
    holder.join();
  }
  EXPECT_TRUE(a.ui.warnings.empty());
  EXPECT_EQ(fresh().destination("aoki"), "外出");
  // A lock that stays (a copy that stopped while writing) is refused.
  writeFile(lock, "");
  const std::string before = readFile(path);
  EXPECT_EQ(checkBoard(a.app.board, a.ui), kUnreadable);
  EXPECT_FALSE(a.load());
  EXPECT_FALSE(a.setDestination("aoki", "帰宅"));
  EXPECT_EQ(a.ui.warnings, Lines{msg::kSaveLockedOrMissing});
  EXPECT_EQ(readFile(path), before);
  EXPECT_TRUE(exists(lock));
}

// A saves its own row again and again (quick inputs one after the other) on
// a share where every write takes a while; B's one save meanwhile must get
// the lock within its wait, and neither save may undo the other.
TEST_F(TwoCopies, ACopySavingBackToBackLeavesTheOtherCopyItsTurn) {
  setClockForTests(-1);
  platform::FileFaults slowShare;
  slowShare.writeMilliseconds = 30;
  platform::setFileFaultsForTests(slowShare);
  std::atomic<bool> stop{false};
  int aSaves = 0;
  std::thread hog([&] {
    while (!stop && a.setDestination("aoki", std::to_string(++aSaves))) {
    }
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const bool saved = b.setDestination("baba", "出社");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));  // A goes on over B's save
  stop = true;
  hog.join();
  platform::setFileFaultsForTests({});
  EXPECT_TRUE(saved);
  EXPECT_TRUE(b.ui.warnings.empty()) << b.ui.warnings[0];
  EXPECT_TRUE(a.ui.warnings.empty()) << a.ui.warnings[0];
  const Copy c = fresh();
  EXPECT_EQ(c.destination("baba"), "出社");
  EXPECT_EQ(c.destination("aoki"), std::to_string(aSaves));
  EXPECT_FALSE(exists(folder.file("lock.dat")));
}

}  // namespace
