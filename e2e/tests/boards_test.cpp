// Sorting, switching boards with each board's own layout kept over a
// restart, the in-place ID edit, and the boards and options that the shared
// Wabo.ini names.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "steps.h"

namespace e2e {
namespace {

TEST(Boards, SortSwitchAndRestartKeepEachBoardsLayout) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.startSettled();
  ASSERT_TRUE(SetWindowPos(program.mainWindow(), nullptr, 50, 60, 700, 400, SWP_NOZORDER | SWP_NOACTIVATE));
  ListViewProbe* list = &program.list();
  // 会議室 (89 EF) < 休み (8B 78) < 事務所 (8E 96) < 出張 (8F 6F); a click again reverses.
  const std::vector<std::string> byDestination = {"S010", "m005", "K100", "A001"};
  const std::vector<std::string> reversed(byDestination.rbegin(), byDestination.rend());
  // The texts come from the program, the pictures and keys from the items:
  // after a sort each row still has its own.
  const BoardText office = officeBoard();
  auto rowsKeepTheirItems = [&] {
    const std::vector<std::string> ids = list->columnTexts(0);
    for (int row = 0; row < static_cast<int>(ids.size()); ++row) {
      const ListRow item = list->item(row);
      int found = 0;
      for (std::size_t m = 0; m < office.members.size(); ++m) {
        if (office.members[m].id != ids[row]) continue;
        ++found;
        EXPECT_EQ(office.members[m].icon, item.image) << ids[row];
        EXPECT_EQ(static_cast<LPARAM>(m), item.param) << ids[row];
        EXPECT_EQ(office.members[m].pcName, list->text(row, 9)) << ids[row];
      }
      EXPECT_EQ(1, found) << ids[row];
    }
  };
  for (const std::vector<std::string>* expected : {&byDestination, &reversed, &byDestination}) {
    list->clickColumnHeader(2);
    EXPECT_TRUE(waitUntil([&] { return list->columnTexts(0) == *expected; }));
    rowsKeepTheirItems();
  }
  const std::vector<int> swapped = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9};
  list->setColumnWidth(2, 111);
  list->setColumnOrder(swapped);
  const std::vector<int> widths = list->columnWidths();

  // Board 2 has no file yet: the list empties and a warning comes.
  program.postCommand(CMD_BOARD_1 + 1);
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(0, list->rowCount());
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ2", program.title());
  EXPECT_EQ("", program.statusBar().partText(0));
  std::vector<MenuItem> bar = program.menuBar();
  EXPECT_FALSE(itemById(bar, CMD_BOARD_1).checked());
  EXPECT_TRUE(itemById(bar, CMD_BOARD_1 + 1).checked());
  // Widths changed now belong to no board: the way back brings board 1's own.
  list->setColumnWidth(2, 33);
  program.postCommand(CMD_BOARD_1);
  ASSERT_TRUE(waitUntil([&] { return list->rowCount() == 4; }));
  EXPECT_EQ(nullptr, program.findDialog(kMessageCaption));
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ1", program.title());
  EXPECT_EQ(widths, list->columnWidths());
  EXPECT_EQ(byDestination, list->columnTexts(0));
  EXPECT_EQ("本日は定例会議があります", program.statusBar().partText(0));

  // With a file, board 2 shows its captions with a layout of its own. By name
  // Z9 (山 8E 52) comes before B2 (馬 94 6E).
  BoardText branch;
  branch.captions[1] = "行先";
  branch.members = {{"Z9", 5, "山田"}, {"B2", 6, "馬場"}};
  program.writeBoard(branch, "boad2.csv");
  program.postCommand(CMD_BOARD_1 + 1);
  ASSERT_TRUE(waitUntil([&] { return list->rowCount() == 2; }));
  EXPECT_EQ("行先", list->columnCaptions()[2]);
  EXPECT_EQ(70, list->columnWidths()[2]);
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), list->columnOrder());
  EXPECT_EQ((std::vector<std::string>{"B2", "Z9"}), list->columnTexts(0));
  list->setColumnWidth(3, 77);
  list->clickColumnHeader(1);
  ASSERT_TRUE(waitUntil([&] { return list->columnTexts(0) == std::vector<std::string>{"Z9", "B2"}; }));
  EXPECT_EQ(0u, program.close());

  program.start();
  list = &program.list();
  EXPECT_EQ((std::vector<int>{50, 60, 700, 400}), rectOf(program.mainWindow()));
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ2", program.title());
  ASSERT_TRUE(waitUntil([&] { return list->rowCount() == 2; }));
  EXPECT_EQ(77, list->columnWidths()[3]);
  EXPECT_EQ((std::vector<std::string>{"Z9", "B2"}), list->columnTexts(0));
  program.postCommand(CMD_BOARD_1);
  ASSERT_TRUE(waitUntil([&] { return list->rowCount() == 4; }));
  EXPECT_EQ(widths, list->columnWidths());
  EXPECT_EQ(swapped, list->columnOrder());
  EXPECT_EQ(byDestination, list->columnTexts(0));

  // The in-place edit of an ID opens on the ID the row shows and, confirmed,
  // renames that member in the list and in the file (was
  // Boards.InPlaceIdEditStartsFromTheShownIdAndRenamesTheMember).
  const int kato = rowOf(program, "K100");
  HWND edit = reinterpret_cast<HWND>(
      sendOrThrow(GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST), LVM_EDITLABELA, kato, 0, "LVM_EDITLABELA"));
  ASSERT_NE(nullptr, edit);
  EXPECT_EQ("K100", windowText(edit));
  sendOrThrow(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("K200"), "WM_SETTEXT");
  ASSERT_TRUE(PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0));
  EXPECT_TRUE(boardGets(program.file("boad1.csv"), "\nK200,69,加藤 次郎,事務所,"));
  const ListRow renamed = list->row(rowOf(program, "K200"));
  EXPECT_EQ((std::vector<std::string>{"K200", "加藤 次郎", "PC-KATO"}),
            (std::vector<std::string>{renamed.texts[0], renamed.texts[1], renamed.texts[9]}));
  EXPECT_EQ(69, renamed.image);
  EXPECT_EQ(4, rowOf(program, "K100")) << "no row keeps the old ID";

  // Closed while maximised, the window is stored at its default place.
  ShowWindowAsync(program.mainWindow(), SW_MAXIMIZE);
  ASSERT_TRUE(waitUntil([&] { return IsZoomed(program.mainWindow()) != FALSE; }));
  EXPECT_EQ(0u, program.close());
  EXPECT_EQ("119,135,580,338", fileLines(program.readFile("WaboM.ini"))[1]);
}

