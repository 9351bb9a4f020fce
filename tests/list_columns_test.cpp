// The member list's columns per board and the sort by a column.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "app/list_columns.h"
#include "tests/fake_member_list.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

constexpr int kDefaultSum = 70 + 70 + 70 + 70 + 105 + 90 + 150 + 150;

std::vector<int> widthsOf(const FakeMemberList& list) {
  std::vector<int> w;
  for (int i = 0; i < list.columnCount(); ++i) w.push_back(list.columnWidth(i));
  return w;
}

TEST(ListColumns, CreationUsesFixedCaptionsFillRuleAndStoredOrder) {
  AppState app;
  app.local.selectedBoard = 2;
  app.local.columnOrder[1] = {3, 0, 1, 2, 4, 5, 6, 7, 8, 9};
  FakeMemberList list;
  list.screenWidth = 1280;
  createColumns(list, app);

  ASSERT_EQ(list.columnCount(), 10);
  const std::vector<std::string> captions{"ID", "", "", "", "書込日時", "", "", "", "", "PC-Name"};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(list.columnCaption(i), captions[static_cast<std::size_t>(i)]) << i;
  EXPECT_EQ(widthsOf(list), (std::vector<int>{70, 70, 70, 70, 105, 90, 150, 150, 1280 - kDefaultSum, 0}));
  // The fill width is stored for this board only, and worked out once.
  EXPECT_EQ(app.local.columnWidths[1][8], 1280 - kDefaultSum);
  EXPECT_EQ(app.local.columnWidths[0][8], -1);
  applyFillRule(app, 2000);
  EXPECT_EQ(app.local.columnWidths[1][8], 1280 - kDefaultSum);
  EXPECT_EQ(list.columnOrder(), (ColumnOrder{3, 0, 1, 2, 4, 5, 6, 7, 8, 9}));

  // A screen narrower than the other columns gives column 8 no width.
  AppState narrow;
  applyFillRule(narrow, 640);
  EXPECT_EQ(narrow.local.columnWidths[0][8], 0);
}

