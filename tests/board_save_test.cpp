// Saving boards under the lock, the backup generation, the new-board writers
// and the row edits, on real temporary folders with a set clock.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/board_reload.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "board/folder_lock.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
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

const Lines kRows = {"tanaka,5,田中,会議室,15:00,2024/01/02 10:11,090-1,連絡,予定表,他,PC-T", "abe,0,阿部,,,,,,,,",
                     "SATO,69,佐藤,出張,明日,2024/01/03 09:00,,,,,10.0.0.7"};
const Lines kShown = {kRows[2], kRows[1], kRows[0]};  // sorted by ID
const Lines kBoardAndBackup = {"boad1.bak", "boad1.csv"};

class BoardSave : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;
  // 2009-03-04 05:06:07: stamp 9050607 (the year's leading zero goes).
  void SetUp() override {
    setClockForTests(localTime(2009, 3, 4, 5, 6, 7));
    loadRows(kRows);
  }
  void TearDown() override { setClockForTests(-1); }
  void loadRows(const Lines& rows, int stamp = 100) {
    f.writeBoard(boardBytes(stamp, rows, "みんなへ"));
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  std::string backup() const { return readFile(backupPath(f.boardPath())); }
  Lines rows() const { return fileRows(f.board()); }
  // The destination form's buffers: name, destination, return, mobile, contact, schedule, other.
  void edit(const std::string& id, int rowIndex, const std::array<std::string, 7>& t) {
    EditBuffers& e = f.app.edit;
    e.editRowIndex = rowIndex;
    e.editId = id;
    e.editName = t[0], e.editDestination = t[1], e.editReturnTime = t[2], e.editMobile = t[3];
    e.editContact = t[4], e.editSchedule = t[5], e.editOther = t[6];
  }
};

TEST_F(BoardSave, SavedFileIsTheLoadedFileInDisplayOrderAndTheBackupOneGeneration) {
  const std::string original = f.board();
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(f.board(), boardBytes(9050607, kShown, "みんなへ"));
  EXPECT_EQ(f.app.board.boardStamp, 9050607);
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  EXPECT_EQ(backup(), original);
  EXPECT_EQ(filesIn(f.folder.path()), kBoardAndBackup);  // no lock, no temporary file
  const std::string first = f.board();
  f.list.setText(0, 2, "外出");
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(backup(), first);
  // Backup off (only exactly 1 is on): an existing backup is not touched, none is made.
  writeFile(f.folder.file("boad1.bak"), "older");
  for (int off : {0, 2}) {
    f.app.shared.backupEnabled = off;
    ASSERT_TRUE(saveBoard(f.list, f.app, ui));
    EXPECT_EQ(backup(), "older");
  }
  std::filesystem::remove(f.folder.file("boad1.bak"));
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(filesIn(f.folder.path()), Lines{"boad1.csv"});
}

TEST_F(BoardSave, BackupStaysBesideTheBoardAndNeverReplacesIt) {
  std::filesystem::create_directory(f.folder.file("v1.2"));
  f.app.board.currentBoardPath = f.folder.file("v1.2/boad1.csv");
  loadRows(kRows);
  const std::string original = f.board();
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(readFile(f.folder.file("v1.2/boad1.bak")), original);
  for (const char* name : {"x.bak", "x.BAK", "x.bak.new"}) {  // a board named like its backup keeps the new rows
    f.app.board.currentBoardPath = f.folder.file(name);
    loadRows(kRows);
    f.list.setText(0, 2, "新しい");
    ASSERT_TRUE(saveBoard(f.list, f.app, ui)) << name;
    ASSERT_TRUE(loadBoard(f.list, f.app)) << name;
    EXPECT_EQ(f.list.rows[0].texts[2], "新しい") << name;
  }
}

TEST_F(BoardSave, ALockOrAMissingBoardIsRefusedAndNothingIsWritten) {
  const std::string original = f.board();
  f.list.setText(0, 2, "変更");
  for (const char* token : {"another PC", ""}) {  // other copies leave it empty
    writeFile(f.folder.file("lock.dat"), token);
    EXPECT_FALSE(saveBoard(f.list, f.app, ui));
    EXPECT_EQ(f.board(), original);
    EXPECT_EQ(readFile(f.folder.file("lock.dat")), token);
    EXPECT_EQ(filesIn(f.folder.path()), (Lines{"boad1.csv", "lock.dat"}));
  }
  std::filesystem::remove(f.folder.file("lock.dat"));
  std::filesystem::remove(f.boardPath());
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_TRUE(filesIn(f.folder.path()).empty());
  std::filesystem::remove_all(f.folder.path());
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_FALSE(exists(f.folder.path()));
  EXPECT_EQ(ui.warnings, Lines(4, msg::kSaveLockedOrMissing));
  EXPECT_EQ(f.app.board.boardStamp, 100);
}

