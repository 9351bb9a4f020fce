// Two copies of the program on one board file: a save that meets another
// copy's save makes its change again on the other's rows, stamps never
// repeat, and a lock held for the time of a save is waited for.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "board/board_file.h"
#include "board/board_save.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "common/platform_file_faults.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;

struct Copy {
  AppState app;
  FakeMemberList list;
  RecordingUi ui;

  explicit Copy(const std::string& path) {
    app.board.currentBoardPath = path;
    createColumns(list, app);
  }
  bool load() { return loadBoard(list, app); }
  void setOwnDestination(const std::string& id, const std::string& word) {
    EditBuffers& e = app.edit;
    e.editRowIndex = list.findId(id);
    e.clearRowTexts();
    e.editId = id;
    e.editName = list.text(e.editRowIndex, 1, 30);
    e.editDestination = word;
  }
};

const Lines kRows = {"aoki,1,青木,在席,,,,,,,pc-a", "baba,2,馬場,在席,,,,,,,pc-b", "chiba,3,千葉,在席,,,,,,,pc-c"};

class TwoCopies : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("boad1.csv");
  Copy a{path}, b{path};

  void SetUp() override {
    setClockForTests(localTime(2024, 5, 6, 9, 0, 0));
    writeFile(path, boardBytes(24085959, kRows, "朝礼"));
    ASSERT_TRUE(a.load());
    ASSERT_TRUE(b.load());
  }
  void TearDown() override { setClockForTests(-1); }

  // What a third copy that loads the file now sees.
  Copy fresh() {
    Copy c(path);
    EXPECT_TRUE(c.load());
    return c;
  }
  static std::string text(const Copy& c, const std::string& id, int column) {
    int row = c.list.findId(id);
    return row < 0 ? "<gone>" : c.list.text(row, column, 100);
  }
  // B saves its own destination while A's change waits between its check
  // and its save.
  void bSaves(const std::string& word) {
    b.setOwnDestination("baba", word);
    ASSERT_TRUE(applyEditedRow(b.list, b.app, b.ui));
  }
};

TEST_F(TwoCopies, EveryKindOfChangeIsMadeAgainOverTheOtherCopysSave) {
  struct Case {
    const char* what;
    std::function<bool(Copy&)> change;
    std::function<void(const Copy&)> expect;
  };
  const std::vector<Case> cases = {
      {"destination",
       [](Copy& c) {
         c.setOwnDestination("aoki", "外出");
         return applyEditedRow(c.list, c.app, c.ui);
       },
       [](const Copy& c) { EXPECT_EQ(text(c, "aoki", 2), "外出"); }},
      {"icon",
       [](Copy& c) {
         c.app.edit.iconDialogId = "AOKI", c.app.edit.editIconNumberText = "42";
         return applyIconNumber(c.list, c.app, c.ui);
       },
       [](const Copy& c) { EXPECT_EQ(c.list.image(c.list.findId("aoki")), 42); }},
      {"pc name",
       [](Copy& c) {
         c.app.edit.editId = "aoki", c.app.edit.editPcName = "10.0.0.9";
         return applyPcName(c.list, c.app, c.ui);
       },
       [](const Copy& c) { EXPECT_EQ(text(c, "aoki", 9), "10.0.0.9"); }},
      {"message", [](Copy& c) { return applyAllMembersMessage(c.list, c.app, c.ui, "新しい連絡"); },
       [](const Copy& c) { EXPECT_EQ(c.app.board.allMembersMessage, "新しい連絡"); }},
      {"add",
       [](Copy& c) {
         c.app.edit.clearRowTexts();
         c.app.edit.editRowIndex = -1, c.app.edit.editId = "dan", c.app.edit.editName = "段";
         return applyEditedRow(c.list, c.app, c.ui);
       },
       [](const Copy& c) {
         EXPECT_EQ(text(c, "dan", 1), "段");
         EXPECT_EQ(c.list.rowCount(), 4);
       }},
      {"delete",
       [](Copy& c) {
         c.app.edit.deleteId = "chiba";
         return deleteMember(c.list, c.app, c.ui);
       },
       [](const Copy& c) {
         EXPECT_EQ(c.list.findId("chiba"), -1);
         EXPECT_EQ(c.list.keys(), (std::vector<long>{0, 1}));
       }},
      {"id edit", [](Copy& c) { return renameMember(c.list, c.app, c.ui, "aoki", "AOKI2"); },
       [](const Copy& c) {
         EXPECT_EQ(text(c, "AOKI2", 1), "青木");
         EXPECT_EQ(c.list.findId("aoki"), -1);
       }},
  };
  int second = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(path, boardBytes(24085959, kRows, "朝礼"));
    ASSERT_TRUE(a.load());
    ASSERT_TRUE(b.load());
    // A has checked (unchanged); B saves in the same second; then A saves.
    ASSERT_EQ(checkBoard(a.app.board, a.ui), kUnchanged);
    setClockForTests(localTime(2024, 5, 6, 9, 0, second++));
    bSaves(std::string("戻り") + c.what);
    ASSERT_TRUE(c.change(a)) << (a.ui.warnings.empty() ? "" : a.ui.warnings[0]);
    EXPECT_TRUE(a.ui.warnings.empty());
    Copy third = fresh();
    c.expect(third);
    c.expect(a);  // A shows what it wrote
    EXPECT_EQ(text(third, "baba", 2), std::string("戻り") + c.what) << "B's change was lost";
    EXPECT_NE(a.app.board.boardStamp, b.app.board.boardStamp);
    EXPECT_EQ(checkBoard(a.app.board, a.ui), kUnchanged);
    EXPECT_EQ(checkBoard(b.app.board, b.ui), kChanged) << "B would not see A's change";
  }
}

