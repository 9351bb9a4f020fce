// The bulletin board with two copies sharing one mail folder (two PCs).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

struct Post {
  std::string subject, info, writer;
};

// 新規作成, the three fields, 書込み; the new-post dialog.
HWND writePost(ProgramCopy& copy, HWND board, const Post& post) {
  pressButton(board, IDC_BB_NEW);
  HWND form = copy.waitForDialog("新規作成");
  fill(form, {{IDC_BN_SUBJECT, post.subject}, {IDC_BN_TEXT, post.info}, {IDC_BN_WRITER, post.writer}});
  pressButton(form, IDC_BN_WRITE);
  return form;
}

// keiji.dat of these posts, each stamped with the time a list shows for it.
std::string keijiOf(const std::vector<Post>& posts, const ListViewProbe& list) {
  std::string out = std::to_string(posts.size()) + ",";
  for (size_t i = 0; i < posts.size(); ++i) {
    const Post& p = posts[i];
    out += p.subject + "\x01" + p.info + "\x01" + p.writer + "\x01" + list.text(static_cast<int>(i), 3) + "\r\n";
  }
  return out;
}

// Selects a row, presses 削  除 and answers the question; its text.
std::string deleteRow(ProgramCopy& copy, HWND board, ListViewProbe& list, int row, int answer) {
  list.setItemState(-1, LVIS_SELECTED, 0);
  list.setItemState(row, LVIS_SELECTED, LVIS_SELECTED);
  pressButton(board, IDC_BB_DELETE);
  return copy.answerMessageBox(answer, kQuestionCaption);
}

// A and B open the board on the same file; A posts, then B posts: both
// posts are in the file and in B's list. A deletion asked with No keeps the
// post; with Yes it removes only that post and A's list shows B's post too.
TEST(Bulletin, PostsOfTwoCopiesBothSurvive) {
  TwoPcs office(officeBoard());
  ProgramCopy &a = office.a, &b = office.b;
  const std::string keiji = office.shared.file("keiji.dat");
  writeFileBytes(keiji, "1,朝礼\x01" "9時から\x01総務\x01" "2026/12/01 08:30\r\n");
  office.startBoth();
  HWND boardA = open(a, CMD_BULLETIN, "掲示板"), boardB = open(b, CMD_BULLETIN, "掲示板");
  ListViewProbe listA(a.process(), GetDlgItem(boardA, IDC_BB_LIST));
  ListViewProbe listB(b.process(), GetDlgItem(boardB, IDC_BB_LIST));
  EXPECT_EQ((std::vector<std::string>{"件名", "情報", "書込み者", "書込日時"}), listA.columnCaptions());
  EXPECT_EQ((std::vector<int>{0, 2, 3, 1}), listA.columnOrder());
  EXPECT_EQ((std::vector<int>{105, 500, 70, 79}), listA.columnWidths());
  const Fields first = {{IDC_BB_SUBJECT, "朝礼"}, {IDC_BB_INFO, "9時から"}, {IDC_BB_WRITER, "総務"}};
  EXPECT_EQ(first, shownFields(boardA, first));

  const std::vector<Post> posts = {
      {"備品", "コピー用紙を発注", ""}, {"表彰式", "本日15時\r\n会議室にて", "ソ連"}, {"朝礼", "9時から", "総務"}};
  waitUntilGone(writePost(a, boardA, posts[1]));
  EXPECT_EQ((std::vector<std::string>{"表彰式", "朝礼"}), listA.columnTexts(0));
  waitUntilGone(writePost(b, boardB, posts[0]));
  // B shows the merged list, its own post on top and shown; the file holds all three.
  EXPECT_EQ((std::vector<std::string>{"備品", "表彰式", "朝礼"}), listB.columnTexts(0));
  EXPECT_EQ((std::vector<std::string>{"", "ソ連", "総務"}), listB.columnTexts(2));
  EXPECT_EQ("本日15時 会議室にて", listB.text(1, 1)) << "the row shows the line break as a blank";
  EXPECT_TRUE(isStampTime(listB.text(0, 3)) && isStampTime(listB.text(1, 3))) << listB.text(0, 3);
  EXPECT_EQ(keijiOf(posts, listB), readFileBytes(keiji));
  EXPECT_EQ("備品", controlText(boardB, IDC_BB_SUBJECT));
  // A click shows the row clicked.
  listB.clickItem(1);
  const Fields second = {{IDC_BB_SUBJECT, "表彰式"}, {IDC_BB_INFO, "本日15時\r\n会議室にて"}, {IDC_BB_WRITER, "ソ連"}};
  EXPECT_TRUE(waitUntil([&] { return shownFields(boardB, second) == second; }));
  picture("bulletin-dialog", boardB);

  // A still lists two posts; No keeps the post, Yes removes only it.
  const std::string before = readFileBytes(keiji);
  EXPECT_EQ("[ 朝礼 ] を削除しますか？", deleteRow(a, boardA, listA, 1, IDNO));
  EXPECT_EQ(before, readFileBytes(keiji));
  EXPECT_EQ(2, listA.rowCount());
  EXPECT_EQ("[ 朝礼 ] を削除しますか？", deleteRow(a, boardA, listA, 1, IDYES));
  EXPECT_TRUE(waitUntil([&] { return listA.rowCount() == 2 && listA.text(1, 0) == "表彰式"; }));
  EXPECT_TRUE(waitUntil([&] { return readFileOr(keiji) == keijiOf({posts[0], posts[1]}, listA); }));
  EXPECT_EQ("備品", controlText(boardA, IDC_BB_SUBJECT));
  press(boardA, IDCANCEL);
  press(boardB, IDCANCEL);
}

