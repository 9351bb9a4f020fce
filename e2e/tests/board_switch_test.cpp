// Switching boards from the ﾎﾞｰﾄﾞ選択 menu: each board keeps its own rows and
// column widths; a board without a file clears the list and warns.
#include <gtest/gtest.h>

#include "harness/program_copy.h"
#include "res/resource.h"
#include "sample_boards.h"

namespace e2e {
namespace {

const char kMissingOrLocked[] = "行き先ﾃﾞｰﾀﾌｧｲﾙが見つかりません\nまたは、ﾛｯｸﾌｧｲﾙがあります";
const char kTitlePrefix[] = "行き先表示ボード Wabo - ";

class BoardSwitch : public ::testing::Test {
 protected:
  void SetUp() override {
    program.writeBoard(officeBoard());
    program.start();
    ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 4; }));
    ASSERT_TRUE(program.waitForUnchangedCheck()) << program.statusBar().partText(2);
  }

  void setWidth(int column, int width) { program.list().setColumnWidth(column, width); }

  ProgramCopy program;
};

TEST_F(BoardSwitch, BoardWithoutFileClearsListAndBackRestoresRowsAndWidths) {
  setWidth(1, 123);
  setWidth(6, 45);
  std::vector<int> board1Widths = program.list().columnWidths();
  ASSERT_EQ(123, board1Widths[1]);

  program.postCommand(CMD_BOARD_1 + 1);
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(0, program.list().rowCount());
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ2", program.title());
  EXPECT_EQ("", program.statusBar().partText(0)) << "the message of board 1 is gone";
  EXPECT_EQ("", program.statusBar().partText(2));
  std::vector<MenuItem> boards = popupItems(program.menus().menuBar(program.mainWindow()), 1);
  EXPECT_FALSE(itemById(boards, CMD_BOARD_1).checked());
  EXPECT_TRUE(itemById(boards, CMD_BOARD_1 + 1).checked());
  // The failed switch leaves board 1's columns on screen.
  EXPECT_EQ(board1Widths, program.list().columnWidths());

  // Widths changed now belong to no board: the way back brings board 1's own.
  setWidth(1, 33);
  program.postCommand(CMD_BOARD_1);
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 4; }));
  EXPECT_FALSE(program.dialogAppearsWithin(kMessageCaption, 300));
  EXPECT_EQ(std::string(kTitlePrefix) + "ﾎﾞｰﾄﾞ1", program.title());
  EXPECT_EQ(board1Widths, program.list().columnWidths());
  EXPECT_EQ((std::vector<std::string>{"A001", "K100", "S010", "m005"}),
            program.list().columnTexts(0));
  EXPECT_EQ("本日は定例会議があります", program.statusBar().partText(0));
  EXPECT_EQ(0u, program.close());
}

TEST_F(BoardSwitch, EachBoardKeepsItsOwnWidthsOrderCaptionsAndSort) {
  program.writeBoard(branchBoard(), "boad2.csv");

  setWidth(2, 111);
  const std::vector<int> board1Order = {0, 2, 1, 3, 4, 5, 6, 7, 8, 9};
  program.list().setColumnOrder(board1Order);
  program.list().clickColumnHeader(2);  // board 1 now sorted by destination
  std::vector<std::string> byDestination = {"S010", "m005", "K100", "A001"};
  ASSERT_TRUE(waitUntil([&] { return program.list().columnTexts(0) == byDestination; }));

  program.postCommand(CMD_BOARD_1 + 1);
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 2; }));
  EXPECT_EQ("行先", program.list().columnCaption(2));
  EXPECT_EQ(70, program.list().columnWidth(2)) << "board 2 starts with the default width";
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), program.list().columnOrder());
  EXPECT_EQ((std::vector<std::string>{"B2", "Z9"}), program.list().columnTexts(0));
  EXPECT_EQ("ボード2です", program.statusBar().partText(0));
  setWidth(2, 88);

  program.postCommand(CMD_BOARD_1);
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 4; }));
  EXPECT_EQ("居場所", program.list().columnCaption(2));
  EXPECT_EQ(111, program.list().columnWidth(2));
  EXPECT_EQ(board1Order, program.list().columnOrder());
  EXPECT_EQ(byDestination, program.list().columnTexts(0)) << "board 1 keeps its sort";

  program.postCommand(CMD_BOARD_1 + 1);
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 2; }));
  EXPECT_EQ(88, program.list().columnWidth(2));
  EXPECT_EQ(0u, program.close());
}

TEST_F(BoardSwitch, ChoosingTheShownBoardReloadsItWithoutMessage) {
  setWidth(3, 99);
  // Another copy rewrote the board meanwhile.
  BoardText changed = officeBoard();
  changed.stamp += 1;
  changed.members.pop_back();
  changed.message = "変更後";
  program.writeBoard(changed);
  program.postCommand(CMD_BOARD_1);
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 3; }));
  EXPECT_FALSE(program.dialogAppearsWithin(kMessageCaption, 300));
  EXPECT_EQ(99, program.list().columnWidth(3)) << "the widths on screen stay";
  EXPECT_EQ("変更後", program.statusBar().partText(0));
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
