// The ﾎﾞｰﾄﾞ選択 menu: names, the check mark of the board shown, grey items
// for boards without a file.
#include <gtest/gtest.h>

#include "app/board_menu.h"

using namespace wabo;

namespace {

std::string states(const std::array<BoardMenuItem, kBoardCount>& items) {
  std::string s;
  for (const BoardMenuItem& item : items) s += item.checked ? (item.grayed ? 'X' : 'C') : (item.grayed ? 'g' : '-');
  return s;
}

TEST(BoardMenu, TheSelectedBoardIsCheckedAndNeverGreyOthersWithoutAPathAreGrey) {
  SharedSettings shared;
  shared.boardNames = {"本社", "支店", "倉庫", "予備", "五"};
  shared.boardPaths = {"\\\\srv\\b1.csv", "", "", "\\\\srv\\b4.csv", ""};
  EXPECT_EQ(states(boardMenuItems(shared, 1)), "Cgg-g");
  // A selected board without a path (its file was removed in the settings):
  // checked only, not checked and grey.
  EXPECT_EQ(states(boardMenuItems(shared, 2)), "-Cg-g");
  EXPECT_EQ(boardMenuItems(shared, 2)[1].text, "支店 (&2)");
}

}  // namespace