TEST(SharedSettings, FiveNamedBoardsAndTheOptionsAreTaken) {
  ProgramCopy program;
  const std::string names[5] = {"営業部", "総務部", "開発部", "工場", "倉庫"};
  SharedSettingsText shared;
  for (int n = 0; n < 5; ++n) shared.boardNames[n] = names[n];
  for (int n : {0, 1, 3}) shared.boardPaths[n] = program.file("b" + std::to_string(n + 1) + ".csv");
  shared.backupEnabled = 0;
  shared.askUserIdAtStart = 1;
  shared.pcSearchAllowed = 0;
  program.writeFile("Wabo.ini", shared.bytes());
  LocalSettingsFile local;
  local.autoPcSearch = 1;
  program.writeFile("WaboM.ini", local.bytes());
  program.writeBoard(officeBoard(), "b1.csv");
  program.start();

  // Asked at the first tick: Wabo.ini wants it and no user ID is set.
  confirm(program.waitForDialog(kUserIdTitle), {{IDC_USER_ID, "k100"}});
  ASSERT_TRUE(program.waitForUnchangedCheck());
  EXPECT_EQ(std::string(kTitlePrefix) + "営業部", program.title());
  std::vector<MenuItem> bar = program.menuBar();
  for (int n = 1; n <= 5; ++n) {
    const MenuItem& item = itemById(bar, CMD_BOARD_1 + n - 1);
    EXPECT_EQ(names[n - 1] + " (&" + std::to_string(n) + ")", item.text);
    EXPECT_EQ(n == 3 || n == 5, item.grey()) << "board " << n;
  }

  // A save (of the user's own row) leaves no backup.
  program.postCommand(CMD_QUICK_INPUT_1);
  EXPECT_TRUE(boardGets(program.file("b1.csv"), "\nK100,69,加藤 次郎,出社,"));
  EXPECT_FALSE(program.hasFile("b1.bak"));

  // A later tick asks no more: the box of a 更新 posted after it comes with no question open.
  program.postTick();
  program.postCommand(CMD_REFRESH);
  program.answerMessageBox();
  EXPECT_EQ(nullptr, program.findDialog(kUserIdTitle));
  // Without search permission the auto update dialog greys its box and
  // colour buttons (was UserSettings.VersionManualAndAutoUpdateWithoutSearchPermission).
  HWND autoUpdate = open(program, CMD_AUTO_UPDATE_SETTINGS, kAutoUpdateTitle);
  for (int control : {IDC_AU_PC_SEARCH, IDC_AU_CONNECTED_PICK, IDC_AU_NOT_CONNECTED_PICK, IDC_AU_MINUTES})
    EXPECT_EQ(control == IDC_AU_MINUTES, IsWindowEnabled(GetDlgItem(autoUpdate, control)) != FALSE) << control;
  press(autoUpdate, IDCANCEL);
  EXPECT_EQ(0u, program.close());
  std::vector<std::string> lines = fileLines(program.readFile("WaboM.ini"));
  ASSERT_EQ(25u, lines.size());
  EXPECT_EQ("k100", lines[15]);
  EXPECT_EQ("0,0,0,0,0,1,16056319,0,10,1,16,12,0,13697023,14737632", lines[24]) << "no automatic search";

  // With the user ID set, the next start asks nothing either.
  program.startSettled();
  EXPECT_EQ(nullptr, program.findDialog(kUserIdTitle));
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