TEST_F(BoardSave, FailedWritesKeepThePreviousBoardAndOlderBackupAndLeaveNoLock) {
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  const std::string saved = f.board(), older = backup();
  f.list.setText(0, 2, "失われない");
  for (const std::string& blocker : {f.boardPath() + ".new", f.folder.file("boad1.bak.new")}) {
    std::filesystem::create_directory(blocker);  // where the new board or the new backup would go
    EXPECT_FALSE(saveBoard(f.list, f.app, ui)) << blocker;
    EXPECT_EQ(f.board(), saved);
    EXPECT_EQ(backup(), older);
    std::filesystem::remove(blocker);
    EXPECT_EQ(filesIn(f.folder.path()), kBoardAndBackup) << "no lock, no temporary file";
  }
  EXPECT_EQ(ui.warnings, Lines(2, msg::kSaveFailed));
  EXPECT_TRUE(saveBoard(f.list, f.app, ui));
}

TEST_F(BoardSave, AWriteThatFailsHalfWayIsReportedAndLeavesTheOldBoard) {
  Lines rows;
  for (int i = 0; i < 200; ++i) rows.push_back("member" + std::to_string(i) + ",1," + std::string(25, 'n'));
  loadRows(rows);
  const std::string original = f.board();
  f.list.setText(0, 2, "x");
  pid_t child = fork();  // the file size limit holds in the child only
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{2048, 2048};
    setrlimit(RLIMIT_FSIZE, &limit);
    RecordingUi childUi;
    bool saved = saveBoard(f.list, f.app, childUi);
    _exit(!saved && childUi.warnings == Lines{msg::kSaveFailed} ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not report its failure";
  EXPECT_EQ(f.board(), original);
  EXPECT_EQ(filesIn(f.folder.path()), Lines{"boad1.csv"});
}

TEST_F(BoardSave, BothWritersKeepFullLengthTextsAndMakeLayoutBreakersSafe) {
  loadRows({"a,1,x"});
  const std::string mobile = std::string(97, '0') + "表", name = std::string(27, 'n') + "ソ";  // 99 and 29 bytes
  f.list.setText(0, 0, "a,b");  // an in-place ID edit takes any text
  f.list.setText(0, 1, name);
  f.list.setText(0, 2, "line\r\nbreak");
  f.list.setText(0, 5, mobile);
  f.list.setText(0, 6, "one,two");
  f.list.setText(0, 9, "pc,with,commas");
  f.app.board.columnNames[0] = "名,前";
  f.app.board.allMembersMessage = "皆,さん\r\n";
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  ASSERT_TRUE(writeBoardFromDisplay(f.list, f.app, f.folder.file("other.csv")));
  for (const std::string& path : {f.boardPath(), f.folder.file("other.csv")}) {
    f.app.board.currentBoardPath = path;
    ASSERT_TRUE(loadBoard(f.list, f.app)) << path;
    using Texts = std::array<std::string, 10>;
    EXPECT_EQ(f.list.rows[0].texts,
              (Texts{"a/b", name, "line  break", "", "", mobile, "one/two", "", "", "pc,with,commas"}));
    EXPECT_EQ(f.app.board.columnNames[0], "名/前");
    EXPECT_EQ(f.app.board.allMembersMessage, "皆/さん  ");
  }
}

TEST_F(BoardSave, CreationWritersLeaveTheShownBoardAndItsStampAlone) {
  loadRows(kRows, 4242);
  const std::string shown = f.board(), display = f.folder.file("display.csv"), empty = f.folder.file("empty.csv");
  ASSERT_TRUE(writeBoardFromDisplay(f.list, f.app, display));
  AppState fresh;  // default captions
  ASSERT_TRUE(writeEmptyBoard(fresh, empty));
  EXPECT_EQ(f.app.board.boardStamp, 4242);
  EXPECT_EQ(f.board(), shown);
  EXPECT_EQ(filesIn(f.folder.path()), (Lines{"boad1.csv", "display.csv", "empty.csv"}));
  EXPECT_EQ(readFile(display), boardBytes(9050607, kShown, "みんなへ"));
  EXPECT_EQ(readFile(empty), boardBytes(9050607, {"ID,0,名前,,,,,,,,"}, " “全メンバーへのメッセージ” 記入欄"));
  f.app.board.currentBoardPath = empty;
  ASSERT_TRUE(loadBoard(f.list, f.app));
  EXPECT_EQ(f.list.ids(), Lines{"ID"});
  EXPECT_EQ(f.app.board.allMembersMessage, " “全メンバーへのメッセージ” 記入欄");
  f.app.board.boardStamp = 4242;
  EXPECT_FALSE(writeBoardFromDisplay(f.list, f.app, f.folder.file("no/such.csv")));
  EXPECT_FALSE(writeEmptyBoard(f.app, f.folder.file("no/such.csv")));
  EXPECT_EQ(f.app.board.boardStamp, 4242);
}

// Row edits find their row again by ID (letters in any case), change the list and save the whole board.
TEST_F(BoardSave, ANewMemberGoesToTheTopAndEveryEditStampsTheWriteTime) {
  f.app.edit.editPcName = "leftover";
  edit("NEW", -1, {"名", "行", "戻", "携", "連", "予", "他"});
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(f.list.rows[0].key, 3);
  EXPECT_EQ(f.app.edit.editRowIndex, 0);
  EXPECT_EQ(rows(), (Lines{"NEW,0,名,行,戻,2009/03/04 05:06,携,連,予,他,", kRows[2], kRows[1], kRows[0]}));
  edit("sato", 1, {"佐藤", "出張", "明日", "", "", "", ""});  // nothing changed: the write time all the same
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(rows()[1], "SATO,69,佐藤,出張,明日,2009/03/04 05:06,,,,,10.0.0.7");
  edit("abe", 2, {std::string(40, 'n'), "", "", "", std::string(98, 'c') + "表", "", ""});  // cut to the fields
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(rows()[2], "abe,0," + std::string(29, 'n') + ",,,2009/03/04 05:06,," + std::string(98, 'c') + ",,,");
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(BoardSave, InvalidNewIdsAndVanishedRowsSaveNothing) {
  const std::string before = f.board();
  for (const char* id : {" X", "", "END"}) {
    edit(id, -1, {"n", "", "", "", "", "", ""});
    EXPECT_FALSE(applyEditedRow(f.list, f.app, ui)) << id;
  }
  EXPECT_EQ(f.list.rowCount(), 3);
  EXPECT_TRUE(ui.warnings.empty());
  // Deleted meanwhile: the user is told, and the board is not written.
  edit("GONE", 1, {"n", "", "", "", "", "", ""});
  EXPECT_FALSE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(f.app.edit.editRowIndex, -1);
  f.app.edit.iconDialogId = "GONE";
  f.app.edit.editIconNumberText = "3";
  EXPECT_FALSE(applyIconNumber(f.list, f.app, ui));
  f.app.edit.editId = "GONE";
  EXPECT_FALSE(applyPcName(f.list, f.app, ui));
  EXPECT_FALSE(renameMember(f.list, f.app, ui, "GONE", "NEW"));
  EXPECT_EQ(ui.warnings, Lines(4, msg::kIdNotFound));
  // A new member whose ID is taken (in any letter case) is refused the same way.
  ui.warnings.clear();
  edit("Tanaka", -1, {"n", "", "", "", "", "", ""});
  EXPECT_FALSE(applyEditedRow(f.list, f.app, ui));
  EXPECT_FALSE(renameMember(f.list, f.app, ui, "abe", "SATO"));
  EXPECT_EQ(ui.warnings, Lines(2, msg::kDuplicateId));
  EXPECT_EQ(f.list.rowCount(), 3);
  EXPECT_EQ(f.app.board.boardStamp, 100);
  EXPECT_EQ(f.board(), before);
}

TEST_F(BoardSave, DeleteRenumbersKeysAndIconsChangeOnlyToIconsThatExist) {
  f.app.edit.deleteId = "ABE";
  ASSERT_TRUE(deleteMember(f.list, f.app, ui));
  EXPECT_EQ(f.list.keys(), (std::vector<long>{0, 1}));
  EXPECT_EQ(rows(), (Lines{kRows[2], kRows[0]}));
  f.app.edit.deleteId = "nobody";
  EXPECT_FALSE(deleteMember(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, Lines{msg::kDeleteIdNotFound});
  f.app.edit.iconDialogId = "TANAKA";
  for (const char* number : {"0", "70", "-1", "x"}) {
    f.app.edit.editIconNumberText = number;
    ASSERT_TRUE(applyIconNumber(f.list, f.app, ui));
    EXPECT_EQ(rows()[1].substr(0, 9), "tanaka,0,") << number;
  }
}

TEST(FolderLockTest, RemovesOnlyTheLockItCreated) {
  TempFolder folder;
  const std::string path = folder.file("lock.dat");
  {
    FolderLock first(path);
    ASSERT_TRUE(first.held());
    EXPECT_FALSE(FolderLock(path).held());
    EXPECT_TRUE(exists(path)) << "a lock that failed removed the one held";
  }
  EXPECT_FALSE(exists(path));
  {
    FolderLock lock(path);
    writeFile(path, "");  // another program truncated the lock and took it over
  }
  EXPECT_TRUE(exists(path));
}

}  // namespace
