// Keeping the board current: the auto update timer of copies that share a
// board, the ticks on unchanged, changed and locked boards, the 更新 command
// and the start-up question for the user ID.
#include <gtest/gtest.h>

#include "refresh_steps.h"
#include "sample_boards.h"

namespace e2e {
namespace {

const char kMissingOrLocked[] = "行き先ﾃﾞｰﾀﾌｧｲﾙが見つかりません\nまたは、ﾛｯｸﾌｧｲﾙがあります";
const char kRefreshedNew[] = "更新しました(新しい情報あり)";
const char kRefreshedNothingNew[] = "更新しました(新しい情報なし)";
const char kOwnIdNotFound[] = "あなたのIDが見つかりません\nIDのあるﾎﾞｰﾄﾞを表示した状態でﾕｰｻﾞｰID設定を実行してください";
const char kUserIdDialog[] = "ﾕｰｻﾞｰID設定";

const DWORD kMinuteMs = 60000;

// Destination of a member as the list shows it (subitem 2).
std::string destinationOf(ProgramCopy& program, const std::string& id) {
  ListViewProbe& list = program.list();
  for (int row = 0; row < list.rowCount(); ++row)
    if (list.text(row, 0) == id) return list.text(row, 2);
  return "<" + id + " not in the list>";
}

// The office board after a member changed: same stamp rules as a save.
BoardText officeBoardWith(long stamp, const std::string& id, const std::string& destination) {
  BoardText board = officeBoard();
  board.stamp = stamp;
  for (MemberLine& m : board.members)
    if (m.id == id) m.destination = destination;
  return board;
}

// The head line of a board file; "" while it cannot be read (a save may be
// replacing it at that moment).
std::string headLineOf(const std::string& path) {
  try {
    std::string file = readFileBytes(path);
    return file.substr(0, file.find("\r\n"));
  } catch (const HarnessError&) {
    return "";
  }
}

// One real minute of the timer, watched on four copies at once:
//   A (auto update 1 min) and C (auto update off) show the shared board, B
//   (auto update off) saves a change into it; D (auto update 1 min) shows a
//   board of its own that is locked at start.
// A reloads at its next tick, one period after the first; C never ticks
// again; D warns at its first tick and still reloads at its next one.
TEST(RefreshCycle, AutoUpdateTickReloadsWhatAnotherCopySavedOnePeriodLater) {
  BoardFolder shared, other;
  shared.writeBoard(1, officeBoard());
  other.writeBoard(1, officeBoard());
  writeFileBytes(other.file("lock.dat"), "");

  ProgramCopy a("A"), b("B"), c("C"), d("D");
  a.useBoardFolder(shared);
  b.useBoardFolder(shared);
  c.useBoardFolder(shared);
  d.useBoardFolder(other);
  a.writeFile("WaboM.ini", LocalSettingsText{"", 1}.bytes());
  b.writeFile("WaboM.ini", LocalSettingsText{"A001", 0}.bytes());
  c.writeFile("WaboM.ini", LocalSettingsText{"", 0}.bytes());
  d.writeFile("WaboM.ini", LocalSettingsText{"", 1}.bytes());

  a.start();
  ASSERT_TRUE(a.waitForUnchangedCheck());
  const std::string firstCheckOfA = a.statusBar().partText(2);
  c.start();
  ASSERT_TRUE(c.waitForUnchangedCheck());
  const std::string firstCheckOfC = c.statusBar().partText(2);

  // D's first tick meets the lock; the lock goes and the board changes.
  d.start();
  EXPECT_EQ(kMissingOrLocked, d.answerMessageBox());
  const int warningOfD = secondOfDayNow();
  EXPECT_EQ(0, d.list().rowCount());
  DeleteFileA(other.file("lock.dat").c_str());
  other.writeBoard(1, officeBoardWith(25010700, "K100", "外出"));

  // B sets its own destination to 出社 and saves the shared board.
  b.start();
  ASSERT_TRUE(b.waitForUnchangedCheck());
  b.postCommand(CMD_QUICK_INPUT_1);
  ASSERT_TRUE(waitUntil([&] {
    std::string head = headLineOf(shared.file("boad1.csv"));
    return !head.empty() && head != "W2,25010609,";
  }));
  EXPECT_EQ("出社", destinationOf(b, "A001"));

  // A: nothing before the period is over, then the reload.
  EXPECT_EQ("出張", destinationOf(a, "A001"));
  std::string shownByA = waitForUpdateTime(a, isReloadTime, kMinuteMs + 15000);
  ASSERT_TRUE(isReloadTime(shownByA)) << shownByA;
  // One period from the end of the first tick to the next look at the file.
  const int periodOfA = secondsBetween(secondOfDay(firstCheckOfA), secondOfDay(shownByA));
  EXPECT_GE(periodOfA, 60) << firstCheckOfA << " -> " << shownByA;
  EXPECT_LE(periodOfA, 62) << firstCheckOfA << " -> " << shownByA;
  EXPECT_LE(std::abs(secondsFromNow(shownByA)), 2) << shownByA;
  EXPECT_EQ("出社", destinationOf(a, "A001"));

  // D ticked again one period after its warning was answered.
  std::string shownByD = waitForUpdateTime(d, isReloadTime, kMinuteMs);
  ASSERT_TRUE(isReloadTime(shownByD)) << shownByD;
  EXPECT_GE(secondsBetween(warningOfD, secondOfDay(shownByD)), 59) << shownByD;
  EXPECT_EQ(4, d.list().rowCount());
  EXPECT_EQ("外出", destinationOf(d, "K100"));
  EXPECT_FALSE(d.findDialog(kMessageCaption));

  // C, with auto update off, had its first tick only.
  EXPECT_EQ(firstCheckOfC, c.statusBar().partText(2));
  EXPECT_EQ("出張", destinationOf(c, "A001"));

  for (ProgramCopy* p : {&a, &b, &c, &d}) EXPECT_EQ(0u, p->close());
}

// Ticks on demand on one copy with auto update off: 更新 on an unchanged
// board, an unchanged tick that keeps the search marks, a locked board at a
// tick and at 更新, and changes by another copy at a tick and at 更新.
TEST(RefreshCycle, TicksAndRefreshOnUnchangedChangedAndLockedBoards) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.writeFile("WaboM.ini", LocalSettingsText{"", 0}.bytes());
  program.start();
  ASSERT_TRUE(program.waitForUnchangedCheck());
  const int rows = program.list().rowCount();
  ASSERT_EQ(4, rows);

