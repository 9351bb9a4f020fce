// A first start without settings files, the notification-area icon, and
// board files the program refuses. Folder and file names hold 表 (95 5C) and
// ソ (83 5C): a path scan that stopped at such a 5C would look for the board,
// settings and lock elsewhere.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include "steps.h"

namespace e2e {
namespace {

// Changing nothing of an icon succeeds only for an icon that is there.
bool trayIconPresent(HWND owner) {
  NOTIFYICONDATAA data = {NOTIFYICONDATAA_V1_SIZE, owner, ID_TRAY_ICON};
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// The window hidden into the tray comes back by an icon click or 40047,
// leaves by 40048 (was Tray.HiddenWindowComesBackByIconClickOr40047AndLeavesBy40048).
void hideShowAndExitByTheTray(ProgramCopy& program) {
  const HWND window = program.mainWindow();
  NOTIFYICONDATAA data = {NOTIFYICONDATAA_V1_SIZE, window, ID_TRAY_ICON};
  // An icon of the same owner and ID is there already, so the program's own
  // cannot be added: hiding the window would leave no way back to it. (The
  // box of a 更新 posted after the command comes once the command has run.)
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  program.postCommand(CMD_HIDE_TO_TRAY);
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  EXPECT_TRUE(isShown(window));
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  auto hideIntoTray = [&] {
    program.postCommand(CMD_HIDE_TO_TRAY);
    EXPECT_TRUE(waitUntil([&] { return !isShown(window); }));
    EXPECT_TRUE(trayIconPresent(window));
  };
  auto expectShownWithoutIcon = [&] {
    EXPECT_TRUE(waitUntil([&] { return isShown(window); }));
    EXPECT_FALSE(trayIconPresent(window));
  };
  hideIntoTray();
  program.post(WM_WABO_TRAY, ID_TRAY_ICON, WM_LBUTTONDOWN);
  expectShownWithoutIcon();
  // A restarted shell forgets the icon and announces itself: the icon comes back.
  hideIntoTray();
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  program.post(RegisterWindowMessageA("TaskbarCreated"));
  EXPECT_TRUE(waitUntil([&] { return trayIconPresent(window); }));
  EXPECT_FALSE(isShown(window));
  program.postCommand(CMD_SHOW_FROM_TRAY);
  expectShownWithoutIcon();
  hideIntoTray();
  program.postCommand(CMD_EXIT_FROM_TRAY);
  EXPECT_EQ(0u, program.waitForExit());
  EXPECT_FALSE(trayIconPresent(window));
}

// WaboM.ini at the exit from the tray holds the shown window's rectangle,
// not a hidden one's.
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

  hideShowAndExitByTheTray(program);
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
