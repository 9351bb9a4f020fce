// Paths with double-byte characters whose second byte is "\" (表 is 95 5C,
// ソ is 83 5C): the program folder and the lock file's folder must be found
// at the real last "\", never inside a character.
#include <gtest/gtest.h>

#include "harness/program_copy.h"
#include "sample_boards.h"

namespace e2e {
namespace {

const char kMissingOrLocked[] = "行き先ﾃﾞｰﾀﾌｧｲﾙが見つかりません\nまたは、ﾛｯｸﾌｧｲﾙがあります";

TEST(DoubleBytePaths, ProgramFileNamedWithTrailBackslashFindsBoardBesideIt) {
  // A scan that stopped at the 5C of 表 or ソ would look for the board in a
  // folder that does not exist.
  ProgramCopy program("表ソ", "予定表ソフト.exe");
  program.writeBoard(officeBoard());
  program.start();
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 4; }))
      << program.list().rowCount();
  EXPECT_TRUE(program.waitForUnchangedCheck()) << program.statusBar().partText(2);
  EXPECT_EQ(0u, program.close());
  EXPECT_TRUE(program.hasFile("WaboM.ini")) << "the local settings lie beside the program";
}

class BoardNamedWithTrailBackslash : public ::testing::Test {
 protected:
  void SetUp() override {
    SharedSettingsText settings;
    settings.boardPaths[0] = program.file("予定表.csv");
    settings.boardPaths[1] = program.file("boad2.csv");
    program.writeFile("Wabo.ini", settings.bytes());
    program.writeBoard(officeBoard(), "予定表.csv");
  }
  ProgramCopy program;
};

TEST_F(BoardNamedWithTrailBackslash, LoadsTheBoard) {
  program.start();
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 4; }));
  EXPECT_TRUE(program.waitForUnchangedCheck()) << program.statusBar().partText(2);
  EXPECT_EQ(0u, program.close());
}

TEST_F(BoardNamedWithTrailBackslash, LockFileInItsFolderIsSeen) {
  // The lock belongs in the board's folder, not in a name cut at 表's 5C.
  program.writeFile("lock.dat", "");
  program.start();
  EXPECT_EQ(kMissingOrLocked, program.answerMessageBox());
  EXPECT_EQ(0, program.list().rowCount());
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
