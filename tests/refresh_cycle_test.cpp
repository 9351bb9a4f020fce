// The tick of timer 1 and the 更新 command over a real board file in a
// temporary folder, with a fixed clock, scripted dialogs and a timer, mail
// pickup and search start that only record what they were asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <deque>
#include <string>
#include <vector>

#include "app/refresh_cycle.h"
#include "board/board_file.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/board_test_support.h"
#include "tests/fake_ui.h"

namespace wabo {
namespace {

using testing::BoardFixture;
using testing::RecordingUi;

// What the cycle did, in order, as short words: "stop", "start <ms>",
// "dialog 298", "mail", "reload", "show <updateTimeText>", "search".
using EventLog = std::vector<std::string>;

class ScriptedDialogs : public BoardDialogs {
 public:
  ScriptedDialogs(AppState& app, EventLog& log) : app_(app), log_(log) {}
  // Each user ID dialog takes the next answer: the typed ID, or cancel.
  struct Answer {
    bool ok;
    std::string typed;
  };
  std::deque<Answer> userIdAnswers;
  int otherDialogs = 0;

  int userIdDialog() override {
    log_.push_back("dialog 298");
    if (userIdAnswers.empty()) return 1;
    Answer a = userIdAnswers.front();
    userIdAnswers.pop_front();
    if (!a.ok) return 1;
    app_.edit.enteredUserId = a.typed;
    return 0;
  }
  int destinationDialog() override { return other(); }
  int iconDialog() override { return other(); }
  int messageDialog() override { return other(); }
  int deleteIdDialog() override { return other(); }
  int targetIdDialog() override { return other(); }
  int pcNameDialog() override { return other(); }

 private:
  int other() {
    ++otherDialogs;
    return 1;
  }
  AppState& app_;
  EventLog& log_;
};

class RecordingView : public MainView {
 public:
  RecordingView(MemberList& list, AppState& app, EventLog& log) : list_(list), app_(app), log_(log) {}
  void showUpdateTime() override { log_.push_back("show " + app_.times.updateTimeText); }
  void showAllMembersMessage() override {}
  void reloadBoard() override {
    log_.push_back("reload");
    loadBoard(list_, app_);
  }

 private:
  MemberList& list_;
  AppState& app_;
  EventLog& log_;
};

class RecordingTimer : public RefreshTimer {
 public:
  explicit RecordingTimer(EventLog& log) : log_(log) {}
  void start(std::uint32_t ms) override { log_.push_back("start " + std::to_string(ms)); }
  void stop() override { log_.push_back("stop"); }

 private:
  EventLog& log_;
};

class RecordingHooks : public RefreshHooks {
 public:
  explicit RecordingHooks(EventLog& log) : log_(log) {}
  bool searchStarts = true;  // what startPcSearch answers
  void pickUpMail() override { log_.push_back("mail"); }
  bool startPcSearch() override {
    log_.push_back("search");
    return searchStarts;
  }

