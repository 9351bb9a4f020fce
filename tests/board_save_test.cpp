// Saving boards under the lock, the backup generation, the new-board
// writers and the time stamps, on real temporary folders.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "board/board_file.h"
#include "board/board_save.h"
#include "board/folder_lock.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/board_test_support.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

// 2009-03-04 05:06:07 local time: stamp 9050607 (the year's leading zero goes).
std::time_t localTimeOf(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

const std::vector<std::string> kRows = {
    "tanaka,5,田中,会議室,15:00,2024/01/02 10:11,090-1,連絡,予定表,他,PC-T",
    "abe,0,阿部,,,,,,,,",
    "SATO,69,佐藤,出張,明日,2024/01/03 09:00,,,,,10.0.0.7",
};

class BoardSave : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;

  void SetUp() override { setClockForTests(localTimeOf(2009, 3, 4, 5, 6, 7)); }
  void TearDown() override { setClockForTests(-1); }

  void loadRows(const std::vector<std::string>& rows, int stamp = 100, const std::string& message = "みんなへ") {
    f.writeBoard(boardBytes(stamp, rows, message));
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  std::string board() const { return readFile(f.boardPath()); }
};

TEST(TimeStamps, TextsAndStampComeFromTheOneClock) {
  setClockForTests(localTimeOf(2009, 3, 4, 5, 6, 7));
  TimeTexts times;
  stampTimes(times);
  EXPECT_EQ(times.writeTimeText, "2009/03/04 05:06");
  EXPECT_EQ(times.updateTimeText, "05:06:07 更新");
  stampCheckTime(times);
  EXPECT_EQ(times.updateTimeText, "05:06:07 更新.");
  EXPECT_EQ(times.writeTimeText, "2009/03/04 05:06");
  BoardState board;
  EXPECT_EQ(newBoardStamp(board), 9050607);
  EXPECT_EQ(board.boardStamp, 9050607);
  setClockForTests(localTimeOf(2024, 12, 31, 23, 59, 58));
  EXPECT_EQ(newBoardStamp(board), 24235958);
  setClockForTests(-1);
}

TEST_F(BoardSave, SavedFileIsTheLoadedFileInDisplayOrderWithTheNewStamp) {
  loadRows(kRows);
  // Loaded sorted by ID ascending: SATO, abe, tanaka.
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(board(), boardBytes(9050607, {kRows[2], kRows[1], kRows[0]}, "みんなへ"));
  EXPECT_EQ(f.app.board.boardStamp, 9050607);
  EXPECT_FALSE(exists(f.folder.file("lock.dat")));
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  // Nothing but the board and its backup is left in the folder.
  EXPECT_EQ(filesIn(f.folder.path()), (std::vector<std::string>{"boad1.bak", "boad1.csv"}));

  // Loading the saved file gives the same rows, captions and message.
  FakeMemberList before = f.list;
  ASSERT_TRUE(loadBoard(f.list, f.app));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(f.list.rows[i].texts, before.rows[i].texts) << i;
  EXPECT_EQ(f.app.board.allMembersMessage, "みんなへ");
}

TEST_F(BoardSave, BackupHoldsThePreviousVersionOnlyOneGenerationAndNoneWhenOff) {
  loadRows(kRows);
  const std::string original = board();
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(readFile(f.folder.file("boad1.bak")), original);

  const std::string first = board();
  f.list.setText(0, 2, "外出");
  setClockForTests(localTimeOf(2009, 3, 4, 5, 6, 8));
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(readFile(f.folder.file("boad1.bak")), first);
  EXPECT_NE(board(), first);
  EXPECT_EQ(filesIn(f.folder.path()), (std::vector<std::string>{"boad1.bak", "boad1.csv"}));

  // Backup off: an existing backup is not touched.
  f.app.shared.backupEnabled = 0;
  writeFile(f.folder.file("boad1.bak"), "older");
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(readFile(f.folder.file("boad1.bak")), "older");
  std::remove(f.folder.file("boad1.bak").c_str());
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(filesIn(f.folder.path()), (std::vector<std::string>{"boad1.csv"}));
  // Only exactly 1 means on.
  f.app.shared.backupEnabled = 2;
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_FALSE(exists(f.folder.file("boad1.bak")));
}

TEST_F(BoardSave, BackupGoesBesideTheBoardWhenAFolderNameHasADot) {
  std::filesystem::create_directory(f.folder.file("v1.2"));
  f.app.board.currentBoardPath = f.folder.file("v1.2") + "/boad1.csv";
  loadRows(kRows);
  const std::string original = board();
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(readFile(f.folder.file("v1.2") + "/boad1.bak"), original);
  EXPECT_EQ(filesIn(f.folder.file("v1.2")), (std::vector<std::string>{"boad1.bak", "boad1.csv"}));
  EXPECT_EQ(filesIn(f.folder.path()), (std::vector<std::string>{"v1.2"}));
}

TEST_F(BoardSave, ABoardNamedLikeItsBackupIsNeverOverwrittenByIt) {
  for (const char* name : {"x.bak", "x.BAK", "x.bak.new"}) {
    f.app.board.currentBoardPath = f.folder.file(name);
    loadRows(kRows);
    f.list.setText(0, 2, "新しい");
    ASSERT_TRUE(saveBoard(f.list, f.app, ui)) << name;
    ASSERT_TRUE(loadBoard(f.list, f.app)) << name;
    EXPECT_EQ(f.list.rows[0].texts[2], "新しい") << name;
    std::filesystem::remove_all(f.folder.path());
    std::filesystem::create_directory(f.folder.path());
  }
}

TEST_F(BoardSave, ALockLeavesBoardAndLockUntouchedAndWritesNothing) {
  loadRows(kRows);
  const std::string original = board();
  writeFile(f.folder.file("lock.dat"), "another PC");
  f.list.setText(0, 2, "変更");
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  ASSERT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveLockedOrMissing}));
  EXPECT_EQ(board(), original);
  EXPECT_EQ(readFile(f.folder.file("lock.dat")), "another PC");
  EXPECT_EQ(f.app.board.boardStamp, 100);
  EXPECT_EQ(filesIn(f.folder.path()), (std::vector<std::string>{"boad1.csv", "lock.dat"}));

  // An empty lock file, as other copies of the program make it, counts the same.
  writeFile(f.folder.file("lock.dat"), "");
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_TRUE(exists(f.folder.file("lock.dat")));
  EXPECT_EQ(board(), original);
}

