// Saves on one shared board: after a save the list on screen is what a fresh
// paint of it draws (also after a save that caught up with another copy's
// under the lock); and in the morning rush two copies press their quick
// inputs as fast as the commands can be posted: no save may undo another or
// be refused, and no lock may stay.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "screen_pixels.h"
#include "steps.h"

namespace e2e {
namespace {

// Compares the window as it stands with the same window painted afresh
// (frame and all, every row): a part that the program changed without
// repainting it (a stale row) differs. "" when they agree.
std::string staleAgainstFreshPaint(HWND window) {
  const std::vector<std::uint32_t> before = shownPixels(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  const std::vector<std::uint32_t> fresh = shownPixels(window);
  if (before.size() != fresh.size()) return "the window changed its size";
  RECT client{};
  GetClientRect(window, &client);
  const auto differs = std::mismatch(before.begin(), before.end(), fresh.begin()).first;
  if (differs == before.end()) return "";
  return "differs from a fresh paint from pixel row " + std::to_string((differs - before.begin()) / client.right);
}

// A member's destination (field 3) in the board file; "" without the row.
std::string destinationInFile(const std::string& bytes, const std::string& id) {
  const std::string line = rowInFile(bytes, id);
  std::size_t at = std::string::npos;  // the comma before the field, here before field 0
  for (int field = 0; field < 3; ++field)
    if ((at = line.find(',', at + 1)) == std::string::npos) return "";
  return line.substr(at + 1, line.find(',', at + 1) - at - 1);
}

// Only the commands look at the board (auto update off).
TEST(MorningRush, SavesRepaintTheirRowsAndCopiesPressingQuickInputsWithoutPauseKeepEachMembersLastWord) {
  TwoPcs office(officeBoard(), {"A001", "S010"}, 0);
  ProgramCopy &a = office.a, &b = office.b;
  const std::string file = office.board();
  {
    SCOPED_TRACE("was SaveRepaint.TheListOnScreenIsAFreshPaintAfterASaveAndAfterACatchUpThatChangedAnotherRow");
    a.startSettled();
    HWND list = GetDlgItem(a.mainWindow(), IDC_MEMBER_LIST);
    ASSERT_EQ("", staleAgainstFreshPaint(list)) << "before any save";
    a.postCommand(CMD_QUICK_INPUT_1);
    ASSERT_TRUE(boardGets(file, "A001,3,青木 花子,出社,"));
    EXPECT_EQ("出社", destinationOf(a, "A001"));
    EXPECT_EQ("", staleAgainstFreshPaint(list)) << "after a save of the own row";
    // Another copy saves K100 within the same second as A's save: the stamp
    // A knows stays, so A's check finds nothing and only its save, under the
    // lock, sees the other bytes and takes K100's row in.
    std::string bytes = readFileBytes(file);
    const std::string was = "K100,69,加藤 次郎,事務所,";
    ASSERT_NE(std::string::npos, bytes.find(was)) << bytes;
    writeFileBytes(file, bytes.replace(bytes.find(was), was.size(), "K100,69,加藤 次郎,本社で打合せ中,"));
    a.postCommand(CMD_QUICK_INPUT_2);
    ASSERT_TRUE(boardGets(file, "A001,3,青木 花子,帰宅,"));
    EXPECT_TRUE(boardGets(file, "K100,69,加藤 次郎,本社で打合せ中,"));
    EXPECT_EQ("帰宅", destinationOf(a, "A001"));
    EXPECT_EQ("本社で打合せ中", destinationOf(a, "K100"));
    EXPECT_EQ("", staleAgainstFreshPaint(list)) << "after a save that caught up with another copy's";
    EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
  }
  b.startSettled();
  // 40 rounds each, all posted at once: A ends on its second word (帰宅),
  // B, which starts with its second, on its first (出社).
  for (int round = 0; round < 40; ++round) {
    a.postCommand(CMD_QUICK_INPUT_1);
    b.postCommand(CMD_QUICK_INPUT_2);
    a.postCommand(CMD_QUICK_INPUT_2);
    b.postCommand(CMD_QUICK_INPUT_1);
  }
  // The version dialog behind them comes once every quick input before it
  // has run; a refused save's box would come first. Only then 更新, which so
  // meets no save of the other copy's.
  for (ProgramCopy* copy : {&a, &b}) copy->postCommand(CMD_VERSION);
  for (ProgramCopy* copy : {&a, &b}) {
    HWND version = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (version = copy->findDialog(kVersionTitle)) != nullptr; }, 90000));
    EXPECT_EQ(nullptr, copy->findDialog(kMessageCaption)) << copy->answerMessageBox();
    press(version, IDCANCEL);
  }
  for (ProgramCopy* copy : {&a, &b}) {
    ASSERT_TRUE(waitUntil([&] { return !fileExists(office.shared.file("lock.dat")); }));
    copy->postCommand(CMD_REFRESH);
    const std::string box = copy->answerMessageBox();
    EXPECT_TRUE(box == kRefreshedNew || box == kRefreshedNothingNew) << box;
  }
  EXPECT_FALSE(fileExists(office.shared.file("lock.dat")));
  const std::string board = readFileBytes(file);
  EXPECT_EQ("帰宅", destinationInFile(board, "A001"));
  EXPECT_EQ("出社", destinationInFile(board, "S010"));
  // The members nobody touched keep their rows.
  EXPECT_EQ("本社で打合せ中", destinationInFile(board, "K100"));
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
