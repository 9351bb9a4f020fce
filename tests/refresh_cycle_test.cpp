// The tick of timer 1 and the 更新 command over a real board file, with a
// fixed clock, scripted dialogs, and a timer, mail pickup and search start
// that only log what they were asked.
#include <gtest/gtest.h>

#include "app/board_reload.h"
#include "app/refresh_cycle.h"
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

  void start(std::uint32_t ms) override { log.push_back("start " + std::to_string(ms)); }
  void stop() override { log.push_back("stop"); }
  void pickUpMail() override { log.push_back("mail"); }
  bool startPcSearch() override { return log.push_back("search"), searchStarts; }

  // As after window creation: the board loaded, every row marked by a search.
  void SetUp() override {
    setClockForTests(localTime(2026, 3, 4, 9, 5, 7));
    writeBoard(boardBytes(100, kRows, "msg"));
    ASSERT_TRUE(loadBoard(list, app));
    for (FakeRow& row : list.rows) row.mark = 2;
    list.rows[1].texts[2] = "shown, not in the file";
    app.times.updateTimeText = "earlier";
  }
  void TearDown() override { setClockForTests(-1); }
  void tick(int autoUpdate = 1, const std::string& minutes = "10") {
    app.local.autoUpdateEnabled = autoUpdate;
    app.local.autoUpdateMinutesText = minutes;
    log.clear();
    runRefreshTick(refresh);
  }
  bool reloaded() const { return list.rows[1].texts[2] != "shown, not in the file"; }
};

TEST_F(RefreshCycle, TickOutcomesReArmTheTimerOnlyWithAutoUpdateOn) {
  tick(1, "1");  // unchanged: rows and marks stay, the time gets a full stop
  EXPECT_EQ(app.main.lastLoadResult, kUnchanged);
  EXPECT_FALSE(reloaded());
  EXPECT_EQ(list.rows[0].mark, 2);
  EXPECT_EQ(log, (Log{"stop", "mail", "show 09:05:07 更新.", "start 60000"}));
  writeBoard(boardBytes(101, {kRows[0], kRows[1], "C03,0,千葉,,,,,,,,"}, "new"));
  tick(1, "10");  // changed: a reload, which clears the marks
  EXPECT_EQ(app.main.lastLoadResult, kChanged);
  EXPECT_EQ(list.rowCount(), 3);
  EXPECT_EQ(list.rows[0].mark, 0);
  EXPECT_EQ(log, (Log{"stop", "mail", "reload", "show 09:05:07 更新", "start 600000"}));
  tick(0);  // auto update off: the timer stays stopped
  EXPECT_EQ(log, (Log{"stop", "mail", "show 09:05:07 更新."}));
  tick(1, "999");
  EXPECT_EQ(log.back(), "start 59940000");
  EXPECT_TRUE(ui.warnings.empty() && ui.informations.empty());
}

TEST_F(RefreshCycle, TickOnALockedMissingOrForeignBoardWarnsKeepsTheListAndGoesOn) {
  lock();
  writeBoard(boardBytes(107, {kRows[0]}, "changed under the lock"));
  tick(1, "5");
  EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(ui.warnings, Log{msg::kBoardMissingOrLocked});
  EXPECT_FALSE(reloaded());
  EXPECT_EQ(log, (Log{"stop", "mail", "show earlier", "start 300000"}));
  std::filesystem::remove(folder.file("lock.dat"));
  writeBoard("W1,123,\r\nold format\r\n");
  tick();
  EXPECT_EQ(ui.warnings, (Log{msg::kBoardMissingOrLocked, msg::kBadFormat, msg::kBoardMissingOrLocked}));
  std::filesystem::remove(boardPath());
  tick();
  EXPECT_EQ(ui.warnings.size(), 4u);
  EXPECT_EQ(list.rowCount(), 2);
  writeBoard(boardBytes(107, {kRows[0]}, "back"));  // the next tick sees the new stamp
  setClockForTests(localTime(2026, 3, 4, 23, 59, 58));
  tick();
  EXPECT_EQ(list.ids(), Log{"A01"});
  EXPECT_EQ(app.times.updateTimeText, "23:59:58 更新");
}

TEST(AutoUpdatePeriod, MinutesTextBecomesMillisecondsHeldToWhatATimerTakes) {
  EXPECT_EQ(autoUpdatePeriod("15min"), 900000u);  // leading digits, like atoi
  // A period the dialog never accepts must not make the timer fire without pause.
  for (const char* text : {"0", "", "abc", "-5"}) EXPECT_EQ(autoUpdatePeriod(text), 60000u) << text;
  for (const char* text : {"35791", "35792", "99999999999999999999"})
    EXPECT_EQ(autoUpdatePeriod(text), 35791u * 60000u) << text;
}