// An older copy rewrites keiji.dat in place. While the file is cut short a
// new post waits, shown on top, and is merged once the older copy is done;
// a file that stays cut (its writer died) is taken as it is after two
// seconds, and closing the dialog waits for that.
TEST(Bulletin, APostWaitsForAnOlderCopyWritingTheFile) {
  TwoPcs office(officeBoard());
  ProgramCopy& a = office.a;
  const std::string keiji = office.shared.file("keiji.dat");
  const std::string rec1 = "朝礼\x01" "9時から\x01総務\x01" "2026/12/01 08:30\r\n",
                    rec2 = "備品\x01" "発注済み\x01\x01" "2026/12/01 09:00\r\n",
                    rec3 = "表彰式\x01" "15時\x01" "ソ連\x01" "2026/12/01 09:30\r\n";
  writeFileBytes(keiji, "3," + rec1);  // the older copy has written one of its three posts
  a.startSettled();
  HWND board = open(a, CMD_BULLETIN, "掲示板");
  ListViewProbe list(a.process(), GetDlgItem(board, IDC_BB_LIST));
  EXPECT_EQ((std::vector<std::string>{"朝礼"}), list.columnTexts(0));
  waitUntilGone(writePost(a, board, {"新規", "本文", "総務"}));
  EXPECT_TRUE(waitUntil([&] { return list.columnTexts(0) == std::vector<std::string>{"新規", "朝礼"}; }));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(board, IDC_BB_NEW)));
  EXPECT_EQ("3," + rec1, readFileBytes(keiji)) << "nothing merged onto the cut file";
  writeFileBytes(keiji, "3," + rec1 + rec2 + rec3);  // done
  EXPECT_TRUE(waitUntil([&] { return list.rowCount() == 4; }));
  EXPECT_EQ((std::vector<std::string>{"新規", "朝礼", "備品", "表彰式"}), list.columnTexts(0));
  EXPECT_EQ("4,新規\x01本文\x01総務\x01" + list.text(0, 3) + "\r\n" + rec1 + rec2 + rec3, readFileBytes(keiji));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(GetDlgItem(board, IDC_BB_NEW)) != FALSE; }));

  // Cut short for good: 閉じる right after the post closes the dialog once the post is in.
  writeFileBytes(keiji, "9," + rec1 + rec2);
  waitUntilGone(writePost(a, board, {"次", "", ""}));
  const ULONGLONG posted = GetTickCount64();
  pressButton(board, IDCANCEL);
  waitUntilGone(board);
  EXPECT_GE(GetTickCount64() - posted, 1500u);
  const std::string written = readFileBytes(keiji);
  EXPECT_EQ(0u, written.find("3,次\x01\x01\x01")) << written;
  EXPECT_EQ(written.size() - rec1.size() - rec2.size(), written.find(rec1 + rec2));
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
}

