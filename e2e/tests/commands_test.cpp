// The board commands through the real menus and dialogs, with two copies of
// the program sharing one board folder (two PCs of an office).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

// Copy A runs on officeOfTwo; copy B starts where a scenario needs it. Auto
// update is off: no folder watch reloads a copy behind a scenario's back.
class BoardCommands : public ::testing::Test {
 protected:
  TwoPcs office{officeOfTwo(), {"", ""}, 0};
  ProgramCopy &a = office.a, &b = office.b;

  void SetUp() override { a.startSettled(); }
  std::string board() { return settledBoard(office.board()); }
  std::string row(const std::string& id) { return rowInFile(board(), id); }
  // Waits until the row of the member whose ID `start` begins with begins so.
  bool rowBecomes(const std::string& start) {
    return waitUntil([&] { return row(start.substr(0, start.find(','))).compare(0, start.size(), start) == 0; });
  }
  HWND openDestinationOf(ProgramCopy& copy, const std::string& id) {
    confirm(open(copy, CMD_DESTINATION_BY_ID, "行き先入力"), {{IDC_TARGET_ID, id}});
    return copy.waitForDialog("行き先の変更");
  }
  // Expects the board file to hold `expected` but for the stamp; its empty
  // write times are those A shows. Returns `expected` so filled.
  BoardText expectBoardFile(BoardText expected) {
    for (MemberLine& m : expected.members)
      if (m.writeTime.empty()) m.writeTime = a.list().text(rowOf(a, m.id), 4);
    std::vector<std::string> lines = fileLines(board()), expectedLines = fileLines(expected.bytes());
    if (!lines.empty()) lines[0] = expectedLines[0] = "";
    EXPECT_EQ(expectedLines, lines);
    return expected;
  }
};

// B saves first; A, not reloaded, adds a member over B's save and keeps it.
// Refused input keeps the dialog open; commas become slashes, said once.
TEST_F(BoardCommands, NewMemberAddedOverTheOtherCopysSaveKeepsThatSave) {
  b.startSettled();
  confirm(openDestinationOf(b, "K100"), {{IDC_DEST_DESTINATION, "外出"}});
  ASSERT_TRUE(rowBecomes("K100,7,加藤 次郎,外出,")) << board();
  const std::string savedByB = row("K100");
  EXPECT_EQ("会議室", destinationOf(a, "K100"));

  HWND form = open(a, CMD_ADD_MEMBER, "新規ﾒﾝﾊﾞｰの追加");
  EXPECT_EQ("戻り予定", controlText(form, IDC_DEST_LABEL_RETURN));
  const char* refusals[][2] = {{"", "IDが入力されていません "}, {" N1", "IDにｽﾍﾟｰｽ文字は使えません "}};
  for (const auto& refusal : refusals) {
    setControlText(form, IDC_DEST_ID, refusal[0]);
    pressButton(form, IDOK);
    EXPECT_EQ(refusal[1], a.answerMessageBox());
    EXPECT_TRUE(isShown(form));
  }
  fill(form, {{IDC_DEST_ID, "N050"},
              {IDC_DEST_NAME, "中村 三郎"},
              {IDC_DEST_DESTINATION, "本社,3階"},
              {IDC_DEST_RETURN, "15:00"},
              {IDC_DEST_MOBILE, "090-0000-1111"},
              {IDC_DEST_CONTACT, "表示テスト,至急"},
              {IDC_DEST_SCHEDULE, "午後:来客"},
              {IDC_DEST_OTHER, "ソフト"}});
  picture("new-member-dialog", form);
  pressButton(form, IDOK);
  EXPECT_EQ(kCommaConverted, a.answerMessageBox());  // once, for two fields with commas
  waitUntilGone(form);
  ASSERT_TRUE(rowBecomes("N050,0,中村 三郎,")) << board();
  EXPECT_EQ(savedByB, row("K100"));
  EXPECT_EQ("外出", destinationOf(a, "K100"));
  BoardText expected = officeOfTwo();
  expected.members = {{"N050", 0, "中村 三郎", "本社/3階", "15:00", "", "090-0000-1111", "表示テスト/至急",
                       "午後:来客", "ソフト", ""},
                      expected.members[0], expected.members[1]};
  expected.members[2].destination = "外出";
  expected.members[2].writeTime = "";  // B's save stamped it
  expectBoardFile(expected);
}

