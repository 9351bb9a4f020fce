// After a save the list on screen is what a fresh paint of it draws: a save
// over the copy's own file repaints only the row it changed, and a save that
// meets another copy's save (caught up under the lock) shows the other
// copy's row too; no row may stay stale.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/screen_pixels.h"
#include "steps.h"

namespace e2e {
namespace {

// Waits until the board file, with no save under way, holds `text`.
bool boardHolds(const BoardFolder& shared, const std::string& text) { return boardGets(shared.file("boad1.csv"), text); }

TEST(SaveRepaint, TheListOnScreenIsAFreshPaintAfterASaveAndAfterACatchUpThatChangedAnotherRow) {
  BoardFolder shared;
  shared.writeBoard(1, officeBoard());
  ProgramCopy a("A");
  a.useBoardFolder(shared);
  LocalSettingsFile settings;
  settings.userId = "A001";
  settings.autoUpdateMinutes = 0;  // only the commands look at the board
  a.writeFile("WaboM.ini", settings.bytes());
  a.start();
  ASSERT_TRUE(a.waitForUnchangedCheck());
  HWND list = GetDlgItem(a.mainWindow(), IDC_MEMBER_LIST);
  ASSERT_EQ("", staleAgainstFreshPaint(list)) << "before any save";

  // A save over the file as this copy left it.
  a.postCommand(CMD_QUICK_INPUT_1);
  ASSERT_TRUE(boardHolds(shared, "A001,3,青木 花子,出社,"));
  EXPECT_EQ("出社", destinationOf(a, "A001"));
  EXPECT_EQ("", staleAgainstFreshPaint(list)) << "after a save of the own row";

  // Another copy saves K100 within the same second as A's save: the stamp
  // A knows stays, so A's check finds nothing and only its save, under the
  // lock, sees the other bytes and takes K100's row in.
  const std::string file = shared.file("boad1.csv");
  std::string bytes = readFileBytes(file);
  const std::string was = "K100,69,加藤 次郎,事務所,";
  const std::size_t at = bytes.find(was);
  ASSERT_NE(std::string::npos, at) << bytes;
  bytes.replace(at, was.size(), "K100,69,加藤 次郎,本社で打合せ中,");
  writeFileBytes(file, bytes);
  a.postCommand(CMD_QUICK_INPUT_2);
  ASSERT_TRUE(boardHolds(shared, "A001,3,青木 花子,帰宅,"));
  EXPECT_TRUE(boardHolds(shared, "K100,69,加藤 次郎,本社で打合せ中,"));
  EXPECT_EQ("帰宅", destinationOf(a, "A001"));
  EXPECT_EQ("本社で打合せ中", destinationOf(a, "K100"));
  EXPECT_EQ("", staleAgainstFreshPaint(list)) << "after a save that caught up with another copy's";
  EXPECT_EQ(nullptr, a.findDialog(kMessageCaption));
  EXPECT_EQ(0u, a.close());
}

}  // namespace
}  // namespace e2e
