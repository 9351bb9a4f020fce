// Saving boards under the lock, the backup generation, the new-board writers
// and the row edits on real temporary folders with a set clock; and saves
// that fail (full disk, read-only board, undeletable lock), planned through
// the platform file module; and what a save does to the list's redraw.
#include "board/board_save.h"

#include <gtest/gtest.h>

#include "board/board_file.h"
#include "board/folder_lock.h"
#include "board/history_file.h"
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
const Lines kRows = {"tanaka,5,田中,会議室,15:00,2024/01/02 10:11,090-1,連絡,予定表,他,PC-T", "abe,0,阿部,,,,,,,,",
                     "SATO,69,佐藤,出張,明日,2024/01/03 09:00,,,,,10.0.0.7"};
const Lines kShown = {kRows[2], kRows[1], kRows[0]};  // sorted by ID
const Lines kBoardAndBackup = {"boad1.bak", "boad1.csv"};
const Lines kWithHistory = {"boad1.bak", "boad1.csv", "boad1.csv.his"};

class BoardSave : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;
  // 2009-03-04 05:06:07: stamp 9050607 (the year's leading zero goes).
  void SetUp() override {
    setClockForTests(localTime(2009, 3, 4, 5, 6, 7));
    loadRows(kRows);
  }
  void TearDown() override {
    platform::setFileFaultsForTests({});
    setClockForTests(-1);
  }
  void loadRows(const Lines& rows, int stamp = 100) {
    f.writeBoard(boardBytes(stamp, rows, "みんなへ"));
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  std::string backup() const { return readFile(backupPath(f.boardPath())); }
  Lines rows() const { return fileRows(f.board()); }
  Lines files() const { return filesIn(f.folder.path()); }
  // The destination form's buffers: name, destination, return, mobile, contact, schedule, other.
  void edit(const std::string& id, int rowIndex, const std::array<std::string, 7>& t) {
    EditBuffers& e = f.app.edit;
    e.editRowIndex = rowIndex, e.editId = id;
    e.editName = t[0], e.editDestination = t[1], e.editReturnTime = t[2], e.editMobile = t[3];
    e.editContact = t[4], e.editSchedule = t[5], e.editOther = t[6];
  }
  bool setDestination(const std::string& word) {
    edit("abe", 1, {"阿部", word, "", "", "", "", ""});
    return applyEditedRow(f.list, f.app, ui);
  }
  // After one good save (so that a backup exists) the next save fails with
  // `warning`; board, backup and folder stay as they were.
  void expectRefused(const std::function<void()>& fault, const char* warning, const Lines& files = kWithHistory) {
    ASSERT_TRUE(setDestination("出張"));
    const std::string board = f.board(), older = backup(), history = readFile(historyPath(f.boardPath()));
    fault();
    ui.warnings.clear();
    EXPECT_FALSE(setDestination("帰宅"));
    EXPECT_EQ(ui.warnings, Lines{warning});
    EXPECT_EQ(f.board(), board);
    EXPECT_EQ(backup(), older);
    EXPECT_EQ(readFile(historyPath(f.boardPath())), history) << "a refused save wrote history";
    platform::setFileFaultsForTests({});
    EXPECT_EQ(this->files(), files) << "a lock or a temporary file was left";
    ui.warnings.clear();
  }
};

TEST_F(BoardSave, SavedFileIsTheLoadedFileInDisplayOrderAndTheBackupOneGeneration) {
  const std::string original = f.board();
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(f.board(), boardBytes(9050607, kShown, "みんなへ"));
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  EXPECT_EQ(backup(), original);
  EXPECT_EQ(files(), kBoardAndBackup);
  const std::string first = f.board();
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(backup(), first);
  // Backup off (only exactly 1 is on): an existing backup is not touched.
  writeFile(f.folder.file("boad1.bak"), "older");
  for (int off : {0, 2}) {
    f.app.shared.backupEnabled = off;
    ASSERT_TRUE(saveBoard(f.list, f.app, ui));
    EXPECT_EQ(backup(), "older");
  }
}