// 書込み is no default button: Enter in the subject or the writer field
// (command 1) neither posts nor closes, and what was typed stays; Enter in
// the text makes a new line.
TEST(Bulletin, EnterInAOneLineFieldOfTheNewPostPostsNothing) {
  ProgramCopy a;
  a.writeBoard(officeBoard());
  a.startSettled();
  HWND board = open(a, CMD_BULLETIN, "掲示板");
  pressButton(board, IDC_BB_NEW);
  HWND form = a.waitForDialog("新規作成");
  const Fields typed = {{IDC_BN_SUBJECT, "書きかけ"}, {IDC_BN_TEXT, ""}, {IDC_BN_WRITER, "総務"}};
  fill(form, typed);
  EXPECT_EQ(0, GetWindowLongA(GetDlgItem(form, IDC_BN_WRITE), GWL_STYLE) & BS_DEFPUSHBUTTON);
  // The keys arrive in the order posted: once the text has its new line, the
  // two before it have been handled.
  for (int field : {IDC_BN_SUBJECT, IDC_BN_WRITER, IDC_BN_TEXT}) {
    ASSERT_TRUE(PostMessageA(GetDlgItem(form, field), WM_KEYDOWN, VK_RETURN, 0x1C0001));
    ASSERT_TRUE(PostMessageA(GetDlgItem(form, field), WM_KEYUP, VK_RETURN, 0xC01C0001));
  }
  EXPECT_TRUE(waitUntil([&] { return controlTextOr(form, IDC_BN_TEXT) == "\r\n"; }))
      << controlTextOr(form, IDC_BN_TEXT);
  EXPECT_TRUE(isShown(form));
  EXPECT_EQ((Fields{typed[0], {IDC_BN_TEXT, "\r\n"}, typed[2]}), shownFields(form, typed));
  EXPECT_FALSE(a.hasFile("keiji.dat"));
  press(form, IDCANCEL);
  press(board, IDCANCEL);
}

// An empty subject is refused and the new-post dialog closes; a mail folder
// that is not there refuses the post, which does not stay in the list.
TEST(Bulletin, EmptySubjectAndMissingMailFolder) {
  ProgramCopy a;
  SharedSettingsText settings;
  settings.boardPaths[0] = a.file("boad1.csv");
  settings.mailFolder = a.file("no such folder");
  a.writeFile("Wabo.ini", settings.bytes());
  a.writeBoard(officeBoard());
  a.start();
  HWND board = open(a, CMD_BULLETIN, "掲示板");
  ListViewProbe list(a.process(), GetDlgItem(board, IDC_BB_LIST));
  EXPECT_EQ(0, list.rowCount());
  for (const char* subject : {"", "連絡"}) {
    HWND form = writePost(a, board, {subject, "本文", "総務"});
    EXPECT_EQ(*subject ? "保存先ﾌｫﾙﾀﾞが見つかりません " : "[件名] がありません！ ", a.answerMessageBox());
    waitUntilGone(form);
  }
  EXPECT_EQ(0, list.rowCount());
  EXPECT_EQ("", controlText(board, IDC_BB_SUBJECT));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(a.file("no such folder").c_str())) << "no folder made";
  press(board, IDCANCEL);
}

}  // namespace
}  // namespace e2e
