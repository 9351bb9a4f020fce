// Mail between two copies of the program sharing a board and a mail folder
// (two PCs of an office), through the real menus and dialogs.
#include <windows.h>

#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

// A writes to B and to an ID not on the board in one send, after trying the
// receiver selection; B's 更新 announces and shows it, exports it and
// replies from the view; A, minimised, is restored for the reply's view.
// Each mail file is gone once its view has closed. Auto update is off: the
// folder watch brings mail by itself (watch_test.cpp).
TEST(Mail, SentByOneCopyIsShownOnceByTheOtherAndAnsweredFromTheView) {
  TwoPcs office(officeOfTwo(), {"A001", "K100"}, 0);
  ProgramCopy &a = office.a, &b = office.b;
  office.startBoth();

  // A: 送信先選択 with both members chosen fills the field with both IDs.
  HWND compose = open(a, CMD_MAIL, kComposeTitle);
  EXPECT_EQ("", controlText(compose, IDC_MC_RECIPIENTS));
  pressButton(compose, IDC_MC_CHOOSE);
  HWND chooser = a.waitForDialog("ﾒｰﾙ送信先の選択");
  EXPECT_EQ((std::vector<int>{0, 1, 2}),
            positions(chooser, IDC_MR_LIST, LB_FINDSTRINGEXACT, LB_GETCOUNT, {"A001,  青木 花子", "K100,  加藤 次郎"}));
  for (WPARAM i : {0, 1}) sendOrThrow(GetDlgItem(chooser, IDC_MR_LIST), LB_SETSEL, TRUE, static_cast<LPARAM>(i), "LB_SETSEL");
  picture("mail-recipients-dialog", chooser);
  press(chooser, IDOK);
  EXPECT_EQ("A001,K100", controlText(compose, IDC_MC_RECIPIENTS));

  // One send to B and to an ID that names nobody.
  const std::string text = "会議は15時から\r\n表示ソフトの件";
  fill(compose, {{IDC_MC_TEXT, text}, {IDC_MC_RECIPIENTS, "K100,X999"}});
  picture("mail-compose-dialog", compose);
  pressButton(compose, IDC_MC_SEND);
  EXPECT_EQ("送信先IDの[X999]が見つかりません", a.answerMessageBox());
  EXPECT_EQ("加藤 次郎さんにﾒｰﾙを送信しました", a.answerMessageBox());
  waitUntilGone(compose);
  const std::string mailOfB = office.shared.file("K1000.ml");
  ASSERT_TRUE(fileExists(mailOfB));
  EXPECT_EQ(0u, readFileBytes(mailOfB).find("A001\x01"));
  EXPECT_FALSE(fileExists(office.shared.file("X9990.ml")));

  // B: 更新, then the announcement and the view with sender and time.
  b.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, b.answerMessageBox());
  EXPECT_EQ("青木 花子さんからメールです！", b.answerMessageBox());
  HWND view = b.waitForDialog(kViewTitle);
  EXPECT_EQ("A001", controlText(view, IDC_MV_SENDER));
  const std::string sentTime = controlText(view, IDC_MV_TIME);
  EXPECT_TRUE(isStampTime(sentTime)) << sentTime;
  EXPECT_EQ(text, controlText(view, IDC_MV_TEXT));
  picture("mail-view-dialog", view);

  // 保存する: the save picker with its own title and OK text writes the six lines.
  pressButton(view, IDC_MV_SAVE);
  HWND picker = b.waitForDialog("ﾒｰﾙの保存");
  // The system's dialog may still be filling its folder view for a moment.
  EXPECT_TRUE(waitUntil([&] { return controlTextOr(picker, IDOK) == "保存する"; }, 30000))
      << controlTextOr(picker, IDOK);
  const std::string exported = b.file("mail.txt");
  typeFileName(picker, exported);
  press(picker, IDOK);
  ASSERT_TRUE(waitUntil([&] { return b.hasFile("mail.txt"); }));
  EXPECT_EQ("[ﾒｰﾙ送信者ID]\r\nA001\r\n[ﾒｰﾙ内容]\r\n" + text + "\r\n[ﾒｰﾙ送信時間]\r\n" + sentTime + "\r\n",
            b.readFile("mail.txt"));
  EXPECT_TRUE(isShown(view));

  // 返信を書く: the mail is gone, the compose dialog is addressed to A.
  press(view, IDC_MV_REPLY);
  compose = b.waitForDialog(kComposeTitle);
  EXPECT_FALSE(fileExists(mailOfB));
  EXPECT_EQ("A001", controlText(compose, IDC_MC_RECIPIENTS));
  setControlText(compose, IDC_MC_TEXT, "了解");
  pressButton(compose, IDC_MC_SEND);
  EXPECT_EQ("青木 花子さんにﾒｰﾙを送信しました", b.answerMessageBox());
  waitUntilGone(compose);

  // A, minimised, picks the reply up at its next tick: restored first.
  ShowWindow(a.mainWindow(), SW_MINIMIZE);
  ASSERT_TRUE(waitUntil([&] { return IsIconic(a.mainWindow()) != FALSE; }));
  a.postTick();
  EXPECT_EQ("加藤 次郎さんからメールです！", a.answerMessageBox());
  view = a.waitForDialog(kViewTitle);
  EXPECT_FALSE(IsIconic(a.mainWindow()));
  EXPECT_EQ("K100", controlText(view, IDC_MV_SENDER));
  EXPECT_EQ("了解", controlText(view, IDC_MV_TEXT));
  press(view, IDOK);
  EXPECT_TRUE(waitUntil([&] { return !fileExists(office.shared.file("A0010.ml")); }));
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
  office.closeBoth();
}

