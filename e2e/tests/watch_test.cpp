// Two copies on one shared folder with auto update on: what one saves or
// sends shows on the other within two seconds, without a tick, while the
// other is shown, in the tray or on another board; not under a dialog of its
// own and not with auto update off; a burst of saves costs the other copy
// only a few looks at the board.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "harness/inside_probes.h"
#include "steps.h"

namespace e2e {
namespace {

constexpr DWORD kWithinMs = 2000;  // what the watch promises
constexpr DWORD kLongerMs = 3000;  // longer than that: nothing came

// A is K100, B is A001, both with auto update on (10 minutes) and started.
struct WatchedOffice : TwoPcs {
  WatchedOffice() : TwoPcs(officeBoard(), {"K100", "A001"}) {
    shared.writeBoard(2, officeBoard(25020100, "外出"));
    startBoth();
  }
  // B sets its own destination by a quick input; waits until it is in board `n`.
  void saveOnB(int command, const std::string& word, int n = 1) {
    b.postCommand(command);
    if (!boardGets(board(n), "A001,3,青木 花子," + word + ","))
      throw HarnessError("B's quick input did not reach the board");
  }
  bool shownOnA(const std::string& word, DWORD ms) {
    return waitUntil([&] { return destinationOf(a, "A001") == word; }, ms);
  }
};

void setAutoUpdate(ProgramCopy& program, bool on) {
  HWND dialog = open(program, CMD_AUTO_UPDATE_SETTINGS, kAutoUpdateTitle);
  setChecked(dialog, IDC_AU_ENABLED, on);
  press(dialog, IDOK);
}

TEST(FolderWatch, AnotherCopysSavesAndMailShowWithinTwoSecondsInTheTrayAndOnAnotherBoardCheaplyAndNotWhenPaused) {
  WatchedOffice office;
  ProgramCopy &a = office.a, &b = office.b;
  office.saveOnB(CMD_QUICK_INPUT_1, "出社");
  EXPECT_TRUE(office.shownOnA("出社", kWithinMs));
  EXPECT_TRUE(a.waitForUpdateTime(kReloaded, 1000));  // a reload, with the time

  // Under a dialog of A's own nothing moves; once it closes the change comes.
  HWND version = open(a, CMD_VERSION, kVersionTitle);
  office.saveOnB(CMD_QUICK_INPUT_2, "帰宅");
  EXPECT_FALSE(office.shownOnA("帰宅", kLongerMs));
  press(version, IDCANCEL);
  EXPECT_TRUE(office.shownOnA("帰宅", kWithinMs));

  // Auto update off: nothing until 更新. On again: watched again.
  setAutoUpdate(a, false);
  office.saveOnB(CMD_QUICK_INPUT_1, "出社");
  EXPECT_FALSE(office.shownOnA("出社", kLongerMs));
  a.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNew, a.answerMessageBox());
  EXPECT_EQ("出社", destinationOf(a, "A001"));
  setAutoUpdate(a, true);
  office.saveOnB(CMD_QUICK_INPUT_2, "帰宅");
  EXPECT_TRUE(office.shownOnA("帰宅", kWithinMs));
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));

  {
    SCOPED_TRACE("was FolderWatch.AMailFromAnotherCopyIsAnnouncedWithinTwoSeconds");
    HWND compose = open(b, CMD_MAIL, kComposeTitle);
    fill(compose, {{IDC_MC_RECIPIENTS, "K100"}, {IDC_MC_TEXT, "表の件"}});
    pressButton(compose, IDC_MC_SEND);
    EXPECT_EQ("加藤 次郎さんにﾒｰﾙを送信しました", b.answerMessageBox());
    waitUntilGone(compose);
    const ULONGLONG sent = GetTickCount64();
    ASSERT_TRUE(waitUntil([&] { return a.findDialog(kMessageCaption) != nullptr; }, kWithinMs));
    EXPECT_LE(GetTickCount64() - sent, kWithinMs);
    EXPECT_EQ("青木 花子さんからメールです！", a.answerMessageBox());
    HWND view = a.waitForDialog(kViewTitle);
    EXPECT_EQ("表の件", controlText(view, IDC_MV_TEXT));
    press(view, IDOK);
    EXPECT_TRUE(waitUntil([&] { return !fileExists(office.shared.file("K1000.ml")); }));
    // Shown once: the pickup's own deletion wakes nothing.
    EXPECT_FALSE(waitUntil([&] { return a.findDialog(kMessageCaption) != nullptr; }, 1500));
  }
  {
    SCOPED_TRACE("was FolderWatch.ABurstOfTwentySavesCostsTheOtherCopyAFewLooksAndEndsOnTheLastState");
    OpenCounter opens(a.process(), "boad1.csv");
    // One save every 100 ms or so for two seconds keeps A's watch awake; it ends on 出社.
    const ULONGLONG burstStart = GetTickCount64();
    for (int i = 0; i < 20; ++i) {
      waitUntil([&] { return GetTickCount64() >= burstStart + 100 * static_cast<ULONGLONG>(i); });
      office.saveOnB(i % 2 == 0 ? CMD_QUICK_INPUT_2 : CMD_QUICK_INPUT_1, i % 2 == 0 ? "帰宅" : "出社");
    }
    const ULONGLONG burstMs = GetTickCount64() - burstStart;
    EXPECT_TRUE(office.shownOnA("出社", kWithinMs));
    // Until A has been quiet for longer than its widest gap and spread.
    unsigned seen = opens.count();
    ULONGLONG quietSince = GetTickCount64();
    ASSERT_TRUE(waitUntil(
        [&] {
          const unsigned now = opens.count();
          if (now != seen) seen = now, quietSince = GetTickCount64();
          return GetTickCount64() - quietSince > 1500;
        },
        10000));
    // Each look opens the board once, and a reload once more.
    std::printf("[ watch    ] A opened boad1.csv %u times for B's 20 saves in %llu ms\n", seen, burstMs);
    EXPECT_GE(seen, 2u);
    EXPECT_LE(seen, 12u);
    EXPECT_EQ("出社", destinationOf(a, "A001"));
    EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
  }

  SCOPED_TRACE("was FolderWatch.FollowsTheCopyIntoTheTrayAndOntoAnotherBoardAndEndsWithIt");
  a.postCommand(CMD_HIDE_TO_TRAY);
  ASSERT_TRUE(waitUntil([&] { return !isShown(a.mainWindow()); }));
  office.saveOnB(CMD_QUICK_INPUT_2, "帰宅");
  EXPECT_TRUE(office.shownOnA("帰宅", kWithinMs));
  // Board 2 on both: the watch now wakes A for board 2's file.
  for (ProgramCopy* copy : {&a, &b}) {
    copy->postCommand(CMD_BOARD_2);
    ASSERT_TRUE(waitUntil([&] { return destinationOf(*copy, "m005") == "外出"; }));
  }
  office.saveOnB(CMD_QUICK_INPUT_1, "出社", 2);
  EXPECT_TRUE(office.shownOnA("出社", kWithinMs));
  EXPECT_EQ("外出", destinationOf(a, "m005"));
  // Exit from the tray: the watch does not hold the program.
  a.postCommand(CMD_EXIT_FROM_TRAY);
  EXPECT_EQ(0u, a.waitForExit());
  EXPECT_EQ(0u, b.close());
}

}  // namespace
}  // namespace e2e