TEST(ListColumns, ReloadKeepsTheUsersLayoutAndSwitchTakesTheNewBoards) {
  AppState app;
  FakeMemberList list;
  list.screenWidth = 1000;
  createColumns(list, app);

  // The user widens column 2, hides nothing, and drags column 5 to the front.
  list.setColumnWidth(2, 222);
  list.setColumnOrder({5, 0, 1, 2, 3, 4, 6, 7, 8, 9});
  app.board.columnNames = {"a", "b", "c", "d", "e", "f", "g", "h"};
  app.list.boardSwitching = 0;
  rebuildColumns(list, app);
  ASSERT_EQ(list.columnCount(), 10);
  EXPECT_EQ(list.columnCaption(0), "ID");
  for (int i = 1; i <= 8; ++i) EXPECT_EQ(list.columnCaption(i), std::string(1, static_cast<char>('a' + i - 1)));
  EXPECT_EQ(list.columnCaption(9), "PC-Name");
  EXPECT_EQ(list.columnWidth(2), 222);
  EXPECT_EQ(app.local.columnWidths[0][2], 222);
  EXPECT_EQ(list.columnOrder(), (ColumnOrder{5, 0, 1, 2, 3, 4, 6, 7, 8, 9}));
  EXPECT_EQ(app.local.columnOrder[0], (ColumnOrder{5, 0, 1, 2, 3, 4, 6, 7, 8, 9}));

  // Switching to board 3 takes board 3's widths for every column,
  // including ID and PC-Name, and its order.
  app.local.columnWidths[2] = {11, 12, 13, 14, 15, 16, 17, 18, -1, 100};
  app.local.columnOrder[2] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
  app.local.selectedBoard = 3;
  app.list.boardSwitching = 1;
  rebuildColumns(list, app);
  EXPECT_EQ(widthsOf(list), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 1000 - (11 + 12 + 13 + 14 + 15 + 16 + 17 + 18), 100}));
  EXPECT_EQ(list.columnOrder(), (ColumnOrder{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  // Board 1's layout stays as it was kept.
  EXPECT_EQ(app.local.columnWidths[0][2], 222);
}

TEST(ListColumns, OutOfRangeSettingsAreBroughtIntoRange) {
  AppState app;
  app.local.selectedBoard = 9;  // counts as board 1
  app.local.columnOrder[0] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
  FakeMemberList list;
  createColumns(list, app);
  EXPECT_EQ(app.local.columnWidths[0][8], 1024 - kDefaultSum);
  EXPECT_EQ(list.columnOrder(), (ColumnOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));

  list.addRow({"b"});
  list.addRow({"a"});
  for (int bad : {20, -1, 99}) {
    app.local.sortKeys[0] = bad;
    app.list.sortDescending[0] = 1;
    sortAfterLoad(list, app);
    EXPECT_EQ(app.local.sortKeys[0], 0);
    EXPECT_EQ(app.list.sortDescending[0], 0);
    EXPECT_EQ(list.ids(), (std::vector<std::string>{"a", "b"}));
  }
}

class ListSort : public ::testing::Test {
 protected:
  AppState app;
  FakeMemberList list;
  void SetUp() override {
    createColumns(list, app);
    // Destination texts: ASCII, a double-byte text (lead byte >= 0x81) and
    // two texts that differ only after their 29th byte.
    list.addRow({"r0", "", "b"});
    list.addRow({"r1", "", "あ"});
    list.addRow({"r2", "", "A"});
    list.addRow({"r3", "", std::string(29, 'x') + "2"});
    list.addRow({"r4", "", std::string(29, 'x') + "1"});
    list.addRow({"r5", "", ""});
  }
};

TEST_F(ListSort, BytewiseUnsignedOnTheFirst29BytesInTheColumnsDirection) {
  app.list.sortDescending[2] = 0;
  sortByColumn(list, app, 2);
  // Equal in their first 29 bytes, r3 and r4 keep their order.
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r5", "r2", "r0", "r3", "r4", "r1"}));
  app.list.sortDescending[2] = 1;
  sortByColumn(list, app, 2);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r1", "r3", "r4", "r0", "r2", "r5"}));
}

TEST_F(ListSort, ClicksFlipTheColumnAndRememberTheBoardsKey) {
  app.local.selectedBoard = 4;
  // First click on the ID column (initially flagged descending) sorts ascending.
  sortByColumnClick(list, app, 0);
  EXPECT_EQ(app.list.sortDescending[0], 0);
  EXPECT_EQ(app.local.sortKeys[3], 0);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r0", "r1", "r2", "r3", "r4", "r5"}));
  sortByColumnClick(list, app, 0);
  EXPECT_EQ(app.local.sortKeys[3], 10);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r5", "r4", "r3", "r2", "r1", "r0"}));

  // The write-time column starts flagged ascending, so its first click sorts descending.
  list.setText(0, 4, "2024/01/02 10:00");
  list.setText(1, 4, "2024/01/03 09:00");
  sortByColumnClick(list, app, 4);
  EXPECT_EQ(app.local.sortKeys[3], 14);
  EXPECT_EQ(list.rows[0].texts[4], "2024/01/03 09:00");
  EXPECT_EQ(list.rows[1].texts[4], "2024/01/02 10:00");
  EXPECT_EQ(app.local.sortKeys[0], 0);  // other boards untouched

  // A load restores the stored sort: 12 is column 2 descending.
  app.local.sortKeys[3] = 12;
  app.list.sortDescending[2] = 0;
  sortAfterLoad(list, app);
  EXPECT_EQ(app.list.sortDescending[2], 1);
  // r4 and r3 tie and stay in the order the last sort left them.
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"r1", "r4", "r3", "r0", "r2", "r5"}));
}

// The sort must give the order that a comparison looking both rows up by key
// from the top gives, also for keys that are not 0..n-1.
TEST(ListSortProperty, MatchesLookupByKeyOnRandomRows) {
  std::mt19937 random(12345);
  for (int round = 0; round < 40; ++round) {
    AppState app;
    FakeMemberList list;
    createColumns(list, app);
    const int n = static_cast<int>(random() % 60);
    const bool denseKeys = round % 2 == 0;
    for (int i = 0; i < n; ++i) {
      std::string text;
      const int length = static_cast<int>(random() % 40);
      for (int j = 0; j < length; ++j) text.push_back(static_cast<char>("aAz\x81\x9f\xe0\xfc~ "[random() % 9]));
      int row = list.addRow({"id" + std::to_string(i), "", "", "", "", "", text});
      if (!denseKeys) list.setKey(row, static_cast<long>(random() % 200) - 50);
    }
    const int column = 6;
    app.list.sortDescending[column] = static_cast<int>(random() % 2);
    const FakeMemberList before = list;
    sortByColumn(list, app, column);

    auto lookup = [&](long key) {
      for (int r = 0; r < before.rowCount(); ++r) {
        if (before.key(r) == key) return before.text(r, column, 30);
      }
      return std::string();
    };
    auto reference = [&](long a, long b) {
      int c = std::strcmp(lookup(a).c_str(), lookup(b).c_str());
      c = c < 0 ? -1 : c > 0 ? 1 : 0;
      return app.list.sortDescending[column] ? -c : c;
    };
    FakeMemberList expected = before;
    expected.sortByKeys(reference);
    ASSERT_EQ(list.ids(), expected.ids()) << "round " << round;
  }
}

}  // namespace
