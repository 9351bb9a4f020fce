// Clicking a column header sorts the list by that column; clicking it again
// reverses the order. The comparison is bytewise on the Shift-JIS text.
#include <gtest/gtest.h>

#include "harness/program_copy.h"
#include "sample_boards.h"

namespace e2e {
namespace {

class ColumnSort : public ::testing::Test {
 protected:
  void SetUp() override {
    program.writeBoard(officeBoard());
    program.start();
    ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 4; }));
  }

  // IDs top to bottom once the list shows them in this order, else what it shows.
  std::vector<std::string> idsAfterClick(int column, const std::vector<std::string>& expected) {
    ListViewProbe& list = program.list();
    list.clickColumnHeader(column);
    std::vector<std::string> ids;
    waitUntil([&] { return (ids = list.columnTexts(0)) == expected; });
    return ids;
  }

  ProgramCopy program;
};

TEST_F(ColumnSort, DestinationClickSortsAscendingThenReverses) {
  // 会議室 (89 EF) < 休み (8B 78) < 事務所 (8E 96) < 出張 (8F 6F)
  std::vector<std::string> ascending = {"S010", "m005", "K100", "A001"};
  std::vector<std::string> descending = {"A001", "K100", "m005", "S010"};
  EXPECT_EQ(ascending, idsAfterClick(2, ascending));
  EXPECT_EQ(descending, idsAfterClick(2, descending));
  EXPECT_EQ(ascending, idsAfterClick(2, ascending));
}

TEST_F(ColumnSort, WriteTimeFirstClickSortsNewestFirst) {
  std::vector<std::string> newestFirst = {"m005", "S010", "A001", "K100"};
  EXPECT_EQ(newestFirst, idsAfterClick(4, newestFirst));
  std::vector<std::string> oldestFirst = {"K100", "A001", "S010", "m005"};
  EXPECT_EQ(oldestFirst, idsAfterClick(4, oldestFirst));
}

TEST_F(ColumnSort, IdClickReversesTheLoadOrderAndRowsKeepTheirFields) {
  // The list comes sorted by ID ascending, so the first click on ID reverses it.
  std::vector<std::string> descending = {"m005", "S010", "K100", "A001"};
  ASSERT_EQ(descending, idsAfterClick(0, descending));
  const BoardText board = officeBoard();
  std::vector<int> fileOrder = {2, 0, 3, 1};
  for (int i = 0; i < 4; ++i) {
    const MemberLine& m = board.members[static_cast<size_t>(fileOrder[static_cast<size_t>(i)])];
    SCOPED_TRACE(m.id);
    ListRow row = program.list().row(i);
    EXPECT_EQ(listTexts(m), row.texts);
    EXPECT_EQ(m.icon, row.image);
    EXPECT_EQ(fileOrder[static_cast<size_t>(i)], row.param);
  }
}

}  // namespace
}  // namespace e2e
