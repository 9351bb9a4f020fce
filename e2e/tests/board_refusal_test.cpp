// Board files that the program must refuse: another format mark, a lock file
// in the board's folder, no file at all. The list stays empty at start and
// the first tick tells the user.
#include <gtest/gtest.h>

#include "harness/program_copy.h"
#include "sample_boards.h"

namespace e2e {
namespace {

const char kMissingOrLocked[] = "行き先ﾃﾞｰﾀﾌｧｲﾙが見つかりません\nまたは、ﾛｯｸﾌｧｲﾙがあります";
const char kBadFormat[] = "ﾌｧｲﾙ形式ｴﾗｰです。旧ﾊﾞｰｼﾞｮﾝの\nﾌｧｲﾙは読み込めません。";

// Captions of the columns as made at window creation, before any load.
const std::vector<std::string> kCreationCaptions = {"ID", "", "", "", "書込日時",
                                                    "", "", "", "", "PC-Name"};

TEST(BoardRefusal, OtherFormatMarkWarnsTwiceAndLeavesListEmpty) {
  ProgramCopy program;
  BoardText board = officeBoard();
  board.mark = "W1";
  program.writeBoard(board);
  program.start();
  EXPECT_EQ(kBadFormat, program.answerMessageBox());
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(0, program.list().rowCount());
  EXPECT_EQ(kCreationCaptions, program.list().columnCaptions());
  EXPECT_EQ("", program.statusBar().partText(0));
  EXPECT_EQ(0u, program.close());
}

TEST(BoardRefusal, LockFileInBoardFolderLeavesListEmptyAndWarnsAtFirstTick) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.writeFile("lock.dat", "");
  program.start();
  EXPECT_EQ(0, program.list().rowCount());
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(0, program.list().rowCount());
  EXPECT_EQ(kCreationCaptions, program.list().columnCaptions());
  // The lock belongs to another copy: it is left alone, and so is the board.
  EXPECT_TRUE(program.hasFile("lock.dat"));
  EXPECT_EQ(officeBoard().bytes(), program.readFile("boad1.csv"));
  EXPECT_EQ(0u, program.close());
}

TEST(BoardRefusal, MissingBoardFileWarnsAtFirstTickAndCreatesNothing) {
  ProgramCopy program;
  program.start();
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(0, program.list().rowCount());
  EXPECT_FALSE(program.hasFile("boad1.csv"));
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
