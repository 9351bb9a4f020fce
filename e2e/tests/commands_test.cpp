// The board commands through the real menus and dialogs, with two copies of
// the program sharing one board folder (two PCs of an office).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

const char kCommaConverted[] = "[ , ]は、[ / ]に変換されます。";
using Fields = std::vector<std::pair<int, std::string>>;

// Two members; the return-time caption is longer than the 8 bytes the
// destination dialog shows of it.
BoardText officeOfTwo() {
  BoardText board;
  board.stamp = 1234;
  board.captions = {"名前", "行き先", "戻り予定時刻", "書込日時", "携帯番号", "連絡事項", "予定", "その他"};
  board.members = {
      {"A001", 3, "青木 花子", "事務所", "", "2025/01/05 18:40", "080-3333-4444", "", "", "", "PC-AOKI"},
      {"K100", 7, "加藤 次郎", "会議室", "17:30", "2025/01/04 12:00", "", "至急", "", "", ""},
  };
  board.message = "本日は定例会議があります";
  return board;
}

void fill(HWND dialog, const Fields& fields) {
  for (const auto& field : fields) setControlText(dialog, field.first, field.second);
}

void confirm(HWND dialog, const Fields& fields = {}) {
  fill(dialog, fields);
  pressButton(dialog, IDOK);
  waitUntilGone(dialog);
}

// The shared board folder holds officeOfTwo and copy A runs on it; copy B,
// the second PC, starts where a scenario needs it.
class BoardCommands : public ::testing::Test {
 protected:
  BoardFolder shared;
  ProgramCopy a{"A"}, b{"B"};

  void SetUp() override {
    shared.writeBoard(1, officeOfTwo());
    start(a);
  }

  void start(ProgramCopy& copy) {
    copy.useBoardFolder(shared);
    copy.start();
    // After the first tick, no tick meets the steps of the test.
    ASSERT_TRUE(copy.waitForUnchangedCheck());
  }

  std::string board() { return settledBoard(shared.file("boad1.csv"), shared.file("lock.dat")); }

  // The row of a member in the shared board; "" while it has none.
  std::string row(const std::string& id) {
    for (const std::string& line : fileLines(board()))
      if (line.compare(0, id.size() + 1, id + ",") == 0) return line;
    return std::string();
  }

  // Waits until the row of the member whose ID `start` begins with begins so.
  bool rowBecomes(const std::string& start) {
    return waitUntil([&] { return row(start.substr(0, start.find(','))).compare(0, start.size(), start) == 0; });
  }

  HWND openDestinationOf(ProgramCopy& copy, const std::string& id) {
    copy.postCommand(CMD_DESTINATION_BY_ID);
    confirm(copy.waitForDialog("行き先入力"), {{IDC_TARGET_ID, id}});
    return copy.waitForDialog("行き先の変更");
  }

  // Expects the whole board file to hold `expected`, whose empty write times
  // are those A shows (the stamp is the last save's); `expected` so filled.
  BoardText expectBoardFile(BoardText expected) {
    for (MemberLine& m : expected.members)
      if (m.writeTime.empty()) m.writeTime = a.list().text(rowOf(a, m.id), 4);
    std::vector<std::string> lines = fileLines(board()), expectedLines = fileLines(expected.bytes());
    if (!lines.empty()) lines[0] = expectedLines[0] = "";
    EXPECT_EQ(expectedLines, lines);
    return expected;
  }
};

