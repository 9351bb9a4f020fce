// Two copies on one shared folder with auto update on: what one saves or
// sends shows on the other within two seconds, without a tick, while the
// other is shown, in the tray or on another board; not under a dialog of its
// own and not with auto update off; and a burst of saves costs the other
// copy only a few looks at the board.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "harness/open_counter.h"
#include "steps.h"

namespace e2e {
namespace {

const char kComposeTitle[] = "ﾒｰﾙ作成";
const char kViewTitle[] = "ﾒｰﾙ内容";
const char kVersionTitle[] = "ﾊﾞｰｼﾞｮﾝ情報";
const char kAutoUpdateTitle[] = "自動更新の設定";
constexpr DWORD kWithinMs = 2000;  // what the watch promises
constexpr DWORD kLongerMs = 3000;  // longer than that: nothing came

// A is K100, B is A001; both with auto update on (10 minutes).
struct TwoCopies {
  BoardFolder shared;
  ProgramCopy a{"A"}, b{"B"};
  explicit TwoCopies(bool startThem = true) {
    shared.writeBoard(1, officeBoard());
    shared.writeBoard(2, officeBoard(25020100, "外出"));
    for (ProgramCopy* copy : {&a, &b}) {
      LocalSettingsFile settings;
      settings.userId = copy == &a ? "K100" : "A001";
      copy->useBoardFolder(shared);
      copy->writeFile("WaboM.ini", settings.bytes());
    }
    if (!startThem) return;
    for (ProgramCopy* copy : {&a, &b}) {
      copy->start();
      if (!copy->waitForUnchangedCheck()) throw HarnessError("no first tick");
    }
  }
  // B sets its own destination by a quick input; waits until the save is in
  // the board file `n`.
  void saveOnB(int command, const std::string& word, int n = 1) {
    b.postCommand(command);
    const std::string board = shared.file("boad" + std::to_string(n) + ".csv"), lock = shared.file("lock.dat");
    if (!waitUntil([&] { return settledBoard(board, lock).find("A001,3,青木 花子," + word + ",") != std::string::npos; }))
      throw HarnessError("B's quick input did not reach the board");
  }
  // A's list shows B's destination as `word` within `ms`.
  bool shownOnA(const std::string& word, DWORD ms) {
    return waitUntil([&] { return destinationOf(a, "A001") == word; }, ms);
  }
};

void setAutoUpdate(ProgramCopy& program, bool on) {
  program.postCommand(CMD_AUTO_UPDATE_SETTINGS);
  HWND dialog = program.waitForDialog(kAutoUpdateTitle);
  sendOrThrow(GetDlgItem(dialog, IDC_AU_ENABLED), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0, "BM_SETCHECK");
  pressButton(dialog, IDOK);
  waitUntilGone(dialog);
}

TEST(FolderWatch, AnotherCopysSaveShowsWithinTwoSecondsButNotUnderADialogNorWithAutoUpdateOff) {
  TwoCopies office;
  ProgramCopy& a = office.a;
  office.saveOnB(CMD_QUICK_INPUT_1, "出社");
  EXPECT_TRUE(office.shownOnA("出社", kWithinMs));
  EXPECT_TRUE(a.waitForUpdateTime(kReloaded, 1000));  // a reload, with the time

  // Under a dialog of A's own nothing moves; once it closes the change comes.
  a.postCommand(CMD_VERSION);
  HWND version = a.waitForDialog(kVersionTitle);
  office.saveOnB(CMD_QUICK_INPUT_2, "帰宅");
  EXPECT_FALSE(office.shownOnA("帰宅", kLongerMs));
  pressButton(version, IDCANCEL);
  waitUntilGone(version);
  EXPECT_TRUE(office.shownOnA("帰宅", kWithinMs));

  // Auto update off: nothing until 更新.
  setAutoUpdate(a, false);
  office.saveOnB(CMD_QUICK_INPUT_1, "出社");
  EXPECT_FALSE(office.shownOnA("出社", kLongerMs));
  a.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNew, a.answerMessageBox());
  EXPECT_EQ("出社", destinationOf(a, "A001"));