TEST_F(BoardSave, MissingBoardOrVanishedFolderIsRefusedWithoutALock) {
  loadRows(kRows);
  std::remove(f.boardPath().c_str());
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveLockedOrMissing}));
  EXPECT_TRUE(filesIn(f.folder.path()).empty());

  std::filesystem::remove_all(f.folder.path());
  ui.warnings.clear();
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveLockedOrMissing}));
  EXPECT_FALSE(exists(f.folder.path()));
  EXPECT_EQ(f.app.board.boardStamp, 100);
  std::filesystem::create_directory(f.folder.path());
}

TEST_F(BoardSave, FailedWritesKeepThePreviousBoardAndOlderBackupAndLeaveNoLock) {
  loadRows(kRows);
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  const std::string saved = board();
  const std::string backup = readFile(f.folder.file("boad1.bak"));
  f.list.setText(0, 2, "失われない");

  // The new board cannot be created.
  std::filesystem::create_directory(f.boardPath() + ".new");
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveFailed}));
  EXPECT_EQ(board(), saved);
  EXPECT_EQ(readFile(f.folder.file("boad1.bak")), backup);
  EXPECT_FALSE(exists(f.folder.file("lock.dat")));
  EXPECT_EQ(f.app.board.boardStamp, 9050607);
  std::filesystem::remove(f.boardPath() + ".new");

  // The backup copy cannot be made: the board is not replaced either.
  ui.warnings.clear();
  std::filesystem::create_directory(f.folder.file("boad1.bak.new"));
  EXPECT_FALSE(saveBoard(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveFailed}));
  EXPECT_EQ(board(), saved);
  EXPECT_EQ(readFile(f.folder.file("boad1.bak")), backup);
  EXPECT_FALSE(exists(f.folder.file("lock.dat")));
  EXPECT_FALSE(exists(f.boardPath() + ".new"));
  std::filesystem::remove(f.folder.file("boad1.bak.new"));

  ui.warnings.clear();
  EXPECT_TRUE(saveBoard(f.list, f.app, ui));
  EXPECT_TRUE(ui.warnings.empty());
}

