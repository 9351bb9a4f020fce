// Decisions of the main window that run without it: switching boards, the
// board menu, the settings rules at start, what is kept at exit, the PC
// search mark.
#include <gtest/gtest.h>

#include "app/board_menu.h"
#include "app/board_reload.h"
#include "app/board_switch.h"
#include "app/settings_lifetime.h"
#include "board/board_file.h"
#include "board/search_mark.h"
#include "common/messages.h"
#include "settings/local_settings.h"
#include "settings/shared_settings.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

class BoardSwitch : public ::testing::Test, protected BoardFixture, protected BoardSwitchView {
 protected:
  RecordingUi ui;
  std::vector<std::string> log;

  void showBoardChoice(int previous, int board) override {
    log.push_back("choice " + std::to_string(previous) + ">" + std::to_string(board));
  }
  void showAllMembersMessage() override { log.push_back("message " + app.board.allMembersMessage); }
  void showUpdateTime() override { log.push_back("time " + app.times.updateTimeText); }
  void pickUpMail() override { log.push_back("mail"); }
  bool to(int board) { return runBoardSwitch(list, app, ui, *this, board); }

  void SetUp() override {
    app.shared.boardPaths[0] = folder.file("boad1.csv");
    app.shared.boardPaths[1] = folder.file("sub/boad2.csv");
    std::filesystem::create_directory(folder.file("sub"));
    writeFile(app.shared.boardPaths[0], boardBytes(1111, {"A01,3,山田,,,,,,,,"}, "一"));
    writeFile(app.shared.boardPaths[1], boardBytes(2222, {"B01,4,佐藤,,,,,,,,", "B02,5,鈴木,,,,,,,,"}, "二"));
    ASSERT_TRUE(loadBoard(list, app));
    app.main.lastLoadResult = kUnchanged;
  }
};

// (The columns each board keeps, and an unreadable board's, over a switch
// and a restart are the Boards end-to-end scenario's.)
TEST_F(BoardSwitch, TheNewBoardIsLoadedAnUnreadableOneLeavesAnEmptyListAndBadNumbersNothing) {
  for (int board : {0, 6, -1}) EXPECT_FALSE(to(board));
  EXPECT_TRUE(log.empty());
  to(2);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"B01", "B02"}));
  EXPECT_EQ(app.board.boardStamp, 2222);
  EXPECT_EQ(log, (std::vector<std::string>{"choice 1>2", "message 二", "time " + app.times.updateTimeText, "mail"}));
  // Choosing the board shown again is a reload that keeps what is on screen.
  list.setColumnWidth(3, 333);
  to(2);
  EXPECT_EQ(list.columnWidth(3) + app.local.columnWidths[1][3], 666);
  // Unreadable: the list and status bar emptied before the warning; the mail comes all the same.
  writeFile(folder.file("lock.dat"), "");
  log.clear();
  to(1);
  EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(list.rowCount() + app.board.boardStamp, 0);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(log.back(), "mail");
  EXPECT_EQ(log[log.size() - 2], "time ");
}

// (The menu's texts, checks and greys are the FirstStart and SharedSettings
// end-to-end scenarios'.) The board shown stays checked, and not grey, when
// its file has been taken out of the settings.
TEST(BoardMenu, TheSelectedBoardIsCheckedAndNeverGrey) {
  SharedSettings shared;
  shared.boardPaths = {"\\\\srv\\b1.csv", "", "", "", ""};
  const auto items = boardMenuItems(shared, 2);
  EXPECT_TRUE(items[1].checked && !items[1].grayed);
  EXPECT_TRUE(!items[0].checked && !items[0].grayed && items[2].grayed);
}

TEST(StartupSettings, TheSharedRulesWinOverTheLocalFile) {
  TempFolder folder;
  AppState app;
  app.main.programFolder = folder.path();
  app.main.windowsFolder = folder.file("windows");
  LocalSettings local;
  local.selectedBoard = 7;  // out of range: board 1
  local.autoPcSearch = 1;
  ASSERT_TRUE(saveLocalSettings(local, app.main.programFolder, app.main.windowsFolder));
  SharedSettings shared;
  shared.pcSearchAllowed = 0;
  shared.boardPaths[0] = folder.file("office.csv");
  ASSERT_TRUE(saveSharedSettings(shared, sharedSettingsPath(folder.path(), "")));
  loadStartupSettings(app);
  EXPECT_EQ(app.board.currentBoardPath, folder.file("office.csv"));
  EXPECT_EQ(app.local.autoPcSearch, 0);
  EXPECT_EQ(app.shared.mailFolder, folder.path());  // none set: the program folder
  AppState fresh;  // no files at all: the default boards beside the program
  fresh.main.programFolder = folder.file("empty");
  loadStartupSettings(fresh);
  EXPECT_EQ(fresh.board.currentBoardPath, fresh.shared.boardPaths[0]);
  EXPECT_FALSE(fresh.board.currentBoardPath.empty());
  EXPECT_EQ(fresh.shared.mailFolder, fresh.main.programFolder);
}

TEST(ExitSettings, ColumnsOfAnUnreadableBoardAreNotKept) {
  for (int result : {kUnchanged, kUnreadable}) {
    BoardFixture f;
    f.app.main.programFolder = f.folder.path();
    f.app.main.lastLoadResult = result;
    f.list.setColumnWidth(1, 123);
    saveSettingsAtExit(f.list, f.app);
    LocalSettings stored;
    ASSERT_TRUE(readLocalSettingsFile(stored, localSettingsPath(f.folder.path(), "")));
    EXPECT_EQ(stored.columnWidths[0][1], result == kUnreadable ? 70 : 123) << result;
  }
}

TEST(SearchMark, OnlyTheStateImageBitsCountAndAStoredMinusOneIsAColour) {
  EXPECT_EQ(markOfItemState(itemStateOfMark(kNotConnected) | 0xFFFF0FFFu), kNotConnected);
  EXPECT_EQ(markOfItemState(0x0FFF), kNotSearched);
  EXPECT_EQ(itemStateOfMark(0x12), itemStateOfMark(2));  // four bits only
  EXPECT_EQ(markBackground(kNotConnected, 10, -1), -1);  // a stored -1 is still a colour to set
  EXPECT_FALSE(markBackground(kNotSearched, 10, 20).has_value() || markBackground(3, 10, 20).has_value());
}

}  // namespace