 private:
  EventLog& log_;
};

// 09:05:07 local time on a fixed day, whatever the machine's time zone.
std::time_t localClock(int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = 2026 - 1900;
  tm.tm_mon = 2;
  tm.tm_mday = 4;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

const std::vector<std::string> kRows = {"A01,3,青木,会議室,15:00,2026/03/04 08:00,,,,,pc-a",
                                        "B02,5,馬場,出社,,2026/03/04 08:30,,,,,pc-b"};
constexpr int kStamp = 26080000;

class RefreshCycleTest : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;
  EventLog log;
  ScriptedDialogs dialogs{f.app, log};
  RecordingView view{f.list, f.app, log};
  RecordingTimer timer{log};
  RecordingHooks hooks{log};
  BoardCommandContext board{f.list, f.app, ui, dialogs, view};
  RefreshContext ctx{board, timer, hooks};

  void SetUp() override {
    setClockForTests(localClock(9, 5, 7));
    f.writeBoard(testing::boardBytes(kStamp, kRows, "msg"));
  }
  void TearDown() override { setClockForTests(-1); }

  // The state after window creation: the board loaded, its stamp known.
  void loadAsAtStart() {
    loadBoard(f.list, f.app);
    ASSERT_EQ(f.list.rowCount(), 2);
    ASSERT_EQ(f.app.board.boardStamp, kStamp);
    f.app.times.updateTimeText = "earlier";
  }
  void autoUpdate(int enabled, const std::string& minutes) {
    f.app.local.autoUpdateEnabled = enabled;
    f.app.local.autoUpdateMinutesText = minutes;
  }
  void lockBoard() { testing::writeFile(f.folder.file("lock.dat"), ""); }
  void markAllRows(int mark) {
    for (int r = 0; r < f.list.rowCount(); ++r) f.list.setMark(r, mark);
  }
  std::vector<int> marks() const {
    std::vector<int> m;
    for (int r = 0; r < f.list.rowCount(); ++r) m.push_back(f.list.mark(r));
    return m;
  }
};

// --- The tick's three outcomes -------------------------------------------

TEST_F(RefreshCycleTest, TickOnAChangedBoardReloadsItAndShowsTheTimeWithoutFullStop) {
  loadAsAtStart();
  markAllRows(2);
  f.writeBoard(testing::boardBytes(kStamp + 1, {kRows[0], kRows[1], "C03,0,千葉,,,,,,,,"}, "new message"));
  autoUpdate(1, "10");

  runRefreshTick(ctx);

  EXPECT_EQ(f.app.main.lastLoadResult, kChanged);
  EXPECT_EQ(f.list.rowCount(), 3);
  EXPECT_EQ(f.app.board.allMembersMessage, "new message");
  EXPECT_EQ(marks(), std::vector<int>(3, 0)) << "a reload clears the search marks";
  EXPECT_EQ(f.app.times.updateTimeText, "09:05:07 更新");
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_TRUE(ui.informations.empty()) << "a tick reports a reload only in the status bar";
  EXPECT_EQ(log, (EventLog{"stop", "mail", "reload", "show 09:05:07 更新", "start 600000"}));
}

TEST_F(RefreshCycleTest, TickOnAnUnchangedBoardKeepsTheRowsAndMarksAndAddsTheFullStop) {
  loadAsAtStart();
  markAllRows(1);
  f.list.setMark(0, 2);
  f.list.setText(1, 2, "shown, not in the file");
  autoUpdate(1, "1");

  runRefreshTick(ctx);

  EXPECT_EQ(f.app.main.lastLoadResult, kUnchanged);
  EXPECT_EQ(marks(), (std::vector<int>{2, 1}));
  EXPECT_EQ(f.list.text(1, 2, 100), "shown, not in the file") << "the rows were not reloaded";
  EXPECT_EQ(f.app.times.updateTimeText, "09:05:07 更新.");
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(log, (EventLog{"stop", "mail", "show 09:05:07 更新.", "start 60000"}));
}

TEST_F(RefreshCycleTest, TickOnALockedOrMissingBoardWarnsKeepsTheListAndGoesOn) {
  loadAsAtStart();
  markAllRows(2);
  autoUpdate(1, "5");
  lockBoard();
  f.writeBoard(testing::boardBytes(kStamp + 7, {kRows[0]}, "changed under the lock"));

  runRefreshTick(ctx);

  EXPECT_EQ(f.app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kBoardMissingOrLocked});
  EXPECT_EQ(f.list.rowCount(), 2);
  EXPECT_EQ(marks(), (std::vector<int>{2, 2}));
  EXPECT_EQ(f.app.times.updateTimeText, "earlier") << "the status bar keeps the last look";
  EXPECT_EQ(log, (EventLog{"stop", "mail", "show earlier", "start 300000"})) << "the cycle goes on";

  // The lock is gone and the board missing: the same warning, the same list.
  std::remove(f.folder.file("lock.dat").c_str());
  std::remove(f.boardPath().c_str());
  ui.warnings.clear();
  runRefreshTick(ctx);
  EXPECT_EQ(f.app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kBoardMissingOrLocked});
  EXPECT_EQ(f.list.rowCount(), 2);

  // Back again: the next tick sees the new stamp and reloads.
  f.writeBoard(testing::boardBytes(kStamp + 7, {kRows[0]}, "back"));
  setClockForTests(localClock(23, 59, 58));
  runRefreshTick(ctx);
  EXPECT_EQ(f.app.main.lastLoadResult, kChanged);
  EXPECT_EQ(f.list.ids(), std::vector<std::string>{"A01"});
  EXPECT_EQ(f.app.times.updateTimeText, "23:59:58 更新");
}

