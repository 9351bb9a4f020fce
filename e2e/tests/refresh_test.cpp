// Keeping the board current: the auto update timer of copies that share a
// board, and ticks and 更新 on unchanged, changed and locked boards.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "steps.h"

namespace e2e {
namespace {

std::string localSettings(const std::string& userId, int autoUpdateMinutes) {
  LocalSettingsFile settings;
  settings.userId = userId;
  settings.autoUpdateMinutes = autoUpdateMinutes;
  return settings.bytes();
}

double secondsNow() { return static_cast<double>(GetTickCount64()) / 1000; }

std::string clockNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char text[16];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", t.wHour, t.wMinute, t.wSecond);
  return text;
}

// One real minute of the timer, watched on three copies of a shared board
// that is locked at first: A (auto update 1 min) warns at its first tick,
// its folder watch reloads what B (auto update off) saves meanwhile, and its
// next tick comes a period after the first and finds nothing new; C (off)
// looks at the board once only.
TEST(RefreshCycle, AutoUpdateTickWarnsOnALockTheWatchReloadsAnotherCopysSaveAndTheNextTickComesOnePeriodLater) {
  BoardFolder shared;
  shared.writeBoard(1, officeBoard());
  writeFileBytes(shared.file("lock.dat"), "");
  ProgramCopy a("A"), b("B"), c("C");
  for (ProgramCopy* p : {&a, &b, &c}) {
    p->useBoardFolder(shared);
    p->writeFile("WaboM.ini", localSettings(p == &b ? "A001" : "", p == &a ? 1 : 0));
  }
  a.start();
  EXPECT_EQ(kMissingOrLocked, a.answerMessageBox());
  const double warningOfA = secondsNow();
  DeleteFileA(shared.file("lock.dat").c_str());
  c.start();
  ASSERT_TRUE(c.waitForUnchangedCheck());
  const std::string firstCheckOfC = c.statusBar().partText(2);

  // B sets its own destination to 出社 and saves the board.
  b.start();
  ASSERT_TRUE(b.waitForUnchangedCheck());
  b.postCommand(CMD_QUICK_INPUT_1);
  ASSERT_TRUE(waitUntil([&] {
    return settledBoard(shared.file("boad1.csv"), shared.file("lock.dat")).find("A001,3,青木 花子,出社,") !=
           std::string::npos;
  }));

  // A: the watch's reload within two seconds, stamped with the time of day.
  std::string earliest = clockNow();
  std::string shown;
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

// The search marks (state images 0..2) of the rows, as a PC search leaves them.
void setSearchMarks(ProgramCopy& program, const std::vector<int>& marks) {
  for (size_t row = 0; row < marks.size(); ++row)
    program.list().setItemState(static_cast<int>(row), LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(marks[row]));
}

std::vector<int> searchMarks(ProgramCopy& program) {
  std::vector<int> marks;
  for (int row = 0; row < program.list().rowCount(); ++row) marks.push_back(program.list().item(row).stateImage);
  return marks;
}

// Ticks on demand on one copy with auto update off.
TEST(RefreshCycle, TicksAndRefreshOnUnchangedChangedAndLockedBoards) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.writeFile("WaboM.ini", localSettings("", 0));
  program.start();
  ASSERT_TRUE(program.waitForUnchangedCheck());
  // Without the question in Wabo.ini the first tick asks for no user ID.
  EXPECT_EQ(nullptr, program.findDialog(kUserIdTitle));
  const std::vector<int> noMarks(4, 0), someMarks = {1, 0, 2, 0};

  // 更新 on the unchanged board still reads it in full: the marks go.
  setSearchMarks(program, {2, 2, 2, 2});
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  EXPECT_TRUE(program.waitForUpdateTime(kReloaded));
  EXPECT_EQ(noMarks, searchMarks(program));

  // A tick on the unchanged board only looks: the marks stay.
  setSearchMarks(program, someMarks);
  program.postTick();
  std::string checked;
  EXPECT_TRUE(program.waitForUpdateTime(kChecked, kStepTimeoutMs, &checked));
  EXPECT_EQ(someMarks, searchMarks(program));

  // Locked: a warning at the tick and at 更新; the list and the time stay.
  program.writeFile("lock.dat", "");
  program.writeBoard(officeBoard(25010700, "出社"));
  program.postTick();
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(checked, program.statusBar().partText(2));
  EXPECT_EQ(someMarks, searchMarks(program));
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ("休み", destinationOf(program, "m005"));

  // The lock is gone: the next tick reloads the change.
  DeleteFileA(program.file("lock.dat").c_str());
  program.postTick();
  EXPECT_TRUE(program.waitForUpdateTime(kReloaded));
  EXPECT_EQ("出社", destinationOf(program, "m005"));
  EXPECT_EQ(noMarks, searchMarks(program));

  // Another change, found by 更新.
  program.writeBoard(officeBoard(25010701, "帰宅"));
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNew, program.answerMessageBox());
  EXPECT_EQ("帰宅", destinationOf(program, "m005"));
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
