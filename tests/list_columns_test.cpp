// The member list's columns per board and the sort by a column.
#include <gtest/gtest.h>

#include <climits>

#include "app/list_columns.h"
#include "tests/fake_member_list.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

std::vector<int> widthsOf(const FakeMemberList& list) {
  std::vector<int> w;
  for (const FakeColumn& c : list.columns) w.push_back(c.width);
  return w;
}

// Widths from a hand-edited WaboM.ini: their sum must not overflow an int.
TEST(ListColumns, FillRuleWithHugeOrNegativeWidths) {
  AppState app;
  ColumnWidths& widths = app.local.columnWidths[0];
  for (const auto& [each, fill] : {std::pair{INT_MAX, 0}, std::pair{INT_MIN, INT_MAX}}) {
    widths.fill(each);
    widths[8] = -1;
    applyFillRule(app, 1280);
    EXPECT_EQ(widths[8], fill);
  }
}

TEST(ListColumns, EachBoardKeepsItsWidthsOrderAndFillWidth) {
  AppState app;
  app.local.selectedBoard = 2;
  app.local.columnOrder[1] = {3, 0, 1, 2, 4, 5, 6, 7, 8, 9};
  FakeMemberList list;
  list.screenWidth = 1280;
  createColumns(list, app);  // fixed captions; column 8 fills the screen once, for this board only
  EXPECT_EQ(list.columnCaption(0) + list.columnCaption(4) + list.columnCaption(9), "ID書込日時PC-Name");
  EXPECT_EQ(widthsOf(list), (std::vector<int>{70, 70, 70, 70, 105, 90, 150, 150, 1280 - 775, 0}));
  EXPECT_EQ(list.columnOrder(), (ColumnOrder{3, 0, 1, 2, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(app.local.columnWidths[0][8], -1);
  applyFillRule(app, 2000);
  EXPECT_EQ(app.local.columnWidths[1][8], 1280 - 775);

  // A reload takes the board's captions and keeps what the user did to the columns.
  list.setColumnWidth(2, 222);
  list.setColumnOrder({5, 0, 1, 2, 3, 4, 6, 7, 8, 9});
  app.board.columnNames = {"a", "b", "c", "d", "e", "f", "g", "h"};
  rebuildColumns(list, app, ColumnLayout::kKeepShown);
  EXPECT_EQ(list.columnCaption(0) + list.columnCaption(1) + list.columnCaption(8) + list.columnCaption(9),
            "IDahPC-Name");
  EXPECT_EQ(list.columnWidth(2) + app.local.columnWidths[1][2], 444);
  EXPECT_EQ(app.local.columnOrder[1], (ColumnOrder{5, 0, 1, 2, 3, 4, 6, 7, 8, 9}));

  // A switch to board 3 takes its widths for every column, and its order.
  app.local.columnWidths[2] = {11, 12, 13, 14, 15, 16, 17, 18, -1, 100};
  app.local.columnOrder[2] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
  app.local.selectedBoard = 3;
  rebuildColumns(list, app, ColumnLayout::kFromSettings);
  EXPECT_EQ(widthsOf(list), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 1280 - 116, 100}));
  EXPECT_EQ(list.columnOrder(), (ColumnOrder{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(app.local.columnWidths[1][2], 222);

  AppState odd;  // out-of-range settings, wherever they come from: board 1, the default order
  odd.local.selectedBoard = 9;
  odd.local.columnOrder[0] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
  FakeMemberList other;
  other.screenWidth = 640;  // narrower than the other columns: no fill width
  createColumns(other, odd);
  EXPECT_EQ(other.columnOrder(), kDefaultColumnOrder);
  EXPECT_EQ(odd.local.columnWidths[0][8], 0);
}

// ASCII, double-byte (lead byte >= 0x81), two texts that differ only after their 29th byte, empty.
class ListSort : public ::testing::Test {
 protected:
  AppState app;
  FakeMemberList list;
  void SetUp() override {
    createColumns(list, app);
    for (const std::string& text : std::vector<std::string>{"b", "あ", "A", std::string(29, 'x') + "2", std::string(29, 'x') + "1", ""})
      list.addRow({"r" + std::to_string(list.rowCount()), "", text});
  }
};

TEST_F(ListSort, BytewiseUnsignedOnTheFirst29BytesInTheColumnsDirection) {
  app.list.sortDescending[2] = 0;
  sortByColumn(list, app, 2);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r5", "r2", "r0", "r3", "r4", "r1"}));  // r3, r4 tie
  app.list.sortDescending[2] = 1;
  sortByColumn(list, app, 2);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r1", "r3", "r4", "r0", "r2", "r5"}));
}

TEST_F(ListSort, ClicksFlipTheColumnAndRememberTheBoardsKey) {
  app.local.selectedBoard = 4;
  sortByColumnClick(list, app, 0);  // ID starts flagged descending: the first click sorts ascending
  EXPECT_EQ(app.local.sortKeys[3], 0);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4", "r5"}));
  sortByColumnClick(list, app, 0);
  EXPECT_EQ(app.local.sortKeys[3], 10);
  EXPECT_EQ(list.ids().front(), "r5");
  sortByColumnClick(list, app, 4);  // the write time starts flagged ascending: its first click sorts descending
  EXPECT_EQ(app.local.sortKeys[3], 14);
  EXPECT_EQ(app.local.sortKeys[0], 0);  // other boards untouched
  // A load takes the stored sort: 12 is column 2 descending; keys out of range count as 0.
  app.local.sortKeys[3] = 12;
  app.list.sortDescending[2] = 0;
  EXPECT_EQ(takeStoredSort(app), 2);
  EXPECT_EQ(app.list.sortDescending[2], 1);
  for (int bad : {20, -1}) {
    app.local.sortKeys[3] = bad;
    app.list.sortDescending[0] = 1;
    EXPECT_EQ(takeStoredSort(app), 0);
    EXPECT_EQ(app.local.sortKeys[3], 0);
    EXPECT_EQ(app.list.sortDescending[0], 0);
  }
}

}  // namespace
