// The administrator settings, with two copies sharing one Wabo.ini and one
// board folder: what one administrator changes reaches the other copy at its
// next start (boards, destination words, options) or reload (column names).
#include <windows.h>

#include <shlobj.h>
#include <gtest/gtest.h>

#include "harness/probes.h"
#include "steps.h"

namespace e2e {
namespace {

const char kAffectsEveryone[] = "この変更は全てのメンバーに影響します\n実行しますか？";
const char kNotWritten[] = "共有設定ﾌｧｲﾙ(Wabo.ini)に書き込めませんでした\n設定は変更されていません";

// An office whose two PCs keep Wabo.ini in the shared board folder.
struct Office {
  BoardFolder shared;
  ProgramCopy a{"A"}, b{"B"};

  explicit Office(const std::string& userId = "") {
    SharedSettingsText settings;
    settings.boardPaths[0] = shared.file("boad1.csv");
    settings.boardPaths[1] = shared.file("boad2.csv");
    settings.mailFolder = shared.path();
    writeFileBytes(ini(), settings.bytes());
    shared.writeBoard(1, officeBoard());
    LocalSettingsFile local;
    local.userId = userId;
    local.sharedSettingsFolder = shared.path();
    for (ProgramCopy* copy : {&a, &b}) copy->writeFile("WaboM.ini", local.bytes());
  }
  std::string ini() const { return shared.file("Wabo.ini"); }
  std::vector<std::string> iniLines() const { return fileLines(readFileBytes(ini())); }
  // The command writes Wabo.ini after its dialog has closed.
  bool iniLineBecomes(size_t index, const std::string& text) const {
    return waitUntil([&] {
      const std::vector<std::string> lines = fileLines(readFileOr(ini()));
      return lines.size() == 44 && lines[index] == text;
    });
  }
  std::string board(const std::string& name = "boad1.csv") const { return settledBoard(shared.file(name)); }
};

// Presses OK and answers the question every administrator dialog asks;
// returns the question.
std::string okAndAnswer(ProgramCopy& copy, HWND dialog, bool yes) {
  pressButton(dialog, IDOK);
  std::string text = copy.answerMessageBox(yes ? IDYES : IDNO);
  waitUntilGone(dialog);
  return text;
}

std::vector<int> wordPositions(HWND dialog, const std::vector<std::string>& words) {
  return positions(dialog, IDC_DL_LIST, LB_FINDSTRINGEXACT, LB_GETCOUNT, words);
}

// A visible window owned by `owner` that holds a control of the class
// `childClass`: the question a file dialog asks ("Button" Yes and No), the
// system's folder browser (its tree, "SysTreeView32").
HWND waitForOwned(HWND owner, const char* childClass) {
  return waitForWindow(
      [&](HWND w) { return GetWindow(w, GW_OWNER) == owner && FindWindowExA(w, nullptr, childClass, nullptr); },
      std::string("window with a ") + childClass + " over the dialog");
}

// 空の行き先ﾌｧｲﾙ作成 on a file name that is taken: the picker asks before
// it replaces the file; `replace` answers the question, and after No the
// picker is cancelled.
void createEmptyOver(ProgramCopy& copy, HWND dialog, const std::string& path, bool replace) {
  pressButton(dialog, IDC_BS_CREATE_EMPTY);
  HWND create = copy.waitForDialog("ﾃﾞｰﾀﾌｧｲﾙの作成");
  typeFileName(create, path);
  pressButton(create, IDOK);
  HWND question = waitForOwned(create, "Button");
  ASSERT_NE(nullptr, GetDlgItem(question, IDNO)) << windowText(question);
  press(question, replace ? IDYES : IDNO);
  if (!replace) {
    EXPECT_TRUE(isShown(create)) << "No goes back to the picker";
    pressButton(create, IDCANCEL);
  }
  waitUntilGone(create);
}

// Chooses `folder` in the system's folder browser that 参照 opened over
// `dialog` (as a click in its tree would), then presses OK or Cancel.
void chooseFolder(ProgramCopy& copy, HWND dialog, const std::string& folder, bool ok) {
  HWND browser = waitForOwned(dialog, "SysTreeView32");
  RemoteBuffer text(copy.process(), folder.size() + 1);
  text.write(folder.c_str(), folder.size() + 1);
  sendOrThrow(browser, BFFM_SETSELECTIONA, TRUE, text.at(), "BFFM_SETSELECTIONA");
  press(browser, ok ? IDOK : IDCANCEL);
}

TEST(AdminSettings, ABoardRenamedAndGivenANewEmptyFileReachesTheOtherCopy) {
  Office office;
  office.a.startSettled();
  HWND dialog = open(office.a, CMD_BOARD_SETTINGS, "行き先表示ﾎﾞｰﾄﾞの設定");
  EXPECT_EQ("ﾎﾞｰﾄﾞ2", controlText(dialog, IDC_BS_NAME2));
  EXPECT_EQ(office.shared.file("boad2.csv"), controlText(dialog, IDC_BS_FILE2));
  picture("board-settings-dialog", dialog);

  // A cancelled 参照 leaves the file text, also one that names no file.
  setControlText(dialog, IDC_BS_FILE3, "Q:\\ない\\3.csv");
  pressButton(dialog, IDC_BS_BROWSE3);
  HWND select = office.a.waitForDialog("ﾃﾞｰﾀﾌｧｲﾙの選択");
  EXPECT_EQ("選択する", controlText(select, IDOK));
  press(select, IDCANCEL);
  EXPECT_EQ("Q:\\ない\\3.csv", controlText(dialog, IDC_BS_FILE3));

  // 空の行き先ﾌｧｲﾙ作成 writes the new board at once.
  const std::string branch = office.shared.file("支店.csv");
  pressButton(dialog, IDC_BS_CREATE_EMPTY);
  HWND create = office.a.waitForDialog("ﾃﾞｰﾀﾌｧｲﾙの作成");
  EXPECT_EQ("作成する", controlText(create, IDOK));
  typeFileName(create, branch);
  press(create, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !office.board("支店.csv").empty(); }));
  std::vector<std::string> lines = fileLines(office.board("支店.csv"));
  ASSERT_EQ(5u, lines.size());
  EXPECT_EQ("ID,Icon No.,氏名,居場所,戻り,書込日時,携帯,連絡,予定表,備考,PC-Name", lines[1]);
  EXPECT_EQ("ID,0,名前,,,,,,,,", lines[2]);
  EXPECT_EQ(controlText(dialog, IDC_BS_FILE2), office.shared.file("boad2.csv")) << "no row takes the new file";

