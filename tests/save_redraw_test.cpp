// What a save does to the list's redraw: a save over the file as this copy
// left it changes no row and must not suspend the redraw (turning it back on
// repaints the whole list); a save that meets another copy's save reloads
// the rows with the redraw held, and gives it back only once lock.dat is
// gone, on every way out.
#include <gtest/gtest.h>

#include "app/board_reload.h"
#include "board/board_save.h"
#include "common/messages.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

// Counts the bulk updates and notes whether the lock was there when the
// outermost one ended.
class RedrawWatchingList : public FakeMemberList {
 public:
  std::string lockPath;
  int outermostBegins = 0;
  int endsUnderLock = 0;
  void beginBulkUpdate() override {
    outermostBegins += bulkDepth == 0;
    FakeMemberList::beginBulkUpdate();
  }
  void endBulkUpdate() override {
    FakeMemberList::endBulkUpdate();
    if (bulkDepth == 0) endsUnderLock += exists(lockPath);
  }
};

const std::vector<std::string> kRows = {"abe,0,阿部,会議室,,,,,,,", "kato,3,加藤,事務所,,,,,,,"};

class SaveRedraw : public ::testing::Test {
 protected:
  TempFolder folder;
  AppState app;
  RedrawWatchingList list;
  RecordingUi ui;

  void SetUp() override {
    app.board.currentBoardPath = folder.file("boad1.csv");
    list.lockPath = folder.file("lock.dat");
    createColumns(list, app);
    writeFile(app.board.currentBoardPath, boardBytes(100, kRows, "みんなへ"));
    ASSERT_TRUE(loadBoard(list, app));
    list.outermostBegins = 0;
  }

  // Another copy's save that kept the stamp this copy knows (two saves in
  // one second): only the bytes tell it, and only the save sees it.
  void otherCopySavesKato(const std::string& destination) {
    writeFile(app.board.currentBoardPath,
              boardBytes(app.board.boardStamp, {kRows[0], "kato,3,加藤," + destination + ",,,,,,,"}, "みんなへ"));
  }

  static BoardChange destinationOf(const std::string& id, const std::string& word) {
    return [id, word](MemberList& l) -> const char* {
      int row = l.findId(id);
      if (row < 0) return msg::kIdNotFound;
      l.setText(row, 2, word);
      return nullptr;
    };
  }
  std::string shown(const std::string& id) const { return list.text(list.findId(id), 2, 30); }
};

TEST_F(SaveRedraw, ASaveOverItsOwnFileLeavesTheRedrawAlone) {
  for (const char* word : {"外出", "帰宅", "出社"}) {
    ASSERT_TRUE(applyAndSave(list, app, ui, destinationOf("abe", word)));
    EXPECT_EQ(word, shown("abe"));
  }
  ASSERT_TRUE(saveBoard(list, app, ui));  // the save without a change to make again
  EXPECT_EQ(0, list.outermostBegins);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(fileRows(readFile(app.board.currentBoardPath))[0].substr(0, 16), "abe,0,阿部,出社,");
}

TEST_F(SaveRedraw, ACatchUpHoldsTheRedrawUntilTheLockHasGone) {
  otherCopySavesKato("外出");
  ASSERT_TRUE(applyAndSave(list, app, ui, destinationOf("abe", "帰宅")));
  EXPECT_EQ(1, list.outermostBegins);
  EXPECT_EQ(0, list.bulkDepth);
  EXPECT_EQ(0, list.endsUnderLock);
  EXPECT_EQ("外出", shown("kato"));  // the other copy's row, reloaded
  EXPECT_EQ("帰宅", shown("abe"));   // this copy's change, made again
  // The next save finds the file it wrote: no redraw held again.
  ASSERT_TRUE(applyAndSave(list, app, ui, destinationOf("abe", "出社")));
  EXPECT_EQ(1, list.outermostBegins);
}

// A catch-up that ends in a refusal (the row has gone; a save without its
// change) gives the redraw back as well, once the lock is gone.
TEST_F(SaveRedraw, ARefusedCatchUpGivesTheRedrawBackToo) {
  writeFile(app.board.currentBoardPath, boardBytes(app.board.boardStamp, {kRows[1]}, "みんなへ"));
  EXPECT_FALSE(applyAndSave(list, app, ui, destinationOf("abe", "帰宅")));
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_EQ(msg::kIdNotFound, ui.warnings[0]);
  // Without a change to make again nothing is reloaded, so nothing is held.
  otherCopySavesKato("休み");
  EXPECT_FALSE(saveBoard(list, app, ui));
  ASSERT_EQ(ui.warnings.size(), 2u);
  EXPECT_EQ(msg::kSaveFailed, ui.warnings[1]);
  EXPECT_EQ(1, list.outermostBegins);
  EXPECT_EQ(0, list.bulkDepth);
  EXPECT_EQ(0, list.endsUnderLock);
  EXPECT_FALSE(exists(list.lockPath));
}

}  // namespace