// The names in a folder that match `pattern` (e.g. "*.tmp").
std::vector<std::string> namesIn(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA(joinPath(folder, pattern).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

// Mails K100 from `from` (K100 too) through the compose dialog.
void mailToSelf(ProgramCopy& from, const std::string& text) {
  HWND compose = open(from, CMD_MAIL, kComposeTitle);
  fill(compose, {{IDC_MC_TEXT, text}, {IDC_MC_RECIPIENTS, "K100"}});
  pressButton(compose, IDC_MC_SEND);
  EXPECT_EQ("加藤 次郎さんにﾒｰﾙを送信しました", from.answerMessageBox());
  waitUntilGone(compose);
}

// Its announcement answered, the view that follows it.
HWND announcedView(ProgramCopy& copy) {
  copy.postTick();
  EXPECT_EQ("加藤 次郎さんからメールです！", copy.answerMessageBox());
  return copy.waitForDialog(kViewTitle);
}

// The same user on two PCs: both show the mail; B closes its view first and
// deletes it, and a new mail takes the slot while A's view is still open.
// Closing A's view leaves the new mail, which A's next pickup shows. No
// draft of a send stays behind, and a send never replaces a slot file.
TEST(Mail, TheSameUserOnTwoPcsNeverDeletesAMailThatWasNotShown) {
  TwoPcs office(officeOfTwo(), {"K100", "K100"}, 0);
  ProgramCopy &a = office.a, &b = office.b;
  office.startBoth();
  const std::string slot0 = office.shared.file("K1000.ml");
  mailToSelf(a, "最初の件");
  ASSERT_TRUE(fileExists(slot0));
  EXPECT_EQ((std::vector<std::string>{"K1000.ml"}), namesIn(office.shared.path(), "K100*"));
  EXPECT_TRUE(namesIn(office.shared.path(), "*.tmp").empty());

  HWND viewA = announcedView(a);
  EXPECT_EQ("最初の件", controlText(viewA, IDC_MV_TEXT));
  HWND viewB = announcedView(b);
  EXPECT_EQ("最初の件", controlText(viewB, IDC_MV_TEXT));
  press(viewB, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !fileExists(slot0); }));
  mailToSelf(b, "次の件");
  const std::string second = readFileBytes(slot0);
  EXPECT_NE(std::string::npos, second.find("K100\x01")) << second;

  press(viewA, IDOK);
  ASSERT_TRUE(waitUntil([&] { return a.findDialog(kViewTitle) == nullptr; }));
  viewA = announcedView(a);  // had A deleted it, nothing would be announced
  EXPECT_EQ("次の件", controlText(viewA, IDC_MV_TEXT));
  EXPECT_EQ(second, readFileOr(slot0));
  press(viewA, IDOK);
  EXPECT_TRUE(waitUntil([&] { return !fileExists(slot0); }));
  // A slot file is never replaced: a mail finds slot 0 taken and goes to slot 1.
  writeFileBytes(slot0, "taken");
  mailToSelf(b, "三番目");
  EXPECT_EQ("taken", readFileBytes(slot0));
  EXPECT_EQ(0u, readFileOr(office.shared.file("K1001.ml")).find("K100\x01"));
  EXPECT_TRUE(namesIn(office.shared.path(), "*.tmp").empty());
  office.closeBoth();
}

}  // namespace
}  // namespace e2e
