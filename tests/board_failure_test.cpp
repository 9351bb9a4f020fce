// Saves that fail where the machine cannot be made to fail (a full disk, a
// read-only board, a lock that cannot be deleted), planned through the
// platform file module, and a folder that goes between check and save. Each
// leaves the previous board and backup complete, no lock of ours, and says
// so; none reports success.
#include <gtest/gtest.h>

#include "board/board_file.h"
#include "board/board_save.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "common/platform_file_faults.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;

Lines filesIn(const std::string& folder) {
  Lines names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class SaveFailure : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;
  std::string board, backup;

  void SetUp() override {
    setClockForTests(localTime(2024, 7, 8, 10, 0, 0));
    f.writeBoard(boardBytes(1, {"ito,1,伊藤,在席,,,,,,,", "ueda,2,上田,在席,,,,,,,"}, "連絡"));
    ASSERT_TRUE(loadBoard(f.list, f.app));
    editDestination("出張");  // one good save, so that a backup exists
    ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
    board = f.board(), backup = readFile(f.folder.file("boad1.bak"));
    ASSERT_NE(board, backup);
  }
  void TearDown() override {
    platform::setFileFaultsForTests(platform::FileFaults{});
    setClockForTests(-1);
  }
  void editDestination(const std::string& word) {
    EditBuffers& e = f.app.edit;
    e.editRowIndex = f.list.findId("ito");
    e.clearRowTexts();
    e.editId = "ito", e.editName = "伊藤", e.editDestination = word;
  }
  // The change fails with `warning`; board, backup and folder are as they were.
  void expectRefused(const char* warning, const Lines& files = {"boad1.bak", "boad1.csv"}) {
    ui.warnings.clear();
    editDestination("帰宅");
    EXPECT_FALSE(applyEditedRow(f.list, f.app, ui));
    EXPECT_EQ(ui.warnings, Lines{warning});
    EXPECT_EQ(f.board(), board);
    EXPECT_EQ(readFile(f.folder.file("boad1.bak")), backup);
    EXPECT_EQ(filesIn(f.folder.path()), files) << "a lock or a temporary file was left";
  }
};

TEST_F(SaveFailure, ADiskThatFillsUpWhileTheBoardOrTheBackupIsWritten) {
  const std::size_t boardBytes = board.size();
  for (long long room : {0LL, 10LL, static_cast<long long>(boardBytes) - 1, static_cast<long long>(boardBytes) + 5}) {
    SCOPED_TRACE(room);
    platform::FileFaults faults;
    faults.writableBytes = room;  // the last one fails in the copy to the backup
    platform::setFileFaultsForTests(faults);
    expectRefused(msg::kSaveFailed);
  }
  platform::setFileFaultsForTests(platform::FileFaults{});
  editDestination("帰宅");
  EXPECT_TRUE(applyEditedRow(f.list, f.app, ui)) << "the next save after the disk has room";
}

TEST_F(SaveFailure, AReadOnlyBoardFileIsNotReplaced) {
  platform::FileFaults faults;
  faults.readOnlyFile = f.boardPath();
  platform::setFileFaultsForTests(faults);
  expectRefused(msg::kSaveFailed);
}

TEST_F(SaveFailure, AFolderThatGoesBetweenTheCheckAndTheSave) {
  ASSERT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  std::filesystem::remove_all(f.folder.path());
  editDestination("帰宅");
  EXPECT_FALSE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, Lines{msg::kSaveLockedOrMissing});
  EXPECT_FALSE(exists(f.folder.path())) << "the save made the folder again";
}

TEST_F(SaveFailure, ALockThatCannotBeDeleted) {
  const std::string lock = f.folder.file("lock.dat");
  platform::FileFaults faults;
  faults.undeletableFile = lock;
  // Another copy's lock that nobody can delete: waited for, then refused;
  // it is not ours, so it stays.
  writeFile(lock, "");
  platform::setFileFaultsForTests(faults);
  expectRefused(msg::kSaveLockedOrMissing, {"boad1.bak", "boad1.csv", "lock.dat"});
  std::filesystem::remove(lock);

  // Our own lock, held open for a moment by a copy that tests for it: the
  // save deletes it at a later attempt.
  faults.undeletableTimes = 3;
  platform::setFileFaultsForTests(faults);
  ui.warnings.clear();
  editDestination("帰宅");
  EXPECT_TRUE(applyEditedRow(f.list, f.app, ui));
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_FALSE(exists(lock));

  // Our own lock that cannot be deleted at all: the board is saved, and the
  // user is told that lock.dat keeps everybody out until it is deleted.
  faults.undeletableTimes = -1;
  platform::setFileFaultsForTests(faults);
  ui.warnings.clear();
  editDestination("会議");
  applyEditedRow(f.list, f.app, ui);
  EXPECT_EQ(ui.warnings, Lines{msg::kLockLeft});
  EXPECT_NE(f.board().find("会議"), std::string::npos);
}

TEST_F(SaveFailure, WritersRefuseARowWhoseIdIsEnd) {
  // The reader would take such a row for the end line and lose the rows
  // behind it and the message.
  f.list.setText(f.list.findId("ito"), 0, "END");
  ui.warnings.clear();
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, Lines{msg::kIdIsEnd});
  EXPECT_EQ(f.board(), board);
  EXPECT_FALSE(writeBoardFromDisplay(f.list, f.app, f.folder.file("copy.csv")));
  EXPECT_FALSE(exists(f.folder.file("copy.csv")));
  f.list.setText(f.list.findId("END"), 0, "end");  // another case is an ordinary ID
  EXPECT_TRUE(saveBoard(f.list, f.app, ui));
}

}  // namespace