  // On a file that is there, the picker asks first; No keeps the file.
  const std::string emptyBoard = readFileBytes(branch);
  const std::string other = officeBoard().bytes();
  writeFileBytes(branch, other);
  createEmptyOver(office.a, dialog, branch, false);
  EXPECT_EQ(other, readFileBytes(branch));
  createEmptyOver(office.a, dialog, branch, true);
  ASSERT_TRUE(waitUntil([&] { return fileLines(office.board("支店.csv")).size() == 5u; }));
  EXPECT_EQ(fileLines(emptyBoard)[2], fileLines(office.board("支店.csv"))[2]);

  setControlText(dialog, IDC_BS_NAME2, "支店");
  setControlText(dialog, IDC_BS_FILE2, branch);
  setControlText(dialog, IDC_BS_FILE3, "");
  EXPECT_EQ(kAffectsEveryone, okAndAnswer(office.a, dialog, true));
  EXPECT_TRUE(waitUntil([&] { return itemById(office.a.menuBar(), CMD_BOARD_2).text == "支店 (&2)"; }));
  EXPECT_EQ(nullptr, office.a.findDialog(kMessageCaption)) << "board 1 is still there";
  lines = office.iniLines();
  EXPECT_EQ("支店", lines[4]);
  EXPECT_EQ(branch, lines[5]);
  EXPECT_EQ("", lines[8]);

  office.b.startSettled();
  EXPECT_EQ("支店 (&2)", itemById(office.b.menuBar(), CMD_BOARD_2).text);
  office.b.postCommand(CMD_BOARD_2);
  ASSERT_TRUE(waitUntil([&] { return office.b.list().columnTexts(0) == std::vector<std::string>{"ID"}; }));
  EXPECT_EQ(std::string(kTitlePrefix) + "支店", office.b.title());
  EXPECT_EQ(nullptr, office.b.findDialog(kMessageCaption));
}