  // On again: watched again.
  setAutoUpdate(a, true);
  office.saveOnB(CMD_QUICK_INPUT_2, "帰宅");
  EXPECT_TRUE(office.shownOnA("帰宅", kWithinMs));
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
  for (ProgramCopy* p : {&a, &office.b}) EXPECT_EQ(0u, p->close());
}

TEST(FolderWatch, AMailFromAnotherCopyIsAnnouncedWithinTwoSeconds) {
  TwoCopies office;
  ProgramCopy &a = office.a, &b = office.b;
  b.postCommand(CMD_MAIL);
  HWND compose = b.waitForDialog(kComposeTitle);
  setControlText(compose, IDC_MC_RECIPIENTS, "K100");
  setControlText(compose, IDC_MC_TEXT, "表の件");
  pressButton(compose, IDC_MC_SEND);
  EXPECT_EQ("加藤 次郎さんにﾒｰﾙを送信しました", b.answerMessageBox());
  waitUntilGone(compose);
  const ULONGLONG sent = GetTickCount64();
  ASSERT_TRUE(waitUntil([&] { return a.findDialog(kMessageCaption) != nullptr; }, kWithinMs));
  EXPECT_LE(GetTickCount64() - sent, kWithinMs);
  EXPECT_EQ("青木 花子さんからメールです！", a.answerMessageBox());
  HWND view = a.waitForDialog(kViewTitle);
  EXPECT_EQ("表の件", controlText(view, IDC_MV_TEXT));
  pressButton(view, IDOK);
  waitUntilGone(view);
  EXPECT_TRUE(waitUntil([&] { return !fileExists(office.shared.file("K1000.ml")); }));
  // Shown once: the pickup's own deletion wakes nothing.
  EXPECT_FALSE(waitUntil([&] { return a.findDialog(kMessageCaption) != nullptr; }, 1500));
  for (ProgramCopy* p : {&a, &b}) EXPECT_EQ(0u, p->close());
}

TEST(FolderWatch, FollowsTheCopyIntoTheTrayAndOntoAnotherBoardAndEndsWithIt) {
  TwoCopies office;
  ProgramCopy &a = office.a, &b = office.b;
  a.postCommand(CMD_HIDE_TO_TRAY);
  ASSERT_TRUE(waitUntil([&] { return !isShown(a.mainWindow()); }));
  office.saveOnB(CMD_QUICK_INPUT_1, "出社");
  EXPECT_TRUE(office.shownOnA("出社", kWithinMs));

  // Board 2 on both: the watch now wakes A for board 2's file.
  a.postCommand(CMD_BOARD_2);
  ASSERT_TRUE(waitUntil([&] { return destinationOf(a, "m005") == "外出"; }));
  b.postCommand(CMD_BOARD_2);
  ASSERT_TRUE(waitUntil([&] { return destinationOf(b, "m005") == "外出"; }));
  office.saveOnB(CMD_QUICK_INPUT_2, "帰宅", 2);
  EXPECT_TRUE(office.shownOnA("帰宅", kWithinMs));
  EXPECT_EQ("外出", destinationOf(a, "m005"));

  // Exit from the tray: the watch does not hold the program.
  a.postCommand(CMD_EXIT_FROM_TRAY);
  EXPECT_EQ(0u, a.waitForExit());
  EXPECT_EQ(0u, b.close());
}

TEST(FolderWatch, ABurstOfTwentySavesCostsTheOtherCopyAFewLooksAndEndsOnTheLastState) {
  TwoCopies office;
  ProgramCopy& a = office.a;
  OpenCounter opens(a.process(), "boad1.csv");
  const ULONGLONG burstStart = GetTickCount64();
  // One save every 100 ms or so for two seconds: a busy colleague, or a few
  // of them, keep A's watch awake the whole time.
  for (int i = 0; i < 20; ++i) {
    waitUntil([&] { return GetTickCount64() >= burstStart + 100 * static_cast<ULONGLONG>(i); });
    office.saveOnB(i % 2 == 0 ? CMD_QUICK_INPUT_1 : CMD_QUICK_INPUT_2, i % 2 == 0 ? "出社" : "帰宅");
  }
  const ULONGLONG burstMs = GetTickCount64() - burstStart;
  EXPECT_TRUE(office.shownOnA("帰宅", kWithinMs));
  // Until A has been quiet for longer than its widest gap and spread.
  unsigned seen = opens.count();
  ULONGLONG quietSince = GetTickCount64();
  ASSERT_TRUE(waitUntil([&] {
    const unsigned now = opens.count();
    if (now != seen) seen = now, quietSince = GetTickCount64();
    return GetTickCount64() - quietSince > 1500;
  }, 10000));
  // Each look opens the board once, and a reload once more.
  std::printf("[ watch    ] A opened boad1.csv %u times for B's 20 saves in %llu ms\n", seen, burstMs);
  EXPECT_GE(seen, 2u);
  EXPECT_LE(seen, 12u);
  EXPECT_EQ("帰宅", destinationOf(a, "A001"));
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
  for (ProgramCopy* p : {&a, &office.b}) EXPECT_EQ(0u, p->close());
}

}  // namespace
}  // namespace e2e
