// A first start without settings files, and board files the program refuses.
// Folder and file names hold 表 (95 5C) and ソ (83 5C): a path scan that
// stopped at such a 5C would look for the board, settings and lock elsewhere.
#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

TEST(FirstStart, ShowsBoard1AndWritesTheDefaultSettingsAtExit) {
  ProgramCopy program("表ソ", "予定表ソフト.exe");
  const BoardText board = officeBoard();
  program.writeBoard(board);
  program.start();
  EXPECT_EQ((std::vector<int>{119, 135, 648, 338}), rectOf(program.mainWindow()));
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ1", program.title());
  std::vector<MenuItem> bar = program.menuBar();
  for (int n = 1; n <= 5; ++n) {
    const MenuItem& item = itemById(bar, CMD_BOARD_1 + n - 1);
    EXPECT_EQ("ﾎﾞｰﾄﾞ" + std::to_string(n) + " (&" + std::to_string(n) + ")", item.text);
    EXPECT_EQ(n == 1, item.checked()) << "board " << n;
    EXPECT_EQ(n >= 3, item.grey()) << "board " << n;
  }
  ASSERT_TRUE(program.waitForUnchangedCheck());
  EXPECT_EQ(nullptr, program.findDialog(kMessageCaption));

  const int byIdAscending[] = {1, 3, 0, 2};  // A001 K100 S010 m005
  ASSERT_EQ(4, program.list().rowCount());
  for (int i = 0; i < 4; ++i) {
    const MemberLine& m = board.members[byIdAscending[i]];
    ListRow row = program.list().row(i);
    EXPECT_EQ(listTexts(m), row.texts);
    EXPECT_EQ(m.icon, row.image) << m.id;
    EXPECT_EQ(byIdAscending[i], row.param) << m.id << ": the row key is the row's place in the file";
  }
  EXPECT_EQ((std::vector<std::string>{"ID", "氏名", "居場所", "戻り", "書込日時", "携帯", "連絡", "予定表", "備考",
                                      "PC-Name"}),
            program.list().columnCaptions());
  // Column 8 takes the rest of a full-screen window's width.
  const int fill = GetSystemMetrics(SM_CXFULLSCREEN) - (70 * 4 + 105 + 90 + 150 + 150);
  EXPECT_EQ((std::vector<int>{70, 70, 70, 70, 105, 90, 150, 150, fill, 0}), program.list().columnWidths());
  EXPECT_EQ("本日は定例会議があります", program.statusBar().partText(0));
  EXPECT_TRUE(program.statusBar().partHasIcon(0));
  EXPECT_EQ(" Auto 10min", program.statusBar().partText(1));

  EXPECT_EQ(0u, program.close());
  LocalSettingsFile expected;
  expected.board1Column8 = fill;
  EXPECT_EQ(expected.bytes(), program.readFile("WaboM.ini"));
}

TEST(RefusedBoard, OtherFormatMarkAndLockFileLeaveTheListEmptyAndWarn) {
  ProgramCopy oldFormat("old"), locked("locked");
  BoardText board = officeBoard();
  board.mark = "W1";
  oldFormat.writeBoard(board);
  SharedSettingsText settings;
  settings.boardPaths[0] = locked.file("予定表.csv");
  locked.writeFile("Wabo.ini", settings.bytes());
  locked.writeBoard(officeBoard(), "予定表.csv");
  locked.writeFile("lock.dat", "");
  oldFormat.start();
  locked.start();
  // The format error at the load, then the first tick's warning.
  EXPECT_EQ("ﾌｧｲﾙ形式ｴﾗｰです。旧ﾊﾞｰｼﾞｮﾝの\nﾌｧｲﾙは読み込めません。", oldFormat.answerMessageBox());
  EXPECT_EQ(kMissingOrLocked, oldFormat.answerMessageBox());
  EXPECT_EQ(kMissingOrLocked, locked.answerMessageBox());
  for (ProgramCopy* p : {&oldFormat, &locked}) {
    EXPECT_EQ(0, p->list().rowCount());
    EXPECT_EQ("", p->statusBar().partText(0));
    EXPECT_EQ(0u, p->close());
  }
  // The lock belongs to another copy: it stays, and so does the board.
  EXPECT_TRUE(locked.hasFile("lock.dat"));
  EXPECT_EQ(officeBoard().bytes(), locked.readFile("予定表.csv"));
}

}  // namespace
}  // namespace e2e
