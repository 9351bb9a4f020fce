// The member list's columns per board, the sort by a column, and the row
// texts the list draws from: kept in list order through inserts, deletes and
// sorts, and handed out cut to the asker's buffer.
#include "app/list_columns.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "app/list_row_store.h"
#include "tests/fake_member_list.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Ids = std::vector<std::string>;

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

// (Each board's widths and order, and the fill width, are the Boards and
// FirstStart end-to-end scenarios'.) Settings out of range, wherever they
// come from, fall back to board 1 and the default order.
TEST(ListColumns, OddSettingsFallBack) {
  AppState odd;
  odd.local.selectedBoard = 9;
  odd.local.columnOrder[0] = {0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
  FakeMemberList list;
  list.screenWidth = 640;  // narrower than the other columns: no fill width
  createColumns(list, odd);
  EXPECT_EQ(list.columnOrder(), kDefaultColumnOrder);
  EXPECT_EQ(odd.local.columnWidths[0][8], 0);
}

// ASCII, double-byte (lead byte >= 0x81), two texts that differ only after their 29th byte, empty.
class ListSort : public ::testing::Test {
 protected:
  AppState app;
  FakeMemberList list;
  void SetUp() override {
    createColumns(list, app);
    for (const std::string& text : Ids{"b", "あ", "A", std::string(29, 'x') + "2", std::string(29, 'x') + "1", ""})
      list.addRow({"r" + std::to_string(list.rowCount()), "", text});
  }
};

TEST_F(ListSort, BytewiseUnsignedOnTheFirst29BytesInTheColumnsDirection) {
  sortByColumn(list, app, 2);                                        // descending at first
  EXPECT_EQ(list.ids(), (Ids{"r1", "r3", "r4", "r0", "r2", "r5"}));  // r3, r4 tie
  app.list.sortDescending[2] = 0;
  sortByColumn(list, app, 2);
  EXPECT_EQ(list.ids(), (Ids{"r5", "r2", "r0", "r3", "r4", "r1"}));
}

// (Clicks that flip a column and the sort kept over a restart are the Boards
// end-to-end scenario's.) Stored keys out of range count as 0.
TEST_F(ListSort, AClickStoresTheBoardsKeyAndKeysOutOfRangeCountAs0) {
  app.local.selectedBoard = 4;
  sortByColumnClick(list, app, 4);  // the write time starts flagged ascending: its first click sorts descending
  EXPECT_EQ(app.local.sortKeys[3], 14);
  EXPECT_EQ(app.local.sortKeys[0], 0);  // other boards untouched
  for (int bad : {20, -1}) {
    app.local.sortKeys[3] = bad;
    app.list.sortDescending[0] = 1;
    EXPECT_EQ(takeStoredSort(app), 0);
    EXPECT_EQ(app.local.sortKeys[3] * 10 + app.list.sortDescending[0], 0);
  }
}

// Each row's ID and PC name, "ID/pc".
Ids rowsOf(const ListRowStore& store) {
  Ids out;
  for (int i = 0; i < static_cast<int>(store.size()); ++i)
    out.push_back(store.text(i, 0, 64) + "/" + store.text(i, 9, 64));
  return out;
}

TEST(ListRowStore, InsertsDeletesAndReordersKeepEachRowsTextsTogether) {
  ListRowStore store;
  for (const char* id : {"A", "B", "C"}) {
    store.insert(store.size(), id);
    store.setText(static_cast<int>(store.size()) - 1, 9, id);
  }
  store.insert(1, "new");
  store.insert(99, "last");  // beyond the end: appended, as the list view does
  store.erase(0);
  store.erase(99);  // no such row: nothing happens
  EXPECT_EQ(rowsOf(store), (Ids{"new/", "B/B", "C/C", "last/"}));
  store.reorder({2, 0, 3, 1});
  EXPECT_EQ(rowsOf(store), (Ids{"C/C", "new/", "last/", "B/B"}));
  for (const auto& bad : std::vector<std::vector<std::size_t>>{{0, 0, 1, 2}, {0, 1, 2, 4}, {0, 1, 2}})
    store.reorder(bad);  // not an order of every place once: nothing moves
  EXPECT_EQ(rowsOf(store), (Ids{"C/C", "new/", "last/", "B/B"}));
  // Rows and columns that do not exist read empty and take nothing.
  for (const auto& [row, column] : std::vector<std::pair<int, int>>{{4, 1}, {-1, 1}, {0, 10}, {0, -1}}) {
    store.setText(row, column, "x");
    EXPECT_EQ(store.text(row, column, 64), "");
  }
  EXPECT_EQ(rowsOf(store), (Ids{"C/C", "new/", "last/", "B/B"}));
}

// "あいう" is three double-byte characters, six bytes. The list view's
// buffer is filled NUL-terminated, never behind its end, and emptied for a
// row it should not ask for.
TEST(ListRowStore, TextsAreCutToTheBufferWithoutHalfACharacter) {
  ListRowStore store;
  store.insert(0, "ID");
  store.setText(0, 3, "aあいう");
  char buffer[16];
  for (const auto& [size, expected] :
       std::vector<std::pair<std::size_t, std::string>>{{8, "aあいう"}, {7, "aあい"}, {3, "a"}, {1, ""}}) {
    std::memset(buffer, 'z', sizeof buffer);
    store.copyText(0, 3, buffer, size);
    EXPECT_EQ(std::string(buffer), expected) << size;
    EXPECT_EQ(buffer[size], 'z') << "written behind a buffer of " << size;
  }
  std::memset(buffer, 'z', sizeof buffer);
  store.copyText(0, 3, buffer, 0);  // no room even for the end mark: untouched
  EXPECT_EQ(buffer[0], 'z');
  store.copyText(7, 0, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "");
}

TEST(ListRowStore, OrderOfKeysIsStableInBothDirections) {
  // Rows with keys 7 and 2 tie, as do 5 and 1.
  const std::vector<long> keys = {7, 5, 2, 1, 9};
  auto group = [](long key) { return key == 7 || key == 2 ? 1 : key == 9 ? 0 : 2; };
  EXPECT_EQ(orderOfKeys(keys, [&](long a, long b) { return group(a) - group(b); }),
            (std::vector<std::size_t>{4, 0, 2, 1, 3}));
  EXPECT_EQ(orderOfKeys(keys, [&](long a, long b) { return group(b) - group(a); }),
            (std::vector<std::size_t>{1, 3, 0, 2, 4}));
  EXPECT_TRUE(keysDistinct({3, 0, 2, 1}));
  EXPECT_FALSE(keysDistinct({3, 0, 3, 1}));
}

}  // namespace
