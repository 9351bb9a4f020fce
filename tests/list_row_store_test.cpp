// The row texts the member list draws from: kept in list order through
// inserts, deletes and sorts, and handed out cut to the asker's buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/list_row_store.h"

using namespace wabo;

namespace {

std::vector<std::string> ids(const ListRowStore& store) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < store.size(); ++i) out.push_back(store.text(static_cast<int>(i), 0, 64));
  return out;
}

// Four rows A..D, each with a second text naming it.
ListRowStore fourRows() {
  ListRowStore store;
  for (const char* id : {"A", "B", "C", "D"}) {
    store.insert(store.size(), id);
    store.setText(static_cast<int>(store.size()) - 1, 9, std::string("pc-") + id);
  }
  return store;
}

TEST(ListRowStore, InsertsAndDeletesKeepEachRowsTextsTogether) {
  ListRowStore store = fourRows();
  store.insert(0, "first");
  store.insert(2, "middle");
  store.insert(99, "last");  // beyond the end: appended, as the list view does
  EXPECT_EQ(ids(store), (std::vector<std::string>{"first", "A", "middle", "B", "C", "D", "last"}));
  EXPECT_EQ(store.text(3, 9, 64), "pc-B");
  EXPECT_EQ(store.text(2, 9, 64), "") << "a new row has only its ID";

  store.erase(1);
  store.erase(99);  // no such row: nothing happens
  EXPECT_EQ(ids(store), (std::vector<std::string>{"first", "middle", "B", "C", "D", "last"}));
  EXPECT_EQ(store.text(2, 9, 64), "pc-B");
  store.clear();
  EXPECT_EQ(store.size(), 0u);
}

TEST(ListRowStore, RowsAndColumnsThatDoNotExistReadEmptyAndTakeNothing) {
  ListRowStore store = fourRows();
  store.setText(4, 1, "x");
  store.setText(-1, 1, "x");
  store.setText(0, 10, "x");
  store.setText(0, -1, "x");
  EXPECT_EQ(store.text(4, 0, 64), "");
  EXPECT_EQ(store.text(-1, 0, 64), "");
  EXPECT_EQ(store.text(0, 10, 64), "");
  EXPECT_EQ(store.text(0, -1, 64), "");
  EXPECT_EQ(ids(store), (std::vector<std::string>{"A", "B", "C", "D"}));

  char buffer[8];
  std::memset(buffer, 'z', sizeof buffer);
  store.copyText(7, 0, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "") << "the list view's buffer is emptied for a row it should not ask for";
}

// "あいう" is three double-byte characters, six bytes.
TEST(ListRowStore, TextsAreCutToTheBufferWithoutHalfACharacter) {
  ListRowStore store;
  store.insert(0, "ID");
  store.setText(0, 3, "aあいう");
  EXPECT_EQ(store.text(0, 3, 8), "aあいう") << "7 bytes fit a buffer of 8";
  EXPECT_EQ(store.text(0, 3, 7), "aあい") << "6 bytes would end in a lead byte";
  EXPECT_EQ(store.text(0, 3, 3), "a");
  EXPECT_EQ(store.text(0, 3, 1), "");
  EXPECT_EQ(store.text(0, 3, 0), "");

  char buffer[16];
  for (std::size_t size : {8u, 7u, 6u, 3u, 2u, 1u}) {
    std::memset(buffer, 'z', sizeof buffer);
    store.copyText(0, 3, buffer, size);
    EXPECT_EQ(std::string(buffer), store.text(0, 3, size)) << "buffer of " << size;
    EXPECT_EQ(buffer[size], 'z') << "nothing written behind a buffer of " << size;
  }
  std::memset(buffer, 'z', sizeof buffer);
  store.copyText(0, 3, buffer, 0);  // no room even for the end mark: untouched
  EXPECT_EQ(buffer[0], 'z');
}

TEST(ListRowStore, ReorderMovesWholeRowsAndRefusesAnOrderThatIsNotOne) {
  ListRowStore store = fourRows();
  store.reorder({3, 0, 2, 1});
  EXPECT_EQ(ids(store), (std::vector<std::string>{"D", "A", "C", "B"}));
  EXPECT_EQ(store.text(0, 9, 64), "pc-D");
  EXPECT_EQ(store.text(3, 9, 64), "pc-B");

  store.reorder({0, 0, 1, 2});  // a place twice
  store.reorder({0, 1, 2, 4});  // a place that does not exist
  store.reorder({0, 1, 2});     // too short
  EXPECT_EQ(ids(store), (std::vector<std::string>{"D", "A", "C", "B"}));
}

TEST(ListRowStore, OrderOfKeysIsStableInBothDirections) {
  // Texts by key: rows with keys 7 and 2 tie, as do 5 and 1.
  const std::vector<long> keys = {7, 5, 2, 1, 9};
  auto group = [](long key) { return key == 7 || key == 2 ? 1 : key == 9 ? 0 : 2; };
  auto ascending = [&](long a, long b) { return group(a) - group(b); };
  auto descending = [&](long a, long b) { return group(b) - group(a); };
  EXPECT_EQ(orderOfKeys(keys, ascending), (std::vector<std::size_t>{4, 0, 2, 1, 3}));
  EXPECT_EQ(orderOfKeys(keys, descending), (std::vector<std::size_t>{1, 3, 0, 2, 4}));
  EXPECT_TRUE(orderOfKeys({}, ascending).empty());
}

TEST(ListRowStore, KeysDistinct) {
  EXPECT_TRUE(keysDistinct({}));
  EXPECT_TRUE(keysDistinct({3, 0, 2, 1}));
  EXPECT_FALSE(keysDistinct({3, 0, 3, 1}));
  EXPECT_FALSE(keysDistinct({-1, -1}));
}

}  // namespace