TEST_F(TwoCopies, AChangeWhoseRowTheOtherCopyRemovedIsRefusedAndNothingIsWritten) {
  b.app.edit.deleteId = "aoki";
  ASSERT_TRUE(deleteMember(b.list, b.app, b.ui));
  const std::string afterB = readFile(path);
  const std::vector<std::pair<const char*, std::function<bool()>>> changes = {
      {msg::kIdNotFound, [&] {
         a.setOwnDestination("aoki", "外出");
         return applyEditedRow(a.list, a.app, a.ui);
       }},
      {msg::kIdNotFound, [&] {
         a.app.edit.iconDialogId = "aoki", a.app.edit.editIconNumberText = "5";
         return applyIconNumber(a.list, a.app, a.ui);
       }},
      {msg::kDeleteIdNotFound, [&] {
         a.app.edit.deleteId = "aoki";
         return deleteMember(a.list, a.app, a.ui);
       }},
      {msg::kIdNotFound, [&] { return renameMember(a.list, a.app, a.ui, "aoki", "x"); }},
  };
  for (const auto& [warning, change] : changes) {
    a.ui.warnings.clear();
    ASSERT_TRUE(a.load());
    writeFile(path, afterB);
    // A still shows aoki, as it did before B's save reached it.
    a.list.addRow({"aoki", "青木"});
    a.app.board.fileSeen.known = false;
    EXPECT_FALSE(change());
    EXPECT_EQ(a.ui.warnings, Lines{warning});
    EXPECT_EQ(readFile(path), afterB);
    EXPECT_FALSE(exists(folder.file("lock.dat")));
    EXPECT_EQ(a.list.findId("aoki"), -1) << "A shows the board as B left it";
  }
  // Both copies add the same new member: the second is told it is taken.
  for (Copy* c : {&b, &a}) {
    c->app.edit.clearRowTexts();
    c->app.edit.editRowIndex = -1, c->app.edit.editId = "dan";
  }
  ASSERT_TRUE(b.load());
  ASSERT_TRUE(applyEditedRow(b.list, b.app, b.ui));
  a.ui.warnings.clear();
  EXPECT_FALSE(applyEditedRow(a.list, a.app, a.ui));
  EXPECT_EQ(a.ui.warnings, Lines{msg::kDuplicateId});
  EXPECT_EQ(fileRows(readFile(path)).size(), 3u);
}

TEST_F(TwoCopies, SavesWithinOneSecondStillChangeTheStamp) {
  Copy c = fresh();  // a third copy that only looks
  for (int i = 0; i < 5; ++i) {
    Copy& saver = i % 2 ? b : a;
    ASSERT_TRUE(saver.load());
    saver.setOwnDestination(i % 2 ? "baba" : "aoki", "会議" + std::to_string(i));
    ASSERT_TRUE(applyEditedRow(saver.list, saver.app, saver.ui));
    EXPECT_EQ(checkBoard(c.app.board, c.ui), kChanged) << "save " << i << " unseen";
    ASSERT_TRUE(c.load());
    EXPECT_EQ(text(c, i % 2 ? "baba" : "aoki", 2), "会議" + std::to_string(i));
  }
  // The clock never moved: each save took the second after the one before,
  // and they are still times of day.
  EXPECT_EQ(c.app.board.boardStamp, 24090004);
}