TEST(AdminSettings, DestinationWordsAndOptionsReachTheOtherCopyAtItsStartAndColumnNamesAtItsReload) {
  Office office("K100");
  office.a.startSettled();
  HWND dialog = open(office.a, CMD_DESTINATION_LIST, "行き先ﾘｽﾄ設定");
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), wordPositions(dialog, {"事務所", "会議室", "出張", "休み"}));
  setControlText(dialog, IDC_DL_NEW_WORD, " 空白");
  pressButton(dialog, IDC_DL_ADD);
  EXPECT_TRUE(waitUntil([&] { return controlText(dialog, IDC_DL_NEW_WORD).empty(); }));
  setControlText(dialog, IDC_DL_NEW_WORD, "本社");
  pressButton(dialog, IDC_DL_ADD);
  EXPECT_TRUE(waitUntil([&] { return wordPositions(dialog, {"本社"}) == std::vector<int>{4, 5}; }));
  sendOrThrow(GetDlgItem(dialog, IDC_DL_LIST), LB_SETCURSEL, 0, 0, "select");
  pressButton(dialog, IDC_DL_DELETE);
  EXPECT_TRUE(waitUntil([&] {
    return wordPositions(dialog, {"事務所", "会議室", "本社"}) == std::vector<int>{-1, 0, 3, 4};
  }));
  picture("destination-list-dialog", dialog);
  EXPECT_EQ(kAffectsEveryone, okAndAnswer(office.a, dialog, true));
  ASSERT_TRUE(office.iniLineBecomes(27, "本社"));
  std::vector<std::string> lines = office.iniLines();
  EXPECT_EQ((std::vector<std::string>{"会議室", "出張", "休み", "本社", ""}),
            std::vector<std::string>(lines.begin() + 24, lines.begin() + 29));

  // With backup on, a save leaves boad1.bak; after その他設定 turned it off, none.
  office.a.postCommand(CMD_QUICK_INPUT_1);
  ASSERT_TRUE(boardGets(office.shared.file("boad1.csv"), "\nK100,69,加藤 次郎,出社,"));
  ASSERT_TRUE(DeleteFileA(office.shared.file("boad1.bak").c_str()));
  dialog = open(office.a, CMD_OTHER_SETTINGS, "その他設定");
  EXPECT_TRUE(checked(dialog, IDC_OS_BACKUP));
  EXPECT_EQ(office.shared.path(), controlText(dialog, IDC_OS_MAIL_FOLDER));
  pressButton(dialog, IDC_OS_BACKUP);
  EXPECT_TRUE(waitUntil([&] { return !checked(dialog, IDC_OS_BACKUP); }));
  picture("other-settings-dialog", dialog);
  // 参照 through the system's folder browser: Cancel keeps the text, OK
  // puts the chosen folder in.
  const std::string mail = office.shared.file("mail");
  ASSERT_TRUE(CreateDirectoryA(mail.c_str(), nullptr));
  pressButton(dialog, IDC_OS_BROWSE);
  chooseFolder(office.a, dialog, mail, false);
  EXPECT_EQ(office.shared.path(), controlText(dialog, IDC_OS_MAIL_FOLDER));
  pressButton(dialog, IDC_OS_BROWSE);
  chooseFolder(office.a, dialog, mail, true);
  EXPECT_TRUE(waitUntil([&] { return controlText(dialog, IDC_OS_MAIL_FOLDER) == mail; }))
      << controlText(dialog, IDC_OS_MAIL_FOLDER);
  okAndAnswer(office.a, dialog, true);
  EXPECT_TRUE(office.iniLineBecomes(18, "0"));
  EXPECT_EQ(mail, office.iniLines()[16]);
  office.a.postCommand(CMD_QUICK_INPUT_2);
  ASSERT_TRUE(boardGets(office.shared.file("boad1.csv"), "\nK100,69,加藤 次郎,帰宅,"));
  EXPECT_FALSE(fileExists(office.shared.file("boad1.bak")));

  // The other copy offers the new words when its destination dialog opens.
  office.b.startSettled();
  HWND destination = open(office.b, CMD_ADD_MEMBER, "新規ﾒﾝﾊﾞｰの追加");
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), positions(destination, IDC_DEST_DESTINATION, CB_FINDSTRINGEXACT,
                                                         CB_GETCOUNT, {"会議室", "出張", "休み", "本社"}));
  press(destination, IDCANCEL);

  // A Wabo.ini that cannot be written: told, and nothing changes, in the
  // file or in the program.
  const std::string before = readFileBytes(office.ini());
  ASSERT_TRUE(SetFileAttributesA(office.ini().c_str(), FILE_ATTRIBUTE_READONLY));
  dialog = open(office.a, CMD_DESTINATION_LIST, "行き先ﾘｽﾄ設定");
  setControlText(dialog, IDC_DL_NEW_WORD, "工場");
  pressButton(dialog, IDC_DL_ADD);
  EXPECT_TRUE(waitUntil([&] { return wordPositions(dialog, {"工場"}) == std::vector<int>{4, 5}; }));
  okAndAnswer(office.a, dialog, true);
  EXPECT_EQ(kNotWritten, office.a.answerMessageBox());
  SetFileAttributesA(office.ini().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(before, readFileBytes(office.ini()));
  EXPECT_FALSE(fileExists(office.ini() + ".new"));
  dialog = open(office.a, CMD_DESTINATION_LIST, "行き先ﾘｽﾄ設定");
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, -1, 4}), wordPositions(dialog, {"会議室", "出張", "休み", "本社", "工場"}));
  // No is Cancel: nothing is written even now that the file could be.
  setControlText(dialog, IDC_DL_NEW_WORD, "工場");
  pressButton(dialog, IDC_DL_ADD);
  okAndAnswer(office.a, dialog, false);
  EXPECT_EQ(before, readFileBytes(office.ini()));

  SCOPED_TRACE("was AdminSettings.ColumnNamesOfOneCopyAppearOnTheOtherWhenItsWatchReloads");
  dialog = open(office.a, CMD_COLUMN_NAMES, "列名称設定");
  EXPECT_EQ("居場所", controlText(dialog, IDC_CN_CAPTION2));
  EXPECT_EQ("書込日時", controlText(dialog, IDC_CN_CAPTION4));
  picture("column-names-dialog", dialog);
  setControlText(dialog, IDC_CN_CAPTION2, "行き先,今");
  setControlText(dialog, IDC_CN_CAPTION8, "備考,メモ");
  EXPECT_EQ(kAffectsEveryone, okAndAnswer(office.a, dialog, true));
  // While the administrator reads the comma message, the other copy saves
  // a destination: the rename goes over it, and it stays.
  office.a.waitForDialog(kMessageCaption);
  office.b.postCommand(CMD_QUICK_INPUT_1);
  ASSERT_TRUE(boardGets(office.shared.file("boad1.csv"), "\nK100,69,加藤 次郎,出社,"));
  EXPECT_EQ(kCommaConverted, office.a.answerMessageBox());
  ASSERT_TRUE(office.a.waitForUpdateTime(kReloaded));
  EXPECT_EQ("行き先/今", office.a.list().columnCaptions()[2]);
  lines = fileLines(office.board());
  EXPECT_EQ("ID,Icon No.,氏名,行き先/今,戻り,書込日時,携帯,連絡,予定表,備考/メモ,PC-Name", lines[1]);
  EXPECT_NE(office.board().find("\nK100,69,加藤 次郎,出社,"), std::string::npos) << "the other copy's save was undone";
  EXPECT_EQ("出社", destinationOf(office.a, "K100"));
  EXPECT_EQ(nullptr, office.a.findDialog(kMessageCaption)) << "the message came once, and no failure";

  // B, with auto update on, reloads as soon as its folder watch sees the save.
  EXPECT_TRUE(waitUntil([&] { return office.b.list().columnCaptions()[2] == "行き先/今"; }));
  EXPECT_TRUE(office.b.waitForUpdateTime(kReloaded));
  EXPECT_EQ("備考/メモ", office.b.list().columnCaptions()[8]);
}

}  // namespace
}  // namespace e2e
