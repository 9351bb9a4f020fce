// The morning rush: two copies on one shared board press their quick inputs
// as fast as the commands can be posted. No save may undo another or be
// refused, and no lock may stay.
#include <windows.h>

#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

// A member's destination (field 3) in the board file; "" without the row.
std::string destinationInFile(const std::string& bytes, const std::string& id) {
  const std::string line = rowInFile(bytes, id);
  std::size_t at = std::string::npos;  // the comma before the field, here before field 0
  for (int field = 0; field < 3; ++field)
    if ((at = line.find(',', at + 1)) == std::string::npos) return "";
  return line.substr(at + 1, line.find(',', at + 1) - at - 1);
}

TEST(MorningRush, TwoCopiesPressingQuickInputsWithoutPauseKeepEachMembersLastWord) {
  TwoPcs office(officeBoard(), {"A001", "S010"}, 0);  // only the commands look at the board
  ProgramCopy &a = office.a, &b = office.b;
  office.startBoth();
  // 40 rounds each, all posted at once: A ends on its second word (帰宅),
  // B, which starts with its second, on its first (出社).
  for (int round = 0; round < 40; ++round) {
    a.postCommand(CMD_QUICK_INPUT_1);
    b.postCommand(CMD_QUICK_INPUT_2);
    a.postCommand(CMD_QUICK_INPUT_2);
    b.postCommand(CMD_QUICK_INPUT_1);
  }
  // 更新 behind them: its box comes once every quick input before it has
  // run. Any other box (a refused save) would come first.
  for (ProgramCopy* copy : {&a, &b}) copy->postCommand(CMD_REFRESH);
  for (ProgramCopy* copy : {&a, &b}) {
    ASSERT_TRUE(waitUntil([&] { return copy->findDialog(kMessageCaption) != nullptr; }, 90000));
    const std::string box = copy->answerMessageBox();
    EXPECT_TRUE(box == kRefreshedNew || box == kRefreshedNothingNew) << box;
  }
  EXPECT_FALSE(fileExists(office.shared.file("lock.dat")));
  const std::string board = readFileBytes(office.board());
  EXPECT_EQ("帰宅", destinationInFile(board, "A001"));
  EXPECT_EQ("出社", destinationInFile(board, "S010"));
  // The members nobody touched keep their rows.
  EXPECT_EQ("事務所", destinationInFile(board, "K100"));
  EXPECT_EQ("休み", destinationInFile(board, "m005"));
  // Each copy shows its own member's last word, and no message box.
  EXPECT_EQ("帰宅", destinationOf(a, "A001"));
  EXPECT_EQ("出社", destinationOf(b, "S010"));
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
  EXPECT_EQ(nullptr, b.findDialog(kMessageCaption));
  office.closeBoth();
}

}  // namespace
}  // namespace e2e