TEST_F(RefreshCycleTest, TickOnAFileOfAnotherFormatShowsBothMessages) {
  loadAsAtStart();
  f.writeBoard("W1,123,\r\nold format\r\n");
  autoUpdate(0, "");

  runRefreshTick(ctx);

  EXPECT_EQ(f.app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBadFormat, msg::kBoardMissingOrLocked}));
  EXPECT_EQ(f.list.rowCount(), 2);
}

// --- Re-arming timer 1 -----------------------------------------------------

TEST_F(RefreshCycleTest, TimerIsRearmedForThePeriodOnlyWithAutoUpdateOn) {
  loadAsAtStart();
  autoUpdate(0, "10");
  runRefreshTick(ctx);
  EXPECT_EQ(log, (EventLog{"stop", "mail", "show 09:05:07 更新."})) << "auto update off: the timer stays stopped";
  EXPECT_EQ(f.app.main.firstTick, 0);

  log.clear();
  autoUpdate(1, "999");
  runRefreshTick(ctx);
  EXPECT_EQ(log.back(), "start 59940000");
  EXPECT_EQ(log.front(), "stop");
}

TEST(AutoUpdatePeriodTest, MinutesTextBecomesMillisecondsHeldToWhatATimerTakes) {
  EXPECT_EQ(autoUpdatePeriod("1"), 60000u);
  EXPECT_EQ(autoUpdatePeriod("10"), 600000u);
  EXPECT_EQ(autoUpdatePeriod("999"), 59940000u);
  EXPECT_EQ(autoUpdatePeriod("15min"), 900000u) << "read like atoi: leading digits";
  // A period the dialog never accepts must not make the timer fire at once,
  // again and again.
  for (const char* text : {"0", "", "abc", "-5"}) EXPECT_EQ(autoUpdatePeriod(text), 60000u) << text;
  // Past the 32-bit interval: held to the largest whole number of minutes.
  EXPECT_EQ(autoUpdatePeriod("35791"), 35791u * 60000u);
  EXPECT_EQ(autoUpdatePeriod("35792"), 35791u * 60000u);
  EXPECT_EQ(autoUpdatePeriod("99999999999999999999"), 35791u * 60000u);
}

// --- The start-up user ID prompt -----------------------------------------

TEST_F(RefreshCycleTest, UserIdPromptOnlyAtTheFirstTickWhenWantedAndNoIdIsSet) {
  loadAsAtStart();
  struct Case {
    int ask;
    const char* userId;
    int firstTick;
    bool prompts;
  };
  const Case cases[] = {
      {1, "", 1, true},      {0, "", 1, false},     {1, "B02", 1, false},
      {1, "", 0, false},     {1, "ZZZ", 1, false},  // an ID that is not on the board is still an ID
  };
  for (const Case& c : cases) {
    log.clear();
    f.app.shared.askUserIdAtStart = c.ask;
    f.app.local.userId = c.userId;
    f.app.main.firstTick = c.firstTick;
    runRefreshTick(ctx);
    bool prompted = std::find(log.begin(), log.end(), "dialog 298") != log.end();
    EXPECT_EQ(prompted, c.prompts) << "ask " << c.ask << " userId '" << c.userId << "' firstTick " << c.firstTick;
    EXPECT_EQ(f.app.main.firstTick, 0);
  }
}

TEST_F(RefreshCycleTest, StartUpPromptTakesAnIdOnTheBoardAndWarnsOtherwise) {
  loadAsAtStart();
  f.app.shared.askUserIdAtStart = 1;
  f.app.edit.editRowIndex = 7;  // a command's dialog may be open under the tick

  // Typed in lower case: the board's "B02" is found and becomes the user ID.
  dialogs.userIdAnswers.push_back({true, "b02"});
  runRefreshTick(ctx);
  EXPECT_EQ(f.app.local.userId, "b02");
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(f.app.edit.editRowIndex, 7);
  EXPECT_EQ(log, (EventLog{"stop", "dialog 298", "mail", "show 09:05:07 更新."}))
      << "the prompt comes after the timer stops and before the mail pickup";

  // An unknown ID: warned, the user ID stays empty, the tick goes on.
  f.app.local.userId.clear();
  f.app.main.firstTick = 1;
  log.clear();
  dialogs.userIdAnswers.push_back({true, "X99"});
  runRefreshTick(ctx);
  EXPECT_EQ(f.app.local.userId, "");
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kOwnIdNotFound});
  EXPECT_EQ(log, (EventLog{"stop", "dialog 298", "mail", "show 09:05:07 更新."}));

  // Cancelled: nothing is said and nothing changes.
  f.app.main.firstTick = 1;
  ui.warnings.clear();
  dialogs.userIdAnswers.push_back({false, ""});
  runRefreshTick(ctx);
  EXPECT_EQ(f.app.local.userId, "");
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(dialogs.otherDialogs, 0);
}