TEST_F(RefreshCycle, UserIdPromptOnlyAtTheFirstTickWhenWantedAndNoIdIsSet) {
  dialogs.on[IDD_USER_ID] = [] { return 1; };
  struct Case {
    int ask;
    const char* userId;
    int firstTick;
    bool prompts;
  } cases[] = {{1, "", 1, true},     {0, "", 1, false}, {2, "", 1, false},
               {1, "B02", 1, false}, {1, "", 0, false}, {1, "ZZZ", 1, false}};  // an ID not on the board is an ID
  for (const Case& c : cases) {
    dialogs.opened.clear();
    app.shared.askUserIdAtStart = c.ask;
    app.local.userId = c.userId;
    app.main.firstTick = c.firstTick;
    tick();
    EXPECT_EQ(dialogs.opened.size(), c.prompts ? 1u : 0u) << c.ask << " '" << c.userId << "' " << c.firstTick;
    EXPECT_EQ(app.main.firstTick, 0);
  }
}

TEST_F(RefreshCycle, StartUpPromptTakesAnIdOnTheBoardAndWarnsOtherwise) {
  app.shared.askUserIdAtStart = 1;
  app.edit.editRowIndex = 7;  // a command's dialog may be open under the tick
  std::string typed = "b02";
  dialogs.on[IDD_USER_ID] = [&] {
    log.push_back("dialog");
    app.edit.enteredUserId = typed;
    return 0;
  };
  tick(0);
  EXPECT_EQ(app.local.userId, "b02");
  EXPECT_EQ(app.edit.editRowIndex, 7);
  EXPECT_EQ(log, (Log{"stop", "dialog", "mail", "show 09:05:07 更新."}));
  app.local.userId.clear();
  app.main.firstTick = 1;
  typed = "X99";
  tick(0);  // warned; the user ID stays empty and the tick goes on
  EXPECT_EQ(app.local.userId, "");
  EXPECT_EQ(ui.warnings, Log{msg::kOwnIdNotFound});
  EXPECT_EQ(log.back(), "show 09:05:07 更新.");
}

TEST_F(RefreshCycle, AutomaticSearchStartsFromTheSecondTickAndNeverTwiceAtOnce) {
  app.local.autoPcSearch = 1;
  tick();
  EXPECT_EQ(log.back(), "start 600000") << "the first tick never searches";
  tick();
  EXPECT_EQ(log.back(), "search") << "started after the timer is re-armed";
  tick();
  EXPECT_EQ(log.back(), "start 600000") << "the previous search still runs";
  endPcSearch(app.main);
  searchStarts = false;
  tick();
  EXPECT_EQ(log.back(), "search");
  EXPECT_EQ(app.main.pcSearchRunning, 0) << "a start that failed leaves no search to wait for";
  tick(0);  // both auto update and the setting are needed
  app.local.autoPcSearch = 0;
  tick();
  EXPECT_EQ(count("search"), 0);
}

TEST_F(RefreshCycle, ManualRefreshReloadsEvenAnUnchangedBoardAndLeavesTheTimerAlone) {
  app.main.firstTick = 1;
  runManualRefresh(refresh);
  EXPECT_EQ(ui.informations, Log{msg::kRefreshedNothingNew});
  EXPECT_TRUE(reloaded());
  EXPECT_EQ(list.rows[0].mark, 0);
  EXPECT_EQ(log, (Log{"reload", "show 09:05:07 更新", "mail"}));
  EXPECT_EQ(app.main.firstTick, 1) << "only a tick ends the first tick";
  writeBoard(boardBytes(101, {kRows[1]}, "msg"));
  runManualRefresh(refresh);
  EXPECT_EQ(ui.informations, (Log{msg::kRefreshedNothingNew, msg::kRefreshedNew}));
  EXPECT_EQ(list.ids(), Log{"B02"});
  log.clear();
  lock();
  runManualRefresh(refresh);
  EXPECT_EQ(ui.warnings, Log{msg::kBoardMissingOrLocked});
  EXPECT_EQ(log, (Log{"show 09:05:07 更新", "mail"}));
}

// The lock comes between the check and the load: nothing was read, so 更新
// warns as for an unreadable board instead of reporting new information.
TEST_F(RefreshCycle, ManualRefreshThatCouldNotReadWarnsInsteadOfReportingSuccess) {
  writeBoard(boardBytes(101, {kRows[1]}, "msg"));
  view.beforeReload = [&] { lock(); };
  runManualRefresh(refresh);
  EXPECT_TRUE(ui.informations.empty());
  EXPECT_EQ(ui.warnings, Log{msg::kBoardMissingOrLocked});
  EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(list.ids(), (Log{"A01", "B02"})) << "the list stays as it was";
}

}  // namespace