// A write that fails half way (here: the file size limit of the process)
// must be noticed, not reported as success.
TEST_F(BoardSave, AWriteThatFailsHalfWayIsReportedAndLeavesTheOldBoard) {
  std::vector<std::string> rows;
  for (int i = 0; i < 200; ++i) rows.push_back("member" + std::to_string(i) + ",1," + std::string(25, 'n') + ",,,,,,,,");
  loadRows(rows);
  const std::string original = board();
  ASSERT_GT(original.size(), 4096u);
  f.list.setText(0, 2, "x");

  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{2048, 2048};
    setrlimit(RLIMIT_FSIZE, &limit);
    RecordingUi childUi;
    bool saved = saveBoard(f.list, f.app, childUi);
    bool toldFailure = childUi.warnings == std::vector<std::string>{msg::kSaveFailed};
    _exit(!saved && toldFailure ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the save did not report its failure";
  EXPECT_EQ(board(), original);
  EXPECT_EQ(filesIn(f.folder.path()), (std::vector<std::string>{"boad1.csv"}));
}

TEST_F(BoardSave, TextsThatWouldBreakTheLayoutAreMadeSafe) {
  loadRows({"a,1,x"});
  f.list.setText(0, 0, "a,b");  // an in-place ID edit takes any text
  f.list.setText(0, 1, "line\r\nbreak");
  f.list.setText(0, 6, "one,two");
  f.list.setText(0, 9, "pc,with,commas");
  f.app.board.columnNames[0] = "名,前";
  f.app.board.allMembersMessage = "皆,さん\r\n";
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  ASSERT_TRUE(loadBoard(f.list, f.app));
  ASSERT_EQ(f.list.rowCount(), 1);
  EXPECT_EQ(f.list.rows[0].texts[0], "a/b");
  EXPECT_EQ(f.list.rows[0].texts[1], "line  break");
  EXPECT_EQ(f.list.rows[0].texts[6], "one/two");
  EXPECT_EQ(f.list.rows[0].texts[9], "pc,with,commas");
  EXPECT_EQ(f.app.board.columnNames[0], "名/前");
  EXPECT_EQ(f.app.board.columnNames[1], "行き先");
  EXPECT_EQ(f.app.board.allMembersMessage, "皆/さん  ");
}

TEST_F(BoardSave, FullLengthTextsSurviveBothWriters) {
  loadRows({"a,1,x"});
  const std::string mobile = std::string(97, '0') + "表";  // 99 bytes, ending in a trail byte 0x5C
  const std::string name = std::string(27, 'n') + "ソ";    // 29 bytes
  f.list.setText(0, 5, mobile);
  f.list.setText(0, 1, name);
  f.list.setText(0, 8, std::string(99, 'o'));
  ASSERT_TRUE(saveBoard(f.list, f.app, ui));
  const std::string other = f.folder.file("other.csv");
  ASSERT_TRUE(writeBoardFromDisplay(f.list, f.app, other));

  for (const std::string& path : {f.boardPath(), other}) {
    f.app.board.currentBoardPath = path;
    ASSERT_TRUE(loadBoard(f.list, f.app)) << path;
    EXPECT_EQ(f.list.rows[0].texts[5], mobile) << path;
    EXPECT_EQ(f.list.rows[0].texts[1], name) << path;
    EXPECT_EQ(f.list.rows[0].texts[8], std::string(99, 'o')) << path;
  }
}

TEST_F(BoardSave, CreationWritersLeaveTheShownBoardAndItsStampAlone) {
  loadRows(kRows, 4242);
  const std::string shown = board();
  const std::string display = f.folder.file("display.csv");
  const std::string empty = f.folder.file("empty.csv");
  ASSERT_TRUE(writeBoardFromDisplay(f.list, f.app, display));
  ASSERT_TRUE(writeEmptyBoard(f.app, empty));
  EXPECT_EQ(f.app.board.boardStamp, 4242);
  EXPECT_EQ(board(), shown);
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  // No lock and no backup for new files.
  EXPECT_EQ(filesIn(f.folder.path()), (std::vector<std::string>{"boad1.csv", "display.csv", "empty.csv"}));

  EXPECT_EQ(readFile(display), boardBytes(9050607, {kRows[2], kRows[1], kRows[0]}, "みんなへ"));
  // The empty board with the default captions.
  AppState fresh;
  ASSERT_TRUE(writeEmptyBoard(fresh, empty));
  EXPECT_EQ(readFile(empty), "W2,9050607,\r\n"
                             "ID,Icon No.,名前,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定,その他,PC-Name\r\n"
                             "ID,0,名前,,,,,,,,\r\n"
                             "END,\r\n"
                             " “全メンバーへのメッセージ” 記入欄\r\n");
  f.app.board.currentBoardPath = empty;
  ASSERT_TRUE(loadBoard(f.list, f.app));
  ASSERT_EQ(f.list.rowCount(), 1);
  EXPECT_EQ(f.list.rows[0].texts[0], "ID");
  EXPECT_EQ(f.list.rows[0].image, 0);
  EXPECT_EQ(f.list.rows[0].texts[1], "名前");
  EXPECT_EQ(f.app.board.allMembersMessage, " “全メンバーへのメッセージ” 記入欄");

  // A path that cannot be written: false, and the stamp is still the shown one.
  f.app.board.boardStamp = 4242;
  EXPECT_FALSE(writeBoardFromDisplay(f.list, f.app, f.folder.file("no/such/folder.csv")));
  EXPECT_FALSE(writeEmptyBoard(f.app, f.folder.file("no/such/folder.csv")));
  EXPECT_EQ(f.app.board.boardStamp, 4242);
}

TEST(FolderLockTest, RemovesOnlyTheLockItCreated) {
  TempFolder folder;
  const std::string path = folder.file("lock.dat");
  {
    FolderLock first(path);
    ASSERT_TRUE(first.held());
    {
      FolderLock second(path);
      EXPECT_FALSE(second.held());
    }
    EXPECT_TRUE(exists(path)) << "a lock that failed removed the one held";
  }
  EXPECT_FALSE(exists(path));

  // Another program truncated the lock and took it over: it stays.
  {
    FolderLock lock(path);
    ASSERT_TRUE(lock.held());
    writeFile(path, "");
  }
  EXPECT_TRUE(exists(path));
  std::remove(path.c_str());
  // A lock removed by hand while held is no error.
  {
    FolderLock lock(path);
    ASSERT_TRUE(lock.held());
    std::remove(path.c_str());
  }
  EXPECT_FALSE(exists(path));
}

}  // namespace
