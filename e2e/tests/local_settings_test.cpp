// What one run leaves in WaboM.ini comes back at the next start: the board
// shown, each board's column widths, order and sort. Values of a hand-edited
// file outside their ranges count as the defaults.
#include <gtest/gtest.h>

#include "harness/program_copy.h"
#include "res/resource.h"
#include "sample_boards.h"

namespace e2e {
namespace {

const char kTitlePrefix[] = "行き先表示ボード Wabo - ";

TEST(LocalSettings, BoardWidthsOrderAndSortSurviveARestart) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.writeBoard(branchBoard(), "boad2.csv");
  program.start();
  ASSERT_TRUE(program.waitForUnchangedCheck()) << program.statusBar().partText(2);
  ListViewProbe* list = &program.list();

  // Board 1: a wider destination column, name and destination swapped,
  // sorted by destination (ascending: key 2).
  list->setColumnWidth(2, 111);
  list->setColumnOrder({0, 2, 1, 3, 4, 5, 6, 7, 8, 9});
  list->clickColumnHeader(2);
  const std::vector<std::string> byDestination = {"S010", "m005", "K100", "A001"};
  ASSERT_TRUE(waitUntil([&] { return list->columnTexts(0) == byDestination; }));

  // Board 2: a narrower return column, sorted by name (山 8E 52 before 馬 94 6E;
  // ascending: key 1), which is not the order by ID.
  program.postCommand(CMD_BOARD_1 + 1);
  ASSERT_TRUE(waitUntil([&] { return list->rowCount() == 2; }));
  list->setColumnWidth(3, 77);
  list->clickColumnHeader(1);
  ASSERT_TRUE(waitUntil([&] { return list->columnTexts(0) == std::vector<std::string>{"Z9", "B2"}; }));
  EXPECT_EQ(0u, program.close());

  std::vector<std::string> lines = fileLines(program.readFile("WaboM.ini"));
  ASSERT_EQ(25u, lines.size());
  EXPECT_EQ("2", lines[17]) << "board shown";
  EXPECT_EQ("0,2,1,3,4,5,6,7,8,9", lines[9]) << "column order of board 1";
  EXPECT_EQ(0u, lines[3].find("70,70,111,70,105,90,150,150,")) << lines[3];
  EXPECT_EQ(0u, lines[4].find("70,70,70,77,105,90,150,150,")) << lines[4];
  EXPECT_EQ(0u, lines[24].find("2,1,0,0,0,")) << lines[24];

  program.start();
  list = &program.list();
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ2", program.title());
  ASSERT_TRUE(waitUntil([&] { return list->rowCount() == 2; }));
  EXPECT_EQ(77, list->columnWidth(3));
  EXPECT_EQ((std::vector<std::string>{"Z9", "B2"}), list->columnTexts(0)) << "board 2 sorted by name";

  program.postCommand(CMD_BOARD_1);
  ASSERT_TRUE(waitUntil([&] { return list->rowCount() == 4; }));
  EXPECT_EQ(111, list->columnWidth(2));
  EXPECT_EQ((std::vector<int>{0, 2, 1, 3, 4, 5, 6, 7, 8, 9}), list->columnOrder());
  EXPECT_EQ(byDestination, list->columnTexts(0));
  EXPECT_EQ(0u, program.close());
}

TEST(LocalSettings, BoardAndSortKeyOutOfRangeCountAsBoard1AndIdAscending) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  LocalSettingsFile settings;
  settings.selectedBoard = 7;
  settings.sortKeys[0] = 25;
  program.writeFile("WaboM.ini", settings.bytes());
  program.start();
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ1", program.title());
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 4; }));
  EXPECT_EQ((std::vector<std::string>{"A001", "K100", "S010", "m005"}), program.list().columnTexts(0));
  std::vector<MenuItem> boards = popupItems(program.menus().menuBar(program.mainWindow()), 1);
  EXPECT_TRUE(itemById(boards, CMD_BOARD_1).checked());
  EXPECT_TRUE(program.waitForUnchangedCheck()) << program.statusBar().partText(2);
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