// --- The automatic PC search ----------------------------------------------

TEST_F(RefreshCycleTest, AutomaticSearchStartsFromTheSecondTickAndNeverTwiceAtOnce) {
  loadAsAtStart();
  autoUpdate(1, "1");
  f.app.local.autoPcSearch = 1;
  auto searches = [&] { return std::count(log.begin(), log.end(), "search"); };

  runRefreshTick(ctx);
  EXPECT_EQ(searches(), 0) << "the first tick never searches";
  EXPECT_EQ(f.app.main.pcSearchRunning, 0);

  runRefreshTick(ctx);
  EXPECT_EQ(searches(), 1);
  EXPECT_EQ(log.back(), "search") << "started after the timer is re-armed";
  EXPECT_EQ(f.app.main.pcSearchRunning, 1);

  runRefreshTick(ctx);
  EXPECT_EQ(searches(), 1) << "the previous search still runs";

  endPcSearch(f.app.main);
  EXPECT_EQ(f.app.main.pcSearchRunning, 0);
  runRefreshTick(ctx);
  EXPECT_EQ(searches(), 2);

  // A start that failed leaves no search behind to wait for.
  endPcSearch(f.app.main);
  hooks.searchStarts = false;
  runRefreshTick(ctx);
  EXPECT_EQ(searches(), 3);
  EXPECT_EQ(f.app.main.pcSearchRunning, 0);
}

TEST_F(RefreshCycleTest, AutomaticSearchNeedsBothAutoUpdateAndTheSetting) {
  loadAsAtStart();
  f.app.main.firstTick = 0;

  autoUpdate(0, "1");
  f.app.local.autoPcSearch = 1;
  runRefreshTick(ctx);
  autoUpdate(1, "1");
  f.app.local.autoPcSearch = 0;
  runRefreshTick(ctx);

  EXPECT_EQ(std::count(log.begin(), log.end(), "search"), 0);
  EXPECT_EQ(f.app.main.pcSearchRunning, 0);
}

// --- The 更新 command --------------------------------------------------------

TEST_F(RefreshCycleTest, ManualRefreshReloadsEvenAnUnchangedBoardAndLeavesTheTimerAlone) {
  loadAsAtStart();
  markAllRows(2);
  f.list.setText(0, 2, "shown, not in the file");
  f.app.main.firstTick = 1;

  runManualRefresh(ctx);

  EXPECT_EQ(f.app.main.lastLoadResult, kUnchanged);
  EXPECT_EQ(ui.informations, std::vector<std::string>{msg::kRefreshedNothingNew});
  EXPECT_EQ(f.list.text(f.list.findId("A01"), 2, 100), "会議室") << "reloaded from the file";
  EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
  EXPECT_EQ(f.app.times.updateTimeText, "09:05:07 更新") << "a reload: no full stop";
  EXPECT_EQ(log, (EventLog{"reload", "show 09:05:07 更新", "mail"}));
  EXPECT_EQ(f.app.main.firstTick, 1) << "only a tick ends the first tick";

  // Changed by another copy.
  log.clear();
  ui.informations.clear();
  f.writeBoard(testing::boardBytes(kStamp + 1, {kRows[1]}, "msg"));
  runManualRefresh(ctx);
  EXPECT_EQ(f.app.main.lastLoadResult, kChanged);
  EXPECT_EQ(ui.informations, std::vector<std::string>{msg::kRefreshedNew});
  EXPECT_EQ(f.list.ids(), std::vector<std::string>{"B02"});
  EXPECT_EQ(log, (EventLog{"reload", "show 09:05:07 更新", "mail"}));
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(RefreshCycleTest, ManualRefreshOnALockedBoardWarnsAndStillPicksUpMail) {
  loadAsAtStart();
  lockBoard();

  runManualRefresh(ctx);

  EXPECT_EQ(f.app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kBoardMissingOrLocked});
  EXPECT_TRUE(ui.informations.empty());
  EXPECT_EQ(f.list.rowCount(), 2);
  EXPECT_EQ(log, (EventLog{"show earlier", "mail"}));
}

}  // namespace
}  // namespace wabo
