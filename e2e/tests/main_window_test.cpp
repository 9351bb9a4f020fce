// First start of the program in a folder without settings files: the window,
// its board menu, the list of board 1 and the status bar; and shutdown.
#include <gtest/gtest.h>

#include "harness/program_copy.h"
#include "res/resource.h"
#include "sample_boards.h"

namespace e2e {
namespace {

const char kTitleBoard1[] = "行き先表示ボード Wabo - ﾎﾞｰﾄﾞ1";

// "hh:mm:ss 更新", with a full stop when the last look found nothing new.
bool isUpdateTimeText(const std::string& text) {
  const std::string stamp = " 更新";
  if (text.size() < 8 + stamp.size()) return false;
  for (int i : {0, 1, 3, 4, 6, 7})
    if (text[i] < '0' || text[i] > '9') return false;
  if (text[2] != ':' || text[5] != ':') return false;
  std::string rest = text.substr(8);
  return rest == stamp || rest == stamp + ".";
}

class FirstStart : public ::testing::Test {
 protected:
  void SetUp() override {
    program.writeBoard(officeBoard());
    program.start();
  }
  ProgramCopy program;
};

TEST_F(FirstStart, WindowHasDefaultRectangleAndBoardTitle) {
  RECT r = program.rect();
  EXPECT_EQ(119, r.left);
  EXPECT_EQ(135, r.top);
  EXPECT_EQ(648, r.right - r.left);
  EXPECT_EQ(338, r.bottom - r.top);
  EXPECT_EQ(kTitleBoard1, program.title());
}

TEST_F(FirstStart, BoardMenuChecksBoard1AndGreysBoardsWithoutPath) {
  std::vector<MenuItem> bar = program.menus().menuBar(program.mainWindow());
  std::vector<MenuItem> boards = popupItems(bar, 1);
  ASSERT_GE(boards.size(), 5u);
  const char* texts[] = {"ﾎﾞｰﾄﾞ1 (&1)", "ﾎﾞｰﾄﾞ2 (&2)", "ﾎﾞｰﾄﾞ3 (&3)", "ﾎﾞｰﾄﾞ4 (&4)",
                         "ﾎﾞｰﾄﾞ5 (&5)"};
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE("board " + std::to_string(n));
    const MenuItem& item = itemById(boards, CMD_BOARD_1 + n - 1);
    EXPECT_EQ(texts[n - 1], item.text);
    EXPECT_EQ(n == 1, item.checked());
    EXPECT_EQ(n >= 3, item.grey());
  }
}

TEST_F(FirstStart, ListShowsEveryFieldSortedByIdAscending) {
  const BoardText board = officeBoard();
  ListViewProbe& list = program.list();
  ASSERT_TRUE(waitUntil([&] { return list.rowCount() == 4; })) << list.rowCount();
  std::vector<ListRow> rows = list.rows();
  std::vector<int> expected = officeBoardByIdAscending();
  for (size_t i = 0; i < rows.size(); ++i) {
    const MemberLine& m = board.members[static_cast<size_t>(expected[i])];
    SCOPED_TRACE("row " + std::to_string(i) + " " + m.id);
    EXPECT_EQ(listTexts(m), rows[i].texts);
    EXPECT_EQ(m.icon, rows[i].image);
    EXPECT_EQ(expected[i], rows[i].param) << "row key is the row's place in the file";
    EXPECT_EQ(0, rows[i].stateImage);
  }
}

TEST_F(FirstStart, ColumnsCarryFileCaptionsAndDefaultWidths) {
  ListViewProbe& list = program.list();
  ASSERT_TRUE(waitUntil([&] { return list.rowCount() == 4; }));
  std::vector<std::string> captions = {"ID", "氏名", "居場所", "戻り", "書込日時",
                                       "携帯", "連絡", "予定表", "備考", "PC-Name"};
  EXPECT_EQ(captions, list.columnCaptions());
  // Column 8 takes the rest of a full-screen window's width.
  int fill = GetSystemMetrics(SM_CXFULLSCREEN) - (70 * 4 + 105 + 90 + 150 + 150);
  std::vector<int> widths = {70, 70, 70, 70, 105, 90, 150, 150, fill, 0};
  EXPECT_EQ(widths, list.columnWidths());
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}), list.columnOrder());
}

TEST_F(FirstStart, StatusBarShowsMessageAutoUpdateAndLoadTime) {
  StatusBarProbe& bar = program.statusBar();
  ASSERT_EQ(3, bar.partCount());
  RECT client;
  ASSERT_TRUE(GetClientRect(program.mainWindow(), &client));
  int w = client.right - client.left;
  EXPECT_EQ((std::vector<int>{w - 215, w - 125, w}), bar.partEdges());
  EXPECT_EQ("本日は定例会議があります", bar.partText(0));
  EXPECT_TRUE(bar.partHasIcon(0)) << "the message part shows its icon";
  EXPECT_EQ(" Auto 10min", bar.partText(1));
  EXPECT_TRUE(isUpdateTimeText(bar.partText(2))) << bar.partText(2);
  EXPECT_TRUE(bar.partHasIcon(2));
}

TEST_F(FirstStart, FirstTickFindsTheBoardUnchangedAndWarnsNothing) {
  // The first tick comes half a second after start and marks its look at
  // the file with a full stop after the time.
  EXPECT_TRUE(program.waitForUnchangedCheck()) << program.statusBar().partText(2);
  EXPECT_EQ(nullptr, program.findDialog(kMessageCaption));
  EXPECT_EQ(4, program.list().rowCount());
}

TEST(Shutdown, ClosingTheWindowEndsWithZeroAndWritesLocalSettings) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.start();
  ASSERT_FALSE(program.hasFile("WaboM.ini"));
  EXPECT_EQ(0u, program.close());
  EXPECT_TRUE(program.hasFile("WaboM.ini"));
}

}  // namespace
}  // namespace e2e