// A board named like its backup, or like a backup's temporary file, keeps the new rows.
TEST_F(BoardSave, BackupStaysBesideTheBoardAndNeverReplacesIt) {
  std::filesystem::create_directory(f.folder.file("v1.2"));
  for (const char* name : {"v1.2/boad1.csv", "x.bak", "x.bak.new"}) {
    SCOPED_TRACE(name);
    f.app.board.currentBoardPath = f.folder.file(name);
    loadRows(kRows);
    const std::string original = f.board();
    f.list.setText(0, 2, "新しい");
    ASSERT_TRUE(saveBoard(f.list, f.app, ui));
    ASSERT_TRUE(loadBoard(f.list, f.app));
    EXPECT_EQ(f.list.rows[0].texts[2], "新しい");
    if (name[0] == 'v') {
      EXPECT_EQ(readFile(f.folder.file("v1.2/boad1.bak")), original);
    }
  }
}

TEST_F(BoardSave, ALockOrAMissingBoardIsRefusedAndNothingIsWritten) {
  for (const char* token : {"another PC", ""}) {  // other copies leave it empty
    expectRefused([&] { writeFile(f.folder.file("lock.dat"), token); }, msg::kSaveLockedOrMissing,
                  {"boad1.bak", "boad1.csv", "boad1.csv.his", "lock.dat"});
    EXPECT_EQ(readFile(f.folder.file("lock.dat")), token);
    std::filesystem::remove(f.folder.file("lock.dat"));
  }
  std::filesystem::remove(f.boardPath());
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_FALSE(exists(f.boardPath()));
  std::filesystem::remove_all(f.folder.path());  // the folder goes between the check and the save
  EXPECT_FALSE(setDestination("帰宅"));
  EXPECT_FALSE(exists(f.folder.path())) << "the save made the folder again";
  EXPECT_EQ(ui.warnings, Lines(2, msg::kSaveLockedOrMissing));
}

TEST_F(BoardSave, FailedWritesKeepThePreviousBoardAndOlderBackupAndLeaveNoLock) {
  for (const char* blocker : {"boad1.csv.new", "boad1.bak.new"})  // where the new board or backup would go
    expectRefused([&] { std::filesystem::create_directory(f.folder.file(blocker)); }, msg::kSaveFailed);
  ASSERT_TRUE(setDestination("出張"));
  const long long size = static_cast<long long>(f.board().size());
  for (long long room : {0LL, size - 1, size + 5}) {  // the last fails in the copy to the backup
    SCOPED_TRACE(room);
    platform::FileFaults faults;
    faults.writableBytes = room;
    expectRefused([&] { platform::setFileFaultsForTests(faults); }, msg::kSaveFailed);
  }
  platform::FileFaults readOnly;
  readOnly.readOnlyFile = f.boardPath();
  expectRefused([&] { platform::setFileFaultsForTests(readOnly); }, msg::kSaveFailed);
  EXPECT_TRUE(setDestination("在席")) << "the next save once the disk has room";
}

TEST_F(BoardSave, ALockThatCannotBeDeleted) {
  const std::string lock = f.folder.file("lock.dat");
  platform::FileFaults faults;
  faults.undeletableFile = lock;
  // Another copy's lock that nobody can delete: waited for, refused, and left.
  expectRefused([&] { writeFile(lock, ""), platform::setFileFaultsForTests(faults); }, msg::kSaveLockedOrMissing,
                {"boad1.bak", "boad1.csv", "boad1.csv.his", "lock.dat"});
  std::filesystem::remove(lock);
  // Our own lock, held open a moment by a copy that tests for it: deleted at a later attempt.
  faults.undeletableTimes = 3;
  platform::setFileFaultsForTests(faults);
  EXPECT_TRUE(setDestination("帰宅"));
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_FALSE(exists(lock));
  // Our own lock that cannot be deleted at all: the board is saved, and the
  // user is told that lock.dat keeps everybody out until it is deleted.
  faults.undeletableTimes = -1;
  platform::setFileFaultsForTests(faults);
  setDestination("会議");
  EXPECT_EQ(ui.warnings, Lines{msg::kLockLeft});
  EXPECT_NE(f.board().find("会議"), std::string::npos);
}