// B saves first; A has not reloaded, so it still shows K100 in the meeting
// room, and its new member is added over B's save, which it keeps.
// Refused input keeps the dialog open; commas become slashes, said once.
TEST_F(BoardCommands, NewMemberAddedOverTheOtherCopysSaveKeepsThatSave) {
  start(b);
  confirm(openDestinationOf(b, "K100"), {{IDC_DEST_DESTINATION, "外出"}});
  ASSERT_TRUE(rowBecomes("K100,7,加藤 次郎,外出,")) << board();
  const std::string savedByB = row("K100");
  EXPECT_EQ("会議室", destinationOf(a, "K100"));

  a.postCommand(CMD_ADD_MEMBER);
  HWND form = a.waitForDialog("新規ﾒﾝﾊﾞｰの追加");
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

// The destination dialog finds its member in any letter case and shows the
// row; quick input without a user ID asks for it first, then no more. B
// reloads and shows A's edits.
TEST_F(BoardCommands, DestinationDialogAndQuickInputReachTheFileAndTheOtherCopy) {
  start(b);
  HWND form = openDestinationOf(a, "k100");
  EXPECT_EQ("K100", controlText(form, IDC_DEST_ID));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(form, IDC_DEST_ID)));
  EXPECT_EQ("加藤 次郎", controlText(form, IDC_DEST_NAME));
  EXPECT_EQ("会議室", controlText(form, IDC_DEST_DESTINATION));
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
  expected.members[0].destination = "帰宅";
  expected.members[0].writeTime = "";
  expected.members[1].destination = "出張";
  expected.members[1].returnTime = "明日";
  expected.members[1].writeTime = "";
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

// The own icon: the user's row after the user ID is set; the list shows the
// 70 icons with their numbers; numbers outside 0..69 and unknown IDs are
// refused with the dialog left open; a click on an icon takes its number.
TEST_F(BoardCommands, IconDialogOffersSeventyIconsAndRefusesWhatIsNotThere) {
  a.postCommand(CMD_USER_ID);
  confirm(a.waitForDialog(kUserIdTitle), {{IDC_USER_ID, "a001"}});
  a.postCommand(CMD_ICON_OWN);
  HWND icons = a.waitForDialog("アイコンの選択");
  EXPECT_EQ("A001", controlText(icons, IDC_ICON_TARGET_ID));
  EXPECT_EQ("3", controlText(icons, IDC_ICON_NUMBER));
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
// selected member; the message to all members reaches the file's last line
// and the status bar.
TEST_F(BoardCommands, PcNameShowsItsColumnAndTheMessageReachesTheStatusBar) {
  EXPECT_EQ(0, a.list().columnWidth(9));
  a.list().setItemState(-1, LVIS_SELECTED | LVIS_FOCUSED, 0);
  a.list().setItemState(rowOf(a, "K100"), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  a.postCommand(CMD_PC_NAME);
  HWND pc = a.waitForDialog("PC-Name入力");
  EXPECT_EQ("K100", controlText(pc, IDC_PCN_ID));
  EXPECT_EQ("加藤 次郎", controlText(pc, IDC_PCN_NAME));
  confirm(pc, {{IDC_PCN_PC_NAME, "192.168.1.20"}});
  ASSERT_TRUE(waitUntil([&] { return row("K100").find(",192.168.1.20") != std::string::npos; })) << board();
  EXPECT_EQ(100, a.list().columnWidth(9));

  a.postCommand(CMD_ALL_MEMBERS_MESSAGE);
  HWND message = a.waitForDialog("全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成");
  EXPECT_EQ("本日は定例会議があります", controlText(message, IDC_MESSAGE_TEXT));
  fill(message, {{IDC_MESSAGE_TEXT, "明日は,休業日です"}});
  picture("message-dialog", message);
  pressButton(message, IDOK);
  EXPECT_EQ(kCommaConverted, a.answerMessageBox());
  waitUntilGone(message);
  ASSERT_TRUE(waitUntil([&] { return board().find("\r\nEND,\r\n明日は/休業日です\r\n") != std::string::npos; }))
      << board();
  EXPECT_EQ("明日は/休業日です", a.statusBar().partText(0));
  BoardText expected = officeOfTwo();
  expected.members[1].pcName = "192.168.1.20";
  expected.message = "明日は/休業日です";
  expectBoardFile(expected);
}

}  // namespace
}  // namespace e2e
