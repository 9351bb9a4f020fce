// Decisions of the main window that run without it: switching boards, the
// settings rules at start, what is kept at exit, and the PC search mark.
#include <gtest/gtest.h>

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

class RecordingSwitchView : public BoardSwitchView {
 public:
  explicit RecordingSwitchView(const AppState& app) : app_(app) {}
  std::vector<std::string> log;
  void showBoardChoice(int previous, int board) override {
    log.push_back("choice " + std::to_string(previous) + ">" + std::to_string(board));
  }
  void showAllMembersMessage() override { log.push_back("message " + app_.board.allMembersMessage); }
  void showUpdateTime() override { log.push_back("time " + app_.times.updateTimeText); }
  void pickUpMail() override { log.push_back("mail"); }

 private:
  const AppState& app_;
};

class BoardSwitch : public ::testing::Test, protected BoardFixture {
 protected:
  RecordingUi ui;
  RecordingSwitchView view{app};

  void SetUp() override {
    app.shared.boardPaths[0] = folder.file("boad1.csv");
    app.shared.boardPaths[1] = folder.file("sub/boad2.csv");
    std::filesystem::create_directory(folder.file("sub"));
    writeFile(app.shared.boardPaths[0], boardBytes(1111, {"A01,3,山田,,,,,,,,"}, "一"));
    writeFile(app.shared.boardPaths[1], boardBytes(2222, {"B01,4,佐藤,,,,,,,,", "B02,5,鈴木,,,,,,,,"}, "二"));
    app.local.columnWidths[1] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
    app.local.columnOrder[1] = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    ASSERT_TRUE(loadBoard(list, app));
    app.main.lastLoadResult = kUnchanged;
  }
};

TEST_F(BoardSwitch, TheNewBoardComesWithItsStoredColumnsAndTheOldOneKeepsItsOwn) {
  list.setColumnWidth(2, 222);
  runBoardSwitch(list, app, ui, view, 2);
  EXPECT_EQ(app.local.selectedBoard, 2);
  EXPECT_EQ(app.board.currentBoardPath, app.shared.boardPaths[1]);
  EXPECT_EQ(list.ids(), (std::vector<std::string>{"B01", "B02"}));
  EXPECT_EQ(app.board.boardStamp, 2222);
  EXPECT_EQ(list.columnWidth(2), 13);
  EXPECT_EQ(list.columnOrder(), (ColumnOrder{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(app.local.columnWidths[0][2], 222);  // board 1 as it was left
  EXPECT_EQ(view.log,
            (std::vector<std::string>{"choice 1>2", "message 二", "time " + app.times.updateTimeText, "mail"}));
  EXPECT_TRUE(ui.warnings.empty());

  // Choosing the board shown again is a reload that keeps what is on screen.
  list.setColumnWidth(3, 333);
  runBoardSwitch(list, app, ui, view, 2);
  EXPECT_EQ(list.columnWidth(3), 333);
  EXPECT_EQ(app.local.columnWidths[1][3], 333);
}

TEST_F(BoardSwitch, AnUnreadableBoardLeavesAnEmptyListThatTheNextCheckReloads) {
  lock();  // boad1.csv's folder; board 2 lies in another
  runBoardSwitch(list, app, ui, view, 2);
  std::filesystem::remove(folder.file("lock.dat"));
  writeFile(folder.file("sub/lock.dat"), "");
  runBoardSwitch(list, app, ui, view, 1);  // back, but now board 1's folder is free and board 2's is locked
  ASSERT_EQ(app.local.selectedBoard, 1);
  runBoardSwitch(list, app, ui, view, 2);
  EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(app.board.boardStamp, 0);
  EXPECT_EQ(app.board.allMembersMessage, "");
  EXPECT_EQ(app.times.updateTimeText, "");
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  // The status bar is cleared before the warning shows; the mail comes all the same.
  EXPECT_EQ(view.log.back(), "mail");
  EXPECT_EQ(view.log[view.log.size() - 2], "time ");

  // Leaving the unreadable board does not store the columns left on screen for it.
  app.local.columnWidths[1][2] = 77;
  list.setColumnWidth(2, 5);
  std::filesystem::remove(folder.file("sub/lock.dat"));
  runBoardSwitch(list, app, ui, view, 1);
  EXPECT_EQ(app.local.columnWidths[1][2], 77);
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

TEST_F(BoardSwitch, NumbersOutsideOneToFiveDoNothing) {
  for (int board : {0, 6, -1}) EXPECT_FALSE(runBoardSwitch(list, app, ui, view, board));
  EXPECT_EQ(app.local.selectedBoard, 1);
  EXPECT_TRUE(view.log.empty());
  EXPECT_EQ(list.rowCount(), 1);
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

TEST(SearchMark, OnlyTheStateImageBitsCountAndEachMarkHasItsColour) {
  EXPECT_EQ(markOfItemState(itemStateOfMark(kConnected) | 0x0FFF), kConnected);
  EXPECT_EQ(markOfItemState(itemStateOfMark(kNotConnected) | 0xFFFF0000u), kNotConnected);
  EXPECT_EQ(markOfItemState(0x0FFF), kNotSearched);
  EXPECT_EQ(itemStateOfMark(0x12), itemStateOfMark(2));  // four bits only
  EXPECT_EQ(markBackground(kConnected, 10, 20), 10);
  EXPECT_EQ(markBackground(kNotConnected, 10, 20), 20);
  EXPECT_EQ(markBackground(kNotConnected, 10, -1), -1);  // a stored -1 is still a colour to set
  EXPECT_FALSE(markBackground(kNotSearched, 10, 20).has_value());
  EXPECT_FALSE(markBackground(3, 10, 20).has_value());
}

}  // namespace