// An "END" row would be read as the end line, losing the rows behind it and the message.
TEST_F(BoardSave, BothWritersRefuseARowWhoseIdIsEnd) {
  const std::string board = f.board();
  f.list.setText(0, 0, "END");
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, Lines{msg::kIdIsEnd});
  EXPECT_EQ(f.board(), board);
  EXPECT_FALSE(writeBoardFromDisplay(f.list, f.app, f.folder.file("copy.csv")));
  EXPECT_FALSE(exists(f.folder.file("copy.csv")));
  f.list.setText(0, 0, "end");  // another case is an ordinary ID
  EXPECT_TRUE(saveBoard(f.list, f.app, ui));
}

TEST_F(BoardSave, BothWritersKeepFullLengthTextsAndMakeLayoutBreakersSafe) {
  loadRows({"a,1,x"});
  const std::string mobile = std::string(97, '0') + "表", name = std::string(27, 'n') + "ソ";  // 99 and 29 bytes
  for (const auto& [column, text] : std::vector<std::pair<int, std::string>>{
           {0, "a,b"}, {1, name}, {2, "line\r\nbreak"}, {5, mobile}, {6, "one,two"}, {9, "pc,with,commas"}})
    f.list.setText(0, column, text);  // an in-place ID edit takes any text
  f.app.board.columnNames[0] = "名,前";
  f.app.board.allMembersMessage = "皆,さん\r\n";
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  ASSERT_TRUE(writeBoardFromDisplay(f.list, f.app, f.folder.file("other.csv")));
  for (const std::string& path : {f.boardPath(), f.folder.file("other.csv")}) {
    f.app.board.currentBoardPath = path;
    ASSERT_TRUE(loadBoard(f.list, f.app)) << path;
    EXPECT_EQ(f.list.rows[0].texts, (std::array<std::string, 10>{"a/b", name, "line  break", "", "", mobile, "one/two",
                                                                 "", "", "pc,with,commas"}));
    EXPECT_EQ(f.app.board.columnNames[0] + f.app.board.allMembersMessage, "名/前皆/さん  ");
  }
}

TEST_F(BoardSave, CreationWritersLeaveTheShownBoardAndItsStampAlone) {
  loadRows(kRows, 4242);
  const std::string shown = f.board(), emptyMessage = " “全メンバーへのメッセージ” 記入欄";
  ASSERT_TRUE(writeBoardFromDisplay(f.list, f.app, f.folder.file("display.csv")));
  ASSERT_TRUE(writeEmptyBoard(AppState{}, f.folder.file("empty.csv")));  // default captions
  EXPECT_EQ(readFile(f.folder.file("display.csv")), boardBytes(9050607, kShown, "みんなへ"));
  EXPECT_EQ(readFile(f.folder.file("empty.csv")), boardBytes(9050607, {"ID,0,名前,,,,,,,,"}, emptyMessage));
  EXPECT_FALSE(writeEmptyBoard(f.app, f.folder.file("no/such.csv")));
  EXPECT_EQ(files(), (Lines{"boad1.csv", "display.csv", "empty.csv"}));
  EXPECT_EQ(std::to_string(f.app.board.boardStamp) + f.board(), "4242" + shown);
}

