// The file server goes away for a while: the shared folder that holds the
// board and the mail is renamed away and back, and later replaced by a new
// folder of the same name with the files put back, while two copies run
// with their folder watch on. A save during the gap is refused with the
// program's message; ticks during it tell the missing board once; and once
// the folder is back each watch follows it again by itself: a save and a
// mail of the other copy show within two seconds.
//
// The gap lasts WABO_SHARE_GAP_SECONDS (default 3, as in CI; the issue's
// 30 s in a manual run: scripts/e2e --gtest_filter='ShareDrop.*' with it set).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "steps.h"

namespace e2e {
namespace {

constexpr DWORD kWithinMs = 2000;
const char kSaveRefused[] = "ﾃﾞｰﾀ更新に失敗しました\nﾃﾞｰﾀﾌｧｲﾙがないかﾛｯｸされています";

DWORD gapMs() {
  char text[16];
  DWORD n = GetEnvironmentVariableA("WABO_SHARE_GAP_SECONDS", text, sizeof text);
  int seconds = n > 0 && n < sizeof text ? std::atoi(text) : 0;
  return static_cast<DWORD>(seconds > 0 ? seconds : 3) * 1000;
}

// A is K100, B is A001; both watch the shared folder (board and mail).
struct DroppingShare : TwoPcs {
  std::string away;
  DroppingShare() : TwoPcs(officeBoard(), {"K100", "A001"}), away(shared.path() + "-away") { startBoth(); }

  void saveOnB(const std::string& word) {
    b.postCommand(word == "出社" ? CMD_QUICK_INPUT_1 : CMD_QUICK_INPUT_2);
    if (!boardGets(board(), "A001,3,青木 花子," + word + ","))
      throw HarnessError("B's quick input did not reach the board");
  }
  // B's save reaches A's list within two seconds, and A shows no box.
  void seenByA(const std::string& word, const char* when) {
    saveOnB(word);
    EXPECT_TRUE(waitUntil([&] { return destinationOf(a, "A001") == word; }, kWithinMs)) << when;
    EXPECT_EQ(nullptr, a.findDialog(kMessageCaption)) << when;
  }
  // B's mail to A is announced within two seconds and shown.
  void mailSeenByA(const std::string& text, const char* when) {
    HWND compose = open(b, CMD_MAIL, kComposeTitle);
    fill(compose, {{IDC_MC_RECIPIENTS, "K100"}, {IDC_MC_TEXT, text}});
    pressButton(compose, IDC_MC_SEND);
    EXPECT_EQ("加藤 次郎さんにﾒｰﾙを送信しました", b.answerMessageBox()) << when;
    waitUntilGone(compose);
    ASSERT_TRUE(waitUntil([&] { return a.findDialog(kMessageCaption) != nullptr; }, kWithinMs)) << when;
    EXPECT_EQ("青木 花子さんからメールです！", a.answerMessageBox()) << when;
    HWND view = a.waitForDialog(kViewTitle);
    EXPECT_EQ(text, controlText(view, IDC_MV_TEXT)) << when;
    press(view, IDOK);
  }
  // While the folder is gone: B's quick input is refused with a box, and A's
  // ticks tell the missing board once between them. The version dialog
  // posted behind the ticks comes once they have all run.
  void duringTheGap(ULONGLONG goneAt) {
    b.postCommand(CMD_QUICK_INPUT_2);
    const std::string refusal = b.answerMessageBox();
    EXPECT_TRUE(refusal == kSaveRefused || refusal == kMissingOrLocked) << refusal;
    for (int tick = 0; tick < 3; ++tick) {
      a.postTick();
      if (tick == 0) EXPECT_EQ(kMissingOrLocked, a.answerMessageBox());
    }
    HWND version = open(a, CMD_VERSION, kVersionTitle);
    EXPECT_EQ(nullptr, a.findDialog(kMessageCaption)) << "a box again at a later tick";
    press(version, IDCANCEL);
    waitUntil([&] { return GetTickCount64() >= goneAt + gapMs(); }, gapMs() + 1000);
  }
};

TEST(ShareDrop, FolderGoneAndBackOrReplacedLosesNothingIsToldOnceAndIsWatchedAgainByItself) {
  DroppingShare office;
  ProgramCopy& b = office.b;
  office.seenByA("出社", "before the gap");

  // Renamed away and back, as a share that drops and reconnects.
  ASSERT_TRUE(MoveFileA(office.shared.path().c_str(), office.away.c_str()));
  office.duringTheGap(GetTickCount64());
  ASSERT_TRUE(MoveFileA(office.away.c_str(), office.shared.path().c_str()));
  EXPECT_EQ("出社", destinationOf(b, "A001")) << "the refused change is not shown as done";
  office.seenByA("帰宅", "after the folder came back");
  office.mailSeenByA("戻りました", "after the folder came back");

  // Replaced: a new folder of the same name, the files put back into it.
  ASSERT_TRUE(MoveFileA(office.shared.path().c_str(), office.away.c_str()));
  office.duringTheGap(GetTickCount64());
  ASSERT_TRUE(CreateDirectoryA(office.shared.path().c_str(), nullptr));
  for (const char* name : {"boad1.csv"})
    ASSERT_TRUE(CopyFileA(joinPath(office.away, name).c_str(), office.shared.file(name).c_str(), TRUE)) << name;
  office.seenByA("出社", "after the folder was replaced");
  office.mailSeenByA("新しいﾌｫﾙﾀﾞ", "after the folder was replaced");

  // Nothing lost: every member is in the board with B's last word.
  const std::string bytes = readFileBytes(office.board());
  for (const char* id : {"S010", "A001", "m005", "K100"}) EXPECT_NE("", rowInFile(bytes, id)) << id;
  EXPECT_NE(std::string::npos, bytes.find("A001,3,青木 花子,出社,"));
  office.closeBoth();
}

}  // namespace
}  // namespace e2e