// The destination dialog finds its member in any letter case; quick input
// without a user ID asks for it first, then no more. B reloads A's edits.
TEST_F(BoardCommands, DestinationDialogAndQuickInputReachTheFileAndTheOtherCopy) {
  b.startSettled();
  HWND form = openDestinationOf(a, "k100");
  const Fields shown = {{IDC_DEST_ID, "K100"}, {IDC_DEST_NAME, "加藤 次郎"}, {IDC_DEST_DESTINATION, "会議室"}};
  EXPECT_EQ(shown, shownFields(form, shown));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(form, IDC_DEST_ID)));
  fill(form, {{IDC_DEST_DESTINATION, "出張"}, {IDC_DEST_RETURN, "明日"}});
  picture("destination-dialog", form);
  confirm(form);
  ASSERT_TRUE(rowBecomes("K100,7,加藤 次郎,出張,明日,")) << board();

  a.postCommand(CMD_QUICK_INPUT_1);
  confirm(a.waitForDialog(kUserIdTitle), {{IDC_USER_ID, "a001"}});
  ASSERT_TRUE(rowBecomes("A001,3,青木 花子,出社,")) << board();
  a.postCommand(CMD_QUICK_INPUT_2);
  ASSERT_TRUE(rowBecomes("A001,3,青木 花子,帰宅,")) << board();
  BoardText expected = officeOfTwo();
  MemberLine &aoki = expected.members[0], &kato = expected.members[1];
  aoki.destination = "帰宅", kato.destination = "出張", kato.returnTime = "明日";
  aoki.writeTime = kato.writeTime = "";
  expected = expectBoardFile(expected);
  EXPECT_NE(officeOfTwo().members[0].writeTime, expected.members[0].writeTime) << "the edits are stamped";
  picture("main-window-after-edits", a.mainWindow());

  // (B's last save and A's may share a second, and so the stamp: whether B
  // is told of news is left open.)
  b.postCommand(CMD_REFRESH);
  b.answerMessageBox();
  for (const MemberLine& m : expected.members) {
    ListRow shown = b.list().row(rowOf(b, m.id));
    EXPECT_EQ(listTexts(m), shown.texts);
    EXPECT_EQ(m.icon, shown.image) << m.id;
  }
}

// The own icon: the user's row once the user ID is set; 70 numbered icons;
// numbers outside 0..69 and unknown IDs refused with the dialog left open;
// a click on an icon takes its number.
TEST_F(BoardCommands, IconDialogOffersSeventyIconsAndRefusesWhatIsNotThere) {
  confirm(open(a, CMD_USER_ID, kUserIdTitle), {{IDC_USER_ID, "a001"}});
  HWND icons = open(a, CMD_ICON_OWN, "アイコンの選択");
  const Fields own = {{IDC_ICON_TARGET_ID, "A001"}, {IDC_ICON_NUMBER, "3"}};
  EXPECT_EQ(own, shownFields(icons, own));
  ListViewProbe pictures(a.process(), GetDlgItem(icons, IDC_ICON_LIST));
  std::vector<std::string> labels = pictures.columnTexts(0);
  ASSERT_EQ(70u, labels.size());
  for (int n = 0; n < 70; ++n) {
    EXPECT_EQ(std::to_string(n), labels[n]);
    EXPECT_EQ(n, pictures.item(n).image);
  }
  const char* iconRefusals[][3] = {{"A001", "70", "ｱｲｺﾝNo.が範囲外です "}, {"Z999", "69", "IDが見つかりません "}};
  for (const auto& refusal : iconRefusals) {
    fill(icons, {{IDC_ICON_TARGET_ID, refusal[0]}, {IDC_ICON_NUMBER, refusal[1]}});
    pressButton(icons, IDOK);
    EXPECT_EQ(refusal[2], a.answerMessageBox());
    EXPECT_TRUE(isShown(icons));
  }
  setControlText(icons, IDC_ICON_TARGET_ID, "A001");
  pictures.clickItem(12);
  EXPECT_TRUE(waitUntil([&] { return controlText(icons, IDC_ICON_NUMBER) == "12"; }));
  picture("icon-dialog", icons);
  confirm(icons);
  ASSERT_TRUE(rowBecomes("A001,12,")) << board();
  BoardText expected = officeOfTwo();
  expected.members[0].icon = 12;
  expectBoardFile(expected);
}

// The PC-Name column is hidden (width 0) until a PC name is entered for the
// selected member; the message to all members reaches the file and the
// status bar.
TEST_F(BoardCommands, PcNameShowsItsColumnAndTheMessageReachesTheStatusBar) {
  EXPECT_EQ(0, a.list().columnWidths()[9]);
  a.list().setItemState(-1, LVIS_SELECTED | LVIS_FOCUSED, 0);
  a.list().setItemState(rowOf(a, "K100"), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  HWND pc = open(a, CMD_PC_NAME, "PC-Name入力");
  const Fields selected = {{IDC_PCN_ID, "K100"}, {IDC_PCN_NAME, "加藤 次郎"}};
  EXPECT_EQ(selected, shownFields(pc, selected));
  confirm(pc, {{IDC_PCN_PC_NAME, "192.168.1.20"}});
  ASSERT_TRUE(waitUntil([&] { return row("K100").find(",192.168.1.20") != std::string::npos; })) << board();
  EXPECT_EQ(100, a.list().columnWidths()[9]);

  HWND message = open(a, CMD_ALL_MEMBERS_MESSAGE, "全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成");
  EXPECT_EQ("本日は定例会議があります", controlText(message, IDC_MESSAGE_TEXT));
  fill(message, {{IDC_MESSAGE_TEXT, "明日は,休業日です"}});
  picture("message-dialog", message);
  pressButton(message, IDOK);
  EXPECT_EQ(kCommaConverted, a.answerMessageBox());
  waitUntilGone(message);
  ASSERT_TRUE(boardGets(office.board(), "\r\nEND,\r\n明日は/休業日です\r\n")) << board();
  EXPECT_EQ("明日は/休業日です", a.statusBar().partText(0));
  BoardText expected = officeOfTwo();
  expected.members[1].pcName = "192.168.1.20";
  expected.message = "明日は/休業日です";
  expectBoardFile(expected);
}

}  // namespace
}  // namespace e2e