// Row edits find their row again by ID (letters in any case), change the
// list and save the whole board; a new member goes to the top with a key of
// its own, and a taken ID saves nothing.
TEST_F(BoardSave, RowEditsNewMembersDeletesAndIcons) {
  f.app.edit.editPcName = "leftover";
  edit("NEW", -1, {"名", "行", "戻", "携", "連", "予", "他"});
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(f.list.rows[0].key, 3);
  EXPECT_EQ(rows(), (Lines{"NEW,0,名,行,戻,2009/03/04 05:06,携,連,予,他,", kRows[2], kRows[1], kRows[0]}));
  const std::string before = f.board();
  edit("Tanaka", -1, {"n", "", "", "", "", "", ""});
  EXPECT_FALSE(applyEditedRow(f.list, f.app, ui));
  EXPECT_FALSE(renameMember(f.list, f.app, ui, "abe", "SATO"));
  EXPECT_EQ(ui.warnings, Lines(2, msg::kDuplicateId));
  EXPECT_EQ(f.board(), before);
  f.app.edit.deleteId = "ABE";
  ASSERT_TRUE(deleteMember(f.list, f.app, ui));
  EXPECT_EQ(f.list.keys(), (std::vector<long>{0, 1, 2}));
  EXPECT_EQ(rows(), (Lines{"NEW,0,名,行,戻,2009/03/04 05:06,携,連,予,他,", kRows[2], kRows[0]}));
  f.app.edit.iconDialogId = "TANAKA";
  for (const char* number : {"0", "70", "-1"}) {
    f.app.edit.editIconNumberText = number;
    ASSERT_TRUE(applyIconNumber(f.list, f.app, ui));
    EXPECT_EQ(rows()[2].substr(0, 9), "tanaka,0,") << number;
  }
}

// A lock that was refused, or one another program truncated and took over,
// is not ours to remove.
TEST(FolderLockTest, RemovesOnlyTheLockItCreated) {
  TempFolder folder;
  const std::string path = folder.file("lock.dat");
  {
    FolderLock lock(path);
    ASSERT_TRUE(lock.held());
    EXPECT_FALSE(FolderLock(path).held());
    EXPECT_TRUE(exists(path)) << "a lock that failed removed the one held";
    writeFile(path, "");
  }
  EXPECT_TRUE(exists(path));
}

// A save over the file as this copy left it changes no row and must not
// suspend the redraw (turning it back on repaints the whole list); a save
// that meets another copy's save of the same second reloads the rows with
// the redraw held, and gives it back only once lock.dat is gone, also when
// the catch-up ends in a refusal.
TEST_F(BoardSave, OnlyACatchUpHoldsTheRedrawAndOnlyUntilTheLockHasGone) {
  int endsUnderLock = 0;
  f.list.onBulkUpdateEnd = [&] { endsUnderLock += exists(f.folder.file("lock.dat")); };
  f.list.bulkUpdates = 0;
  ASSERT_TRUE(setDestination("外出"));
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));  // the save without a change to make again
  EXPECT_EQ(f.list.bulkUpdates, 0);
  const auto otherCopySaves = [&](const Lines& rows) { f.writeBoard(boardBytes(f.app.board.boardStamp, rows, "m")); };
  otherCopySaves({kRows[0], kRows[1], "SATO,69,佐藤,休み,,,,,,,"});
  ASSERT_TRUE(setDestination("出社"));
  EXPECT_EQ(f.list.text(f.list.findId("SATO"), 2, 30) + f.list.text(f.list.findId("abe"), 2, 30), "休み出社");
  otherCopySaves({kRows[0]});
  EXPECT_FALSE(setDestination("帰宅"));  // abe has gone
  otherCopySaves({kRows[0], kRows[1]});
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));  // without its change nothing is reloaded
  EXPECT_EQ(ui.warnings, (Lines{msg::kIdNotFound, msg::kSaveFailed}));
  EXPECT_EQ(f.list.bulkUpdates, 2);
  EXPECT_EQ(f.list.bulkDepth + endsUnderLock, 0);
  EXPECT_EQ(files(), kWithHistory);
}

}  // namespace