TEST(BoardStamp, NeverTheFileStampNorBehindOneThatRanAheadOfTheClock) {
  struct Case {
    int hour, minute, second;
    std::int32_t file, expected;
  };
  const Case cases[] = {
      {9, 0, 0, 24090000, 24090001},   // same second: the next one
      {9, 0, 0, 24090010, 24090011},   // ran ahead by ten seconds: follow on
      {23, 59, 59, 24235959, 24000000},  // the next second of the day
      {9, 0, 0, 24085959, 24090000},   // behind the clock: the clock
      {9, 0, 0, 24110000, 24090000},   // two hours ahead: another PC's clock, not followed
      {9, 0, 0, 23090000, 24090000},   // another year
      {9, 0, 0, 24096100, 24090000},   // not a time of day
      {9, 0, 0, -5, 24090000},
  };
  for (const Case& c : cases) {
    setClockForTests(localTime(2024, 5, 6, c.hour, c.minute, c.second));
    BoardState board;
    EXPECT_EQ(newBoardStampOver(board, c.file), c.expected) << c.file;
    EXPECT_EQ(board.boardStamp, c.expected);
  }
  setClockForTests(-1);
}

TEST_F(TwoCopies, ALockHeldForTheTimeOfASaveIsWaitedForAndALongerOneRefused) {
  const std::string lock = folder.file("lock.dat");
  auto lockFor = [&](int milliseconds) {
    writeFile(lock, "");
    return std::thread([=] {
      std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
      std::filesystem::remove(lock);
    });
  };
  std::thread holder = lockFor(40);
  EXPECT_EQ(checkBoard(a.app.board, a.ui), kUnchanged);
  holder.join();
  holder = lockFor(40);
  EXPECT_TRUE(a.load());
  holder.join();
  holder = lockFor(40);
  a.setOwnDestination("aoki", "外出");
  EXPECT_TRUE(applyEditedRow(a.list, a.app, a.ui));
  holder.join();
  EXPECT_TRUE(a.ui.warnings.empty());
  EXPECT_EQ(text(fresh(), "aoki", 2), "外出");

  // A lock that stays (a copy that stopped while writing) is refused as before.
  writeFile(lock, "");
  const std::string before = readFile(path);
  EXPECT_EQ(checkBoard(a.app.board, a.ui), kUnreadable);
  EXPECT_FALSE(a.load());
  a.setOwnDestination("aoki", "帰宅");
  EXPECT_FALSE(applyEditedRow(a.list, a.app, a.ui));
  EXPECT_EQ(a.ui.warnings, Lines{msg::kSaveLockedOrMissing});
  EXPECT_EQ(readFile(path), before);
  EXPECT_TRUE(exists(lock));
}

TEST_F(TwoCopies, ACopySavingBackToBackLeavesTheOtherCopyItsTurn) {
  // A saves its own row again and again without a pause (quick inputs one
  // after the other) on a share where every write takes a while; B's one
  // save meanwhile must get the lock within its wait, and neither save may
  // undo the other.
  setClockForTests(-1);
  platform::FileFaults slowShare;
  slowShare.writeMilliseconds = 30;
  platform::setFileFaultsForTests(slowShare);
  std::atomic<bool> stop{false};
  int aSaves = 0;
  std::thread hog([&] {
    while (!stop) {
      a.setOwnDestination("aoki", std::to_string(++aSaves));
      if (!applyEditedRow(a.list, a.app, a.ui)) break;
    }
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  b.setOwnDestination("baba", "出社");
  const bool saved = applyEditedRow(b.list, b.app, b.ui);
  // A goes on for a moment over B's save.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  stop = true;
  hog.join();
  platform::setFileFaultsForTests({});
  EXPECT_TRUE(saved);
  EXPECT_TRUE(b.ui.warnings.empty()) << b.ui.warnings[0];
  EXPECT_TRUE(a.ui.warnings.empty()) << a.ui.warnings[0];
  const Copy c = fresh();
  EXPECT_EQ(text(c, "baba", 2), "出社");
  EXPECT_EQ(text(c, "aoki", 2), std::to_string(aSaves));
  EXPECT_FALSE(exists(folder.file("lock.dat")));
}

}  // namespace
