// A woken check over a real board file: the tick's look at the board, but
// silent when the board cannot be read, and nothing visible when nothing
// changed; what the watch is planned from.
#include <gtest/gtest.h>

#include "app/board_watch.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Log = std::vector<std::string>;
const Log kRows = {"A01,3,青木,会議室,15:00,2026/03/04 08:00,,,,,pc-a", "B02,5,馬場,出社,,,,,,,pc-b"};

class BoardWatch : public ::testing::Test, protected CommandFixture, RefreshTimer, RefreshHooks {
 protected:
  bool windowBusy = false;
  RefreshContext refresh{ctx, *this, *this};
  ProgramUnderWatch program{refresh, [this] { return windowBusy; }};

  void start(std::uint32_t ms) override { log.push_back("timer " + std::to_string(ms)); }
  void stop() override { log.push_back("timer stop"); }
  void pickUpMail() override { log.push_back("mail"); }
  bool startPcSearch() override { return log.push_back("search"), false; }

  // As after a tick: the board loaded, rows marked by a search, the time of the last look shown.
  void SetUp() override {
    setClockForTests(localTime(2026, 3, 4, 9, 5, 7));
    writeBoard(boardBytes(100, kRows, "msg"));
    ASSERT_TRUE(loadBoard(list, app));
    for (FakeRow& row : list.rows) row.mark = 2;
    app.times.updateTimeText = "09:00:00 更新.";
    app.main.lastLoadResult = kUnchanged;
    setClockForTests(localTime(2026, 3, 4, 9, 6, 30));
  }
  void TearDown() override { setClockForTests(-1); }
  WatchOutcome wake(unsigned work) {
    log.clear();
    return runWokenCheck(work, program);
  }
};

TEST_F(BoardWatch, AChangedBoardIsReloadedWithTheTimeAndNoFullStop) {
  writeBoard(boardBytes(101, {kRows[1], "C03,0,千葉,外出,,,,,,,"}, "new"));
  WatchOutcome o = wake(kBoardWork | kMailWork);
  EXPECT_FALSE(o.busy || o.boardUnreadable);
  EXPECT_EQ(log, (Log{"mail", "reload", "show 09:06:30 更新"}));
  EXPECT_EQ(app.board.allMembersMessage, "new");
  EXPECT_EQ(list.ids(), (Log{"B02", "C03"}));
  EXPECT_EQ(app.main.lastLoadResult, kChanged);
  EXPECT_EQ(list.rows[0].mark, 0);
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(BoardWatch, AnUnchangedBoardShowsNothingNotEvenTheTimeOfTheLook) {
  // Our own save wakes us too: nothing may move then.
  WatchOutcome o = wake(kBoardWork);
  EXPECT_FALSE(o.busy || o.boardUnreadable);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(app.times.updateTimeText, "09:00:00 更新.");
  EXPECT_EQ(list.rows[1].mark, 2);
  EXPECT_EQ(app.main.lastLoadResult, kUnchanged);
}

TEST_F(BoardWatch, ALockedMissingOrForeignBoardIsToldToNobody) {
  app.main.lastLoadResult = kChanged;
  lock();
  writeBoard(boardBytes(102, {kRows[0]}, "under the lock"));
  EXPECT_TRUE(wake(kBoardWork).boardUnreadable);
  std::filesystem::remove(folder.file("lock.dat"));
  writeBoard("W1,123,\r\nold format\r\n");  // the tick would say so first
  EXPECT_TRUE(wake(kBoardWork).boardUnreadable);
  std::filesystem::remove(boardPath());
  EXPECT_TRUE(wake(kBoardWork).boardUnreadable);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(list.rowCount(), 2);  // the list keeps what it showed
  EXPECT_EQ(app.main.lastLoadResult, kChanged);
  EXPECT_EQ(app.times.updateTimeText, "09:00:00 更新.");
  // Back, changed: the next woken look reloads it.
  writeBoard(boardBytes(103, {kRows[0]}, "back"));
  EXPECT_FALSE(wake(kBoardWork).boardUnreadable);
  EXPECT_EQ(list.ids(), Log{"A01"});
}

TEST_F(BoardWatch, ALockThatComesBetweenTheLookAndTheLoadCountsAsUnreadable) {
  writeBoard(boardBytes(104, {kRows[0]}, "changed"));
  view.beforeReload = [this] { lock(); };
  WatchOutcome o = wake(kBoardWork);
  EXPECT_TRUE(o.boardUnreadable);
  EXPECT_EQ(log, Log{"reload"});
  EXPECT_EQ(list.rowCount(), 2);
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(BoardWatch, NothingRunsWhileTheWindowOrAPickupIsBusy) {
  writeBoard(boardBytes(105, {kRows[0]}, "changed"));
  windowBusy = true;
  EXPECT_TRUE(wake(kBoardWork | kMailWork).busy);
  windowBusy = false;
  app.mail.pickupRunning = true;
  EXPECT_TRUE(wake(kBoardWork | kMailWork).busy);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(list.rowCount(), 2);
  app.mail.pickupRunning = false;
  EXPECT_FALSE(wake(kBoardWork).busy);
  EXPECT_EQ(list.ids(), Log{"A01"});
}

TEST_F(BoardWatch, ThePlanFollowsAutoUpdateTheBoardShownTheMailFolderAndTheUser) {
  app.local.autoUpdateEnabled = 1;
  app.shared.mailFolder = folder.path();
  app.local.userId = "B02";
  WatchPlan plan = planWatch(watchInputs(app));
  ASSERT_EQ(plan.folders.size(), 1u);
  EXPECT_EQ(plan.folders[0].path, folder.path() + "/");
  EXPECT_EQ(plan.folders[0].mailId, "B02");
  EXPECT_FALSE(plan.folders[0].boardFileName.empty());
  app.local.autoUpdateEnabled = 0;
  EXPECT_TRUE(planWatch(watchInputs(app)).folders.empty());
}

}  // namespace
