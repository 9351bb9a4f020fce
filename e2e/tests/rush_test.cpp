// The morning rush: two copies on one shared board press their quick inputs
// as fast as the commands can be posted. Every save meets the other copy's
// saves; none may undo another, none may be refused, and no lock may stay.
#include <windows.h>

#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

std::string settingsOf(const std::string& userId) {
  LocalSettingsFile settings;
  settings.userId = userId;
  settings.autoUpdateMinutes = 0;  // only the commands look at the board
  return settings.bytes();
}

// A member's destination in the board file; "" when the row is missing.
std::string destinationInFile(const std::string& bytes, const std::string& id) {
  for (const std::string& line : fileLines(bytes)) {
    if (line.compare(0, id.size() + 1, id + ",") != 0) continue;
    std::vector<std::string> fields;
    for (size_t at = 0, comma; fields.size() < 4; at = comma + 1) {
      comma = line.find(',', at);
      fields.push_back(line.substr(at, comma - at));
      if (comma == std::string::npos) break;
    }
    return fields.size() > 3 ? fields[3] : "";
  }
  return "";
}

TEST(MorningRush, TwoCopiesPressingQuickInputsWithoutPauseKeepEachMembersLastWord) {
  BoardFolder shared;
  shared.writeBoard(1, officeBoard());
  ProgramCopy a("A"), b("B");
  a.useBoardFolder(shared);
  b.useBoardFolder(shared);
  a.writeFile("WaboM.ini", settingsOf("A001"));
  b.writeFile("WaboM.ini", settingsOf("S010"));
  for (ProgramCopy* copy : {&a, &b}) {
    copy->start();
    ASSERT_TRUE(copy->waitForUnchangedCheck());
  }
  // 40 rounds each, all posted at once: A ends on its second word (帰宅),
  // B, which starts with its second, on its first (出社).
  for (int round = 0; round < 40; ++round) {
    a.postCommand(CMD_QUICK_INPUT_1);
    b.postCommand(CMD_QUICK_INPUT_2);
    a.postCommand(CMD_QUICK_INPUT_2);
    b.postCommand(CMD_QUICK_INPUT_1);
  }
  // 更新 behind them: its box comes up once every quick input before it has
  // run. Any other box (a refused save) would come first.
  for (ProgramCopy* copy : {&a, &b}) copy->postCommand(CMD_REFRESH);
  for (ProgramCopy* copy : {&a, &b}) {
    ASSERT_TRUE(waitUntil([&] { return copy->findDialog(kMessageCaption) != nullptr; }, 90000));
    const std::string box = copy->answerMessageBox();
    EXPECT_TRUE(box == kRefreshedNew || box == kRefreshedNothingNew) << box;
  }
  EXPECT_FALSE(fileExists(shared.file("lock.dat")));
  const std::string board = readFileBytes(shared.file("boad1.csv"));
  EXPECT_EQ("帰宅", destinationInFile(board, "A001"));
  EXPECT_EQ("出社", destinationInFile(board, "S010"));
  // The members nobody touched keep their rows.
  EXPECT_EQ("事務所", destinationInFile(board, "K100"));
  EXPECT_EQ("休み", destinationInFile(board, "m005"));
  // Each copy shows its own member's last word, and no message box.
  EXPECT_EQ("帰宅", destinationOf(a, "A001"));
  EXPECT_EQ("出社", destinationOf(b, "S010"));
  for (ProgramCopy* copy : {&a, &b}) {
    EXPECT_EQ(nullptr, copy->findDialog(kMessageCaption));
    EXPECT_EQ(0u, copy->close());
  }
}

}  // namespace
}  // namespace e2e
