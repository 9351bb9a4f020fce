// Keeping the board current: the auto update timer of copies that share a
// board, and ticks and 更新 on unchanged, changed and locked boards.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "steps.h"

namespace e2e {
namespace {

double secondsNow() { return static_cast<double>(GetTickCount64()) / 1000; }

std::string clockNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
  return text;
}

// One real minute of the timer, on three copies of a board locked at first:
// A (auto update 1 min) warns at its first tick, its folder watch reloads
// what B (off) saves meanwhile, and its next tick comes a period after the
// first and finds nothing new; C (off) looks at the board once only.
TEST(RefreshCycle, AutoUpdateTickWarnsOnALockTheWatchReloadsAnotherCopysSaveAndTheNextTickComesOnePeriodLater) {
  TwoPcs office(officeBoard(), {"", "A001"}, 0);
  ProgramCopy &a = office.a, &b = office.b;
  ProgramCopy c("C");
  a.writeFile("WaboM.ini", localSettings("", 1));
  c.useBoardFolder(office.shared);
  c.writeFile("WaboM.ini", localSettings("", 0));
  writeFileBytes(office.shared.file("lock.dat"), "");
  a.start();
  EXPECT_EQ(kMissingOrLocked, a.answerMessageBox());
  const double warningOfA = secondsNow();
  DeleteFileA(office.shared.file("lock.dat").c_str());
  c.startSettled();
  const std::string firstCheckOfC = c.statusBar().partText(2);

  // B sets its own destination to 出社 and saves the board.
  b.startSettled();
  b.postCommand(CMD_QUICK_INPUT_1);
  ASSERT_TRUE(boardGets(office.board(), "A001,3,青木 花子,出社,"));

  // A: the watch's reload within two seconds, stamped with the time of day.
  std::string earliest = clockNow(), shown;
  ASSERT_TRUE(a.waitForUpdateTime(kReloaded, 2000, &shown)) << shown;
  EXPECT_LE(earliest, shown.substr(0, 8));
  EXPECT_GE(clockNow(), shown.substr(0, 8));
  EXPECT_EQ("出社", destinationOf(a, "A001"));
  // The tick a period after the first: nothing new.
  earliest = clockNow();
  ASSERT_TRUE(a.waitForUpdateTime(kChecked, 75000, &shown)) << shown;
  EXPECT_NEAR(60.5, secondsNow() - warningOfA, 1.5);
  EXPECT_LE(earliest, shown.substr(0, 8));
  EXPECT_EQ("出社", destinationOf(a, "A001"));
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));

  // C, with auto update off, had its first tick only.
  EXPECT_EQ(firstCheckOfC, c.statusBar().partText(2));
  EXPECT_EQ("出張", destinationOf(c, "A001"));
  for (ProgramCopy* p : {&a, &b, &c}) EXPECT_EQ(0u, p->close());
}

// Sets the search marks of the rows, as a PC search leaves them.
void setSearchMarks(ProgramCopy& program, const std::vector<int>& marks) {
  for (size_t row = 0; row < marks.size(); ++row)
    program.list().setItemState(static_cast<int>(row), LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(marks[row]));
}

// Ticks on demand on one copy with auto update off.
TEST(RefreshCycle, TicksAndRefreshOnUnchangedChangedAndLockedBoards) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.writeFile("WaboM.ini", localSettings("", 0));
  program.startSettled();
  // Without the question in Wabo.ini the first tick asks for no user ID.
  EXPECT_EQ(nullptr, program.findDialog(kUserIdTitle));
  const std::vector<int> noMarks(4, 0), someMarks = {1, 0, 2, 0};

  // 更新 on the unchanged board still reads it in full: the marks go.
  setSearchMarks(program, {2, 2, 2, 2});
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  EXPECT_TRUE(program.waitForUpdateTime(kReloaded));
  EXPECT_EQ(noMarks, marksOf(program));

  // A tick on the unchanged board only looks: the marks stay.
  setSearchMarks(program, someMarks);
  program.postTick();
  std::string checked;
  EXPECT_TRUE(program.waitForUpdateTime(kChecked, kStepTimeoutMs, &checked));
  EXPECT_EQ(someMarks, marksOf(program));

  // Locked: a warning at the tick and at 更新; the list and the time stay.
  program.writeFile("lock.dat", "");
  program.writeBoard(officeBoard(25010700, "出社"));
  program.postTick();
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(checked, program.statusBar().partText(2));
  EXPECT_EQ(someMarks, marksOf(program));
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ("休み", destinationOf(program, "m005"));

  // The lock is gone: the next tick reloads the change.
  DeleteFileA(program.file("lock.dat").c_str());
  program.postTick();
  EXPECT_TRUE(program.waitForUpdateTime(kReloaded));
  EXPECT_EQ("出社", destinationOf(program, "m005"));
  EXPECT_EQ(noMarks, marksOf(program));

  // Another change, found by 更新.
  program.writeBoard(officeBoard(25010701, "帰宅"));
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNew, program.answerMessageBox());
  EXPECT_EQ("帰宅", destinationOf(program, "m005"));
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
