// The tick of timer 1, the 更新 command and the folder watch's woken check over a real board file, with a
// fixed clock, scripted dialogs, and a timer, mail pickup and search start that only log what they were asked.
#include "app/refresh_cycle.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/board_reload.h"
#include "app/board_watch.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Log = std::vector<std::string>;
const Log kRows = {"A01,3,青木,会議室,15:00,2026/03/04 08:00,,,,,pc-a", "B02,5,馬場,出社,,,,,,,pc-b"};

class RefreshCycle : public ::testing::Test, protected CommandFixture, RefreshTimer, RefreshHooks {
 protected:
  bool searchStarts = true;
  RefreshContext refresh{ctx, *this, *this};
  ProgramUnderWatch program{refresh, [] { return false; }};

  void start(std::uint32_t ms) override { log.push_back("start " + std::to_string(ms)); }
  void stop() override { log.push_back("stop"); }
  void pickUpMail() override { log.push_back("mail"); }
  bool startPcSearch() override { return log.push_back("search"), searchStarts; }

  // As after window creation: the board loaded; one text shown differs from the file.
  void SetUp() override {
    setClockForTests(localTime(2026, 3, 4, 9, 5, 7));
    writeBoard(boardBytes(100, kRows, "msg"));
    ASSERT_TRUE(loadBoard(list, app));
    list.rows[1].texts[2] = "shown, not in the file";
    app.times.updateTimeText = "earlier";
  }
  void TearDown() override { setClockForTests(-1); }
  // The tick; returns the last thing it did.
  std::string tick(int autoUpdate = 1, const std::string& minutes = "10") {
    app.local.autoUpdateEnabled = autoUpdate, app.local.autoUpdateMinutesText = minutes;
    log.clear();
    runRefreshTick(refresh);
    return log.back();
  }
  WatchOutcome wake(unsigned work) { return log.clear(), runWokenCheck(work, program); }
  bool reloaded() const { return list.rows[1].texts[2] != "shown, not in the file"; }
};

// The woken check stays silent (the next tick tells) and leaves the list.
TEST_F(RefreshCycle, ALockedOrForeignBoardKeepsTheListTheTickWarnsTheWatchDoesNot) {
  const std::function<void()> states[] = {
      [&] { lock(), writeBoard(boardBytes(107, {kRows[0]}, "changed under the lock")); },
      [&] { std::filesystem::remove(folder.file("lock.dat")), writeBoard("W1,123,\r\nold format\r\n"); }};
  for (const auto& state : states) {
    state();
    ui.warnings.clear();
    app.main.lastLoadResult = kChanged;
    EXPECT_TRUE(wake(kBoardWork).boardUnreadable);
    EXPECT_TRUE(log.empty() && ui.warnings.empty());
    EXPECT_EQ(app.main.lastLoadResult, kChanged);
    EXPECT_EQ(tick(1, "5"), "start 300000");
    EXPECT_EQ(ui.warnings.back(), msg::kBoardMissingOrLocked);
    EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  }
  EXPECT_FALSE(reloaded());
  EXPECT_EQ(app.times.updateTimeText, "earlier");
}

// A share that is gone for a while: the first tick that finds the board
// missing says so; the ticks after it, while it stays missing, say nothing
// more (an unattended PC does not pile up boxes, each of which would hold
// its timer). Once the board is read again, the next outage is told again.
TEST_F(RefreshCycle, ABoardThatStaysMissingIsToldAtTheFirstTickOnly) {
  const std::string bytes = readFile(folder.file("boad1.csv"));
  std::filesystem::remove(folder.file("boad1.csv"));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(tick(), "start 600000");
  EXPECT_EQ(ui.warnings, Log{msg::kBoardMissingOrLocked});
  EXPECT_TRUE(wake(kBoardWork).boardUnreadable);
  EXPECT_EQ(ui.warnings.size(), 1u);
  writeBoard(bytes);
  tick();
  EXPECT_EQ(app.main.lastLoadResult, kUnchanged);
  std::filesystem::remove(folder.file("boad1.csv"));
  tick();
  tick();
  EXPECT_EQ(ui.warnings, (Log{msg::kBoardMissingOrLocked, msg::kBoardMissingOrLocked}));
  // 更新 is asked for: it always answers.
  ui.warnings.clear();
  runManualRefresh(refresh);
  EXPECT_EQ(ui.warnings, Log{msg::kBoardMissingOrLocked});
}

TEST(AutoUpdatePeriod, MinutesTextBecomesMillisecondsHeldToWhatATimerTakes) {
  EXPECT_EQ(autoUpdatePeriod("15min"), 900000u);  // leading digits, like atoi
  // A period the dialog never accepts must not make the timer fire without pause.
  for (const char* text : {"0", "abc", "-5"}) EXPECT_EQ(autoUpdatePeriod(text), 60000u) << text;
  for (const char* text : {"35791", "35792", "99999999999999999999"})
    EXPECT_EQ(autoUpdatePeriod(text), 35791u * 60000u) << text;
}