  // 更新 on the unchanged board still reads it in full: the marks go.
  for (int row = 0; row < rows; ++row) setSearchMark(program, row, 2);
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  std::string shown = waitForUpdateTime(program, isReloadTime);
  EXPECT_TRUE(isReloadTime(shown)) << shown;
  EXPECT_EQ(std::vector<int>(rows, 0), searchMarks(program));

  // A tick on the unchanged board only looks: the marks stay.
  setSearchMark(program, 0, 1);
  setSearchMark(program, 2, 2);
  postTick(program);
  shown = waitForUpdateTime(program, isCheckTime);
  EXPECT_TRUE(isCheckTime(shown)) << shown;
  EXPECT_LE(std::abs(secondsFromNow(shown)), 2) << shown;
  EXPECT_EQ((std::vector<int>{1, 0, 2, 0}), searchMarks(program));

  // Locked: the warning, the list and the time stay as they were.
  program.writeFile("lock.dat", "");
  program.writeBoard(officeBoardWith(25010700, "m005", "出社"));
  postTick(program);
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(shown, program.statusBar().partText(2));
  EXPECT_EQ("休み", destinationOf(program, "m005"));
  EXPECT_EQ((std::vector<int>{1, 0, 2, 0}), searchMarks(program));
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ("休み", destinationOf(program, "m005"));

  // The lock is gone: the next tick reloads the change.
  DeleteFileA(program.file("lock.dat").c_str());
  postTick(program);
  shown = waitForUpdateTime(program, isReloadTime);
  EXPECT_TRUE(isReloadTime(shown)) << shown;
  EXPECT_EQ("出社", destinationOf(program, "m005"));
  EXPECT_EQ(std::vector<int>(rows, 0), searchMarks(program));

