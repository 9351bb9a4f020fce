// The bulletin board (command 40043, dialogs 330 and 331) with two copies of
// the program sharing one mail folder (two PCs of an office).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

struct Post {
  std::string subject, info, writer, time;
};

// The count and the records of keiji.dat; a record's text may hold CR LF.
// Throws HarnessError while the file is being replaced.
std::vector<Post> postsOf(const std::string& file, int* count) {
  const std::string bytes = readFileBytes(file);
  std::vector<Post> posts;
  std::size_t at = bytes.find(',');
  *count = at == std::string::npos ? -1 : std::atoi(bytes.substr(0, at).c_str());
  for (++at; at < bytes.size();) {
    std::size_t s = bytes.find('\x01', at), i = bytes.find('\x01', s + 1), w = bytes.find('\x01', i + 1);
    std::size_t end = bytes.find("\r\n", w + 1);
    if (s == std::string::npos || i == std::string::npos || w == std::string::npos || end == std::string::npos) break;
    posts.push_back({bytes.substr(at, s - at), bytes.substr(s + 1, i - s - 1), bytes.substr(i + 1, w - i - 1),
                     bytes.substr(w + 1, end - w - 1)});
    at = end + 2;
  }
  return posts;
}

std::vector<std::string> subjectsOf(const std::vector<Post>& posts) {
  std::vector<std::string> subjects;
  for (const Post& post : posts) subjects.push_back(post.subject);
  return subjects;
}

// 新規作成, the three fields, 書込み; the new-post dialog.
HWND writePost(ProgramCopy& copy, HWND board, const Post& post) {
  pressButton(board, IDC_BB_NEW);
  HWND form = copy.waitForDialog("新規作成");
  fill(form, {{IDC_BN_SUBJECT, post.subject}, {IDC_BN_TEXT, post.info}, {IDC_BN_WRITER, post.writer}});
  pressButton(form, IDC_BN_WRITE);
  return form;
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
  EXPECT_EQ("朝礼", controlText(boardA, IDC_BB_SUBJECT));
  EXPECT_EQ("9時から", controlText(boardA, IDC_BB_INFO));
  EXPECT_EQ("総務", controlText(boardA, IDC_BB_WRITER));

  waitUntilGone(writePost(a, boardA, {"表彰式", "本日15時\r\n会議室にて", "ソ連", ""}));
  EXPECT_EQ((std::vector<std::string>{"表彰式", "朝礼"}), listA.columnTexts(0));
  waitUntilGone(writePost(b, boardB, {"備品", "コピー用紙を発注", "", ""}));

  int count = 0;
  std::vector<Post> posts = postsOf(keiji, &count);
  EXPECT_EQ(3, count);
  ASSERT_EQ((std::vector<std::string>{"備品", "表彰式", "朝礼"}), subjectsOf(posts));
  EXPECT_EQ("コピー用紙を発注", posts[0].info);
  EXPECT_EQ("", posts[0].writer);
  EXPECT_EQ("本日15時\r\n会議室にて", posts[1].info);
  EXPECT_EQ("ソ連", posts[1].writer);
  EXPECT_TRUE(isStampTime(posts[0].time) && isStampTime(posts[1].time)) << posts[0].time << " " << posts[1].time;
  // B shows the merged list, its own post on top and shown.
  EXPECT_EQ((std::vector<std::string>{"備品", "表彰式", "朝礼"}), listB.columnTexts(0));
  EXPECT_EQ((std::vector<std::string>{"", "ソ連", "総務"}), listB.columnTexts(2));
  EXPECT_EQ(posts[0].time, listB.text(0, 3));
  EXPECT_EQ("備品", controlText(boardB, IDC_BB_SUBJECT));
  // A click shows the row clicked.
  listB.clickItem(1);
  EXPECT_TRUE(waitUntil([&] { return controlText(boardB, IDC_BB_SUBJECT) == "表彰式"; }));
  EXPECT_EQ("本日15時\r\n会議室にて", controlText(boardB, IDC_BB_INFO));
  EXPECT_EQ("ソ連", controlText(boardB, IDC_BB_WRITER));
  picture("bulletin-dialog", boardB);

  // A still lists two posts; No keeps the post, Yes removes only it.
  const std::string before = readFileBytes(keiji);
  EXPECT_EQ("[ 朝礼 ] を削除しますか？", deleteRow(a, boardA, listA, 1, IDNO));
  EXPECT_EQ(before, readFileBytes(keiji));
  EXPECT_EQ(2, listA.rowCount());
  EXPECT_EQ("[ 朝礼 ] を削除しますか？", deleteRow(a, boardA, listA, 1, IDYES));
  // The file is written once the question has gone.
  EXPECT_TRUE(waitUntil([&] {
    try {
      return postsOf(keiji, &count).size() == 2;
    } catch (const HarnessError&) {
      return false;
    }
  }));
  posts = postsOf(keiji, &count);
  EXPECT_EQ(2, count);
  EXPECT_EQ((std::vector<std::string>{"備品", "表彰式"}), subjectsOf(posts));
  EXPECT_EQ((std::vector<std::string>{"備品", "表彰式"}), listA.columnTexts(0));
  EXPECT_EQ("備品", controlText(boardA, IDC_BB_SUBJECT));
  press(boardA, IDCANCEL);
  press(boardB, IDCANCEL);
}

// An empty subject is refused and the new-post dialog closes; a mail folder
// that is not there refuses the post, which does not stay in the list.
TEST(Bulletin, EmptySubjectAndMissingMailFolder) {
  BoardFolder shared;
  shared.writeBoard(1, officeBoard());
  ProgramCopy a("A");
  SharedSettingsText settings;
  settings.boardPaths[0] = shared.file("boad1.csv");
  settings.mailFolder = shared.file("no such folder");
  a.writeFile("Wabo.ini", settings.bytes());
  a.start();
  HWND board = open(a, CMD_BULLETIN, "掲示板");
  ListViewProbe list(a.process(), GetDlgItem(board, IDC_BB_LIST));
  EXPECT_EQ(0, list.rowCount());

  HWND form = writePost(a, board, {"", "本文だけ", "総務", ""});
  EXPECT_EQ("[件名] がありません！ ", a.answerMessageBox());
  waitUntilGone(form);

  form = writePost(a, board, {"連絡", "本文", "総務", ""});
  EXPECT_EQ("保存先ﾌｫﾙﾀﾞが見つかりません ", a.answerMessageBox());
  waitUntilGone(form);
  EXPECT_EQ(0, list.rowCount());
  EXPECT_EQ("", controlText(board, IDC_BB_SUBJECT));
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(shared.file("no such folder").c_str()));
  press(board, IDCANCEL);
}

}  // namespace
}  // namespace e2e