// Asked at the first tick only, and only when Wabo.ini wants it. An ID not on
// the board is warned and the tick goes on; the edit buffers of a dialog open
// under the tick stay as they were.
TEST_F(RefreshCycle, UserIdPromptOnlyAtTheFirstTickLeavesAnOpenDialogsBuffers) {
  app.edit.editRowIndex = 7;
  app.shared.askUserIdAtStart = 1, app.main.firstTick = 1;
  dialogs.on[IDD_USER_ID] = [&] { return log.push_back("dialog"), app.edit.enteredUserId = "X99", 0; };
  tick(0);
  EXPECT_EQ(log, (Log{"stop", "dialog", "mail", "show 09:05:07 更新."}));
  EXPECT_EQ(ui.warnings, Log{msg::kOwnIdNotFound});
  EXPECT_EQ(app.local.userId + std::to_string(app.main.firstTick) + std::to_string(app.edit.editRowIndex), "07");
  tick(0);  // still no ID, but no longer the first tick
  EXPECT_EQ(count("dialog"), 0);
  app.main.firstTick = 1, app.shared.askUserIdAtStart = 2;  // only 1 asks
  tick(0);
  EXPECT_EQ(count("dialog"), 0);
}

TEST_F(RefreshCycle, AutomaticSearchNeverRunsTwiceAtOnce) {
  app.local.autoPcSearch = 1;
  tick();  // the first tick never searches
  EXPECT_EQ(tick(), "search") << "started after the timer is re-armed";
  EXPECT_EQ(tick(), "start 600000") << "the previous search still runs";
  endPcSearch(app.main);
  searchStarts = false;
  EXPECT_EQ(tick(), "search");
  EXPECT_EQ(tick(), "search") << "a start that failed leaves no search to wait for";
  EXPECT_NE(tick(0), "search");  // both auto update and the setting are needed
}

// 更新 that read nothing (a lock between its check and its load) warns
// instead of reporting new information; only a tick ends the first tick.
TEST_F(RefreshCycle, ALockBetweenTheCheckAndTheLoadIsNoSuccess) {
  app.main.firstTick = 1;
  writeBoard(boardBytes(101, {kRows[1]}, "msg"));
  view.beforeReload = [&] { lock(); };
  runManualRefresh(refresh);
  EXPECT_TRUE(ui.informations.empty());
  EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(app.main.firstTick, 1);
  // The woken check counts it as unreadable, and waits for the lock to go.
  std::filesystem::remove(folder.file("lock.dat"));
  EXPECT_TRUE(wake(kBoardWork).boardUnreadable);
  EXPECT_EQ(log, Log{"reload"});
  EXPECT_EQ(list.ids(), (Log{"A01", "B02"})) << "the list stays as it was";
  EXPECT_EQ(ui.warnings, Log{msg::kBoardMissingOrLocked});
}

TEST_F(RefreshCycle, WokenCheckReloadsAChangedBoardWhenNotBusyAndLeavesAnUnchangedOneAlone) {
  // Our own save wakes us too: nothing may move then, not even the time.
  EXPECT_FALSE(wake(kBoardWork).boardUnreadable);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(app.times.updateTimeText, "earlier");
  writeBoard(boardBytes(101, {kRows[1], "C03,0,千葉,外出,,,,,,,"}, "new"));
  app.mail.pickupRunning = true;  // a dialog or a pickup still open: nothing runs
  EXPECT_TRUE(wake(kBoardWork | kMailWork).busy);
  EXPECT_TRUE(log.empty());
  app.mail.pickupRunning = false;
  EXPECT_FALSE(wake(kMailWork).boardUnreadable);  // mail alone leaves the board
  EXPECT_EQ(log, Log{"mail"});
  const WatchOutcome o = wake(kBoardWork | kMailWork);
  EXPECT_FALSE(o.busy || o.boardUnreadable);
  EXPECT_EQ(log, (Log{"mail", "reload", "show 09:05:07 更新"}));  // no full stop
  EXPECT_EQ(list.ids(), (Log{"B02", "C03"}));
}

TEST_F(RefreshCycle, WatchPlanFollowsAutoUpdateTheBoardShownTheMailFolderAndTheUser) {
  app.local.autoUpdateEnabled = 1, app.shared.mailFolder = folder.path(), app.local.userId = "B02";
  EXPECT_EQ(planWatch(watchInputs(app)).folders,
            (std::vector<WatchedFolder>{{folder.path() + "/", "boad1.csv", "B02"}}));
}

}  // namespace