  // Another change, found by 更新.
  program.writeBoard(officeBoardWith(25010701, "m005", "帰宅"));
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNew, program.answerMessageBox());
  EXPECT_EQ("帰宅", destinationOf(program, "m005"));
  EXPECT_FALSE(program.findDialog(kMessageCaption));

  EXPECT_EQ(0u, program.close());
}

// The start-up question for the user ID: only at the first tick, only when
// the shared settings ask for it and no user ID is set.
class StartUpUserId : public ::testing::Test {
 protected:
  // A copy whose Wabo.ini asks (or not) and whose WaboM.ini holds `userId`.
  void prepare(ProgramCopy& program, int askUserIdAtStart, const std::string& userId) {
    program.writeBoard(officeBoard());
    SharedSettingsText settings;
    settings.boardPaths[0] = program.file("boad1.csv");
    settings.boardPaths[1] = program.file("boad2.csv");
    settings.askUserIdAtStart = askUserIdAtStart;
    program.writeFile("Wabo.ini", settings.bytes());
    program.writeFile("WaboM.ini", LocalSettingsText{userId, 0}.bytes());
  }
  // A tick after the first: makes the time text change from the reload form
  // of 更新 to the check form, so that its end can be seen.
  void laterTick(ProgramCopy& program) {
    program.postCommand(CMD_REFRESH);
    EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
    ASSERT_TRUE(isReloadTime(waitForUpdateTime(program, isReloadTime)));
    postTick(program);
    ASSERT_TRUE(isCheckTime(waitForUpdateTime(program, isCheckTime)));
  }
};

TEST_F(StartUpUserId, KnownIdTypedAtTheFirstTickBecomesTheUserId) {
  ProgramCopy program;
  prepare(program, 1, "");
  program.start();
  HWND dialog = program.waitForDialog(kUserIdDialog);
  EXPECT_EQ("", controlText(dialog, IDC_USER_ID));
  setControlText(dialog, IDC_USER_ID, "k100");  // the board has K100
  pressButton(dialog, IDOK);
  ASSERT_TRUE(program.waitForUnchangedCheck());
  EXPECT_FALSE(program.findDialog(kMessageCaption));
  EXPECT_EQ(0u, program.close());
  EXPECT_EQ("k100", userIdLine(program.readFile("WaboM.ini")));
}

TEST_F(StartUpUserId, UnknownIdIsRefusedAndNotAskedAgainAtLaterTicks) {
  ProgramCopy program;
  prepare(program, 1, "");
  program.start();
  HWND dialog = program.waitForDialog(kUserIdDialog);
  setControlText(dialog, IDC_USER_ID, "X999");
  pressButton(dialog, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(kOwnIdNotFound, program.answerMessageBox());
  ASSERT_TRUE(program.waitForUnchangedCheck());

  laterTick(program);
  EXPECT_FALSE(program.findDialog(kUserIdDialog));
  EXPECT_EQ(0u, program.close());
  EXPECT_EQ("", userIdLine(program.readFile("WaboM.ini")));
}

TEST_F(StartUpUserId, NotAskedWithAUserIdOrWithoutTheSetting) {
  // The question would come before the first look at the board, so a first
  // look that ends without a dialog shows that none was asked.
  ProgramCopy withId("with-id"), notWanted("not-wanted");
  prepare(withId, 1, "S010");
  prepare(notWanted, 0, "");
  withId.start();
  notWanted.start();
  for (ProgramCopy* p : {&withId, &notWanted}) {
    ASSERT_TRUE(p->waitForUnchangedCheck());
    EXPECT_FALSE(p->findDialog(kUserIdDialog));
    EXPECT_FALSE(p->findDialog(kMessageCaption));
  }
  EXPECT_EQ(0u, withId.close());
  EXPECT_EQ(0u, notWanted.close());
  EXPECT_EQ("S010", userIdLine(withId.readFile("WaboM.ini")));
  EXPECT_EQ("", userIdLine(notWanted.readFile("WaboM.ini")));
}

}  // namespace
}  // namespace e2e
