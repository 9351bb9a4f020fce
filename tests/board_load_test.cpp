// Reading board files: the change test and the loader, against well-formed,
// short, long, truncated and hostile files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "board/board_file.h"
#include "board/board_save.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/board_test_support.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

// A literal with NUL bytes in it, as bytes.
template <std::size_t N>
std::string bytesOf(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

class BoardLoad : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;

  void TearDown() override { setClockForTests(-1); }

  // Loads `bytes` as the board file; expects the load to succeed.
  void load(const std::string& bytes) {
    f.writeBoard(bytes);
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  const FakeRow& rowOf(const std::string& id) {
    int i = f.list.findId(id);
    EXPECT_GE(i, 0) << id;
    static FakeRow none;
    return i >= 0 ? f.list.rows[static_cast<std::size_t>(i)] : none;
  }
};

TEST_F(BoardLoad, ReadsRowsCaptionsStampAndMessageSortedByStoredKey) {
  setClockForTests(1700000000);
  load(boardBytes(24101530,
                  {"tanaka,5,田中,会議室,15:00,2024/01/02 10:11,090-1,連絡,予定表,他,PC-T",
                   "abe,0,阿部,,,,,,,,", "SATO,69,佐藤,出張,明日,2024/01/03 09:00,,,,,10.0.0.7"},
                  "全員へ", "ID,Icon No.,氏名,居場所,戻り,書込,携帯,連絡,予定,備考,PC-Name\r\n"));

  EXPECT_EQ(f.app.board.boardStamp, 24101530);
  EXPECT_EQ(f.app.board.allMembersMessage, "全員へ");
  const std::array<std::string, 8> expectedNames{"氏名", "居場所", "戻り", "書込", "携帯", "連絡", "予定", "備考"};
  EXPECT_EQ(f.app.board.columnNames, expectedNames);
  ASSERT_EQ(f.list.columnCount(), 10);
  EXPECT_EQ(f.list.columnCaption(0), "ID");
  EXPECT_EQ(f.list.columnCaption(1), "氏名");
  EXPECT_EQ(f.list.columnCaption(8), "備考");
  EXPECT_EQ(f.list.columnCaption(9), "PC-Name");

  // Default sort key 0: ID ascending, bytewise ("S" < "a" < "t").
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"SATO", "abe", "tanaka"}));
  // Keys are the file order whatever order the sort shows.
  EXPECT_EQ(f.list.keys(), (std::vector<long>{2, 1, 0}));

  const FakeRow& t = rowOf("tanaka");
  EXPECT_EQ(t.image, 5);
  const std::array<std::string, 10> expected{"tanaka", "田中", "会議室", "15:00", "2024/01/02 10:11",
                                             "090-1",  "連絡", "予定表", "他",    "PC-T"};
  EXPECT_EQ(t.texts, expected);
  EXPECT_EQ(rowOf("SATO").image, 69);
  EXPECT_EQ(rowOf("SATO").texts[9], "10.0.0.7");

  // The load stamps the time texts from the program's clock.
  EXPECT_EQ(f.app.times.writeTimeText, formatNow("%Y/%m/%d %H:%M"));
  EXPECT_EQ(f.app.times.updateTimeText, formatNow("%H:%M:%S 更新"));
  // Rows go in with redraw suspended, once per load.
  EXPECT_EQ(f.list.rowsInsertedWithRedraw, 0);
  EXPECT_EQ(f.list.bulkUpdates, 1);
  EXPECT_EQ(f.list.bulkDepth, 0);
  EXPECT_EQ(f.list.appearanceRebuilds, 1);
}

TEST_F(BoardLoad, ShortRowsKeepTheFieldsTheyHave) {
  load(boardBytes(1, {"three,3,名前だけ", "two,3", "pc,1,n,d,r,w,m,c,s,o,host,with,commas", "four,2,a,b,c"}, "m"));
  ASSERT_EQ(f.list.rowCount(), 4);

  const FakeRow& three = rowOf("three");
  EXPECT_EQ(three.image, 3);
  EXPECT_EQ(three.texts[1], "名前だけ");
  for (int c = 2; c < 10; ++c) EXPECT_EQ(three.texts[c], "") << c;

  const FakeRow& two = rowOf("two");
  EXPECT_EQ(two.image, 3);
  for (int c = 1; c < 10; ++c) EXPECT_EQ(two.texts[c], "") << c;

  // The last field takes the rest of the line, commas included.
  EXPECT_EQ(rowOf("pc").texts[9], "host,with,commas");
  EXPECT_EQ(rowOf("pc").texts[8], "o");
  EXPECT_EQ(rowOf("four").texts[3], "c");
  EXPECT_EQ(rowOf("four").texts[4], "");
  EXPECT_EQ(f.app.board.allMembersMessage, "m");
}

TEST_F(BoardLoad, EndLineRightAfterCaptionsIsAnEmptyBoard) {
  f.list.addRow({"old"});
  load(boardBytes(7, {}, "メッセージ"));
  EXPECT_EQ(f.list.rowCount(), 0);
  EXPECT_EQ(f.app.board.allMembersMessage, "メッセージ");
  EXPECT_EQ(f.app.board.boardStamp, 7);
}

TEST_F(BoardLoad, MissingEndLineEndsRowsAtEndOfFileWithEmptyMessage) {
  f.app.board.allMembersMessage = "before";
  load("W2,5,\r\n" + kDefaultCaptionLine + "a,1,x\r\nb,2,y\r\n");
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(f.app.board.allMembersMessage, "");

  // A last row cut off in the middle keeps what it has; a last ID without
  // its comma is no row.
  load("W2,5,\r\n" + kDefaultCaptionLine + "a,1,x,de\r\nb,2,y,z");
  EXPECT_EQ(f.list.rowCount(), 2);
  EXPECT_EQ(rowOf("b").texts[2], "z");
  load("W2,5,\r\n" + kDefaultCaptionLine + "a,1,x\r\nbroken");
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"a"}));
}

TEST_F(BoardLoad, MessageEndsAtCommaOrLineAndIgnoresTheRest) {
  load(boardBytes(1, {"a,0"}, "前半,後半") + "garbage,9,after\r\n");
  EXPECT_EQ(f.app.board.allMembersMessage, "前半");
  load(boardBytes(1, {"a,0"}, ""));
  EXPECT_EQ(f.app.board.allMembersMessage, "");
}

TEST_F(BoardLoad, ALineWithoutCommaRunsIntoTheNextRow) {
  load(boardBytes(1, {"lonely", "next,4,name"}, "m"));
  ASSERT_EQ(f.list.rowCount(), 1);
  EXPECT_EQ(f.list.rows[0].texts[0], "lonely\r\nnext");
  EXPECT_EQ(f.list.rows[0].image, 4);
  EXPECT_EQ(f.list.rows[0].texts[1], "name");
}

TEST_F(BoardLoad, MoreThan500RowsKeepsTheFirst500AndStillReadsTheMessage) {
  std::vector<std::string> rows;
  for (int i = 0; i < 523; ++i) {
    char id[16];
    std::snprintf(id, sizeof id, "m%04d", i);
    rows.push_back(std::string(id) + ",1,name" + std::to_string(i) + ",,,,,,,,pc");
  }
  rows.push_back("END-not-end,1,x");  // beyond the limit: dropped like any other row
  load(boardBytes(3, rows, "最後まで読む"));
  ASSERT_EQ(f.list.rowCount(), 500);
  EXPECT_EQ(f.list.rows.front().texts[0], "m0000");
  EXPECT_EQ(f.list.rows.back().texts[0], "m0499");
  EXPECT_EQ(f.list.rows.back().texts[1], "name499");
  EXPECT_EQ(f.list.findId("m0500"), -1);
  EXPECT_EQ(f.app.board.allMembersMessage, "最後まで読む");
  std::vector<long> keys = f.list.keys();
  for (long k = 0; k < 500; ++k) EXPECT_EQ(keys[static_cast<std::size_t>(k)], k);
}

TEST_F(BoardLoad, OverLongFieldsAreCutInsideTheirBufferAndLaterFieldsStayInPlace) {
  const std::string id40(40, 'I');
  std::string kana20;  // 20 double-byte characters, 40 bytes
  for (int i = 0; i < 20; ++i) kana20 += "あ";
  std::string mobile(98, '9');
  mobile += "表表";  // 102 bytes; the cut falls inside the first 表
  const std::string pc45(45, 'p');
  std::string message(300, 'x');
  load(boardBytes(1, {id40 + ",2," + kana20 + ",dest,,,"  + mobile + ",contact,,," + pc45, "next,3,n"}, message));

  ASSERT_EQ(f.list.rowCount(), 2);
  const FakeRow& r = f.list.rows[0];
  EXPECT_EQ(r.texts[0], std::string(29, 'I'));
  EXPECT_EQ(r.image, 2);
  EXPECT_EQ(r.texts[1].size(), 28u);  // 14 whole characters; a 15th would need byte 29 and 30
  EXPECT_EQ(r.texts[1], kana20.substr(0, 28));
  EXPECT_EQ(r.texts[2], "dest");
  EXPECT_EQ(r.texts[5], std::string(98, '9'));  // never half of 表
  EXPECT_EQ(r.texts[6], "contact");
  EXPECT_EQ(r.texts[9], std::string(29, 'p'));
  EXPECT_EQ(f.list.rows[1].texts[0], "next");
  EXPECT_EQ(f.app.board.allMembersMessage, std::string(255, 'x'));

  // Over-long captions are cut the same way.
  load(boardBytes(1, {}, "m", "ID,Icon No.," + std::string(50, 'c') + ",b,c,d,e,f,g,h,PC-Name\r\n"));
  EXPECT_EQ(f.app.board.columnNames[0], std::string(29, 'c'));
  EXPECT_EQ(f.app.board.columnNames[1], "b");
  EXPECT_EQ(f.app.board.columnNames[7], "h");
}

TEST_F(BoardLoad, IconNumbersOutsideTheIconsBecomeZero) {
  load(boardBytes(1, {"a,70,x", "b,-1,x", "c,abc,x", "d,,x", "e, 12,x", "f,99999999999999,x"}, "m"));
  EXPECT_EQ(rowOf("a").image, 0);
  EXPECT_EQ(rowOf("b").image, 0);
  EXPECT_EQ(rowOf("c").image, 0);
  EXPECT_EQ(rowOf("d").image, 0);
  EXPECT_EQ(rowOf("e").image, 12);
  EXPECT_EQ(rowOf("f").image, 0);
  // The field after a bad icon number is still the name.
  EXPECT_EQ(rowOf("c").texts[1], "x");
  EXPECT_EQ(rowOf("d").texts[1], "x");
}

TEST_F(BoardLoad, ShortCaptionLineLeavesTheMissingNamesEmptyAndKeepsTheRows) {
  load("W2,1,\r\nID,Icon No.,名,先\r\na,1,x\r\nEND,\r\nmsg\r\n");
  EXPECT_EQ(f.app.board.columnNames[0], "名");
  EXPECT_EQ(f.app.board.columnNames[1], "先");
  EXPECT_EQ(f.app.board.columnNames[2], "");
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"a"}));
  EXPECT_EQ(f.app.board.allMembersMessage, "msg");
}

TEST_F(BoardLoad, RefusalsLeaveTheListAndStampAsTheyWere) {
  load(boardBytes(11, {"keep,1,me"}, "old message"));
  const std::vector<FakeRow> before = f.list.rows;
  auto unchanged = [&] {
    EXPECT_EQ(f.list.rows.size(), before.size());
    EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"keep"}));
    EXPECT_EQ(f.app.board.boardStamp, 11);
    EXPECT_EQ(f.app.board.allMembersMessage, "old message");
  };

  // Another format mark: the check tells the user, the load says nothing.
  f.writeBoard("W1,12,\r\n" + kDefaultCaptionLine + "new,1,x\r\nEND,\r\nm\r\n");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_EQ(ui.warnings[0], msg::kBadFormat);
  EXPECT_FALSE(loadBoard(f.list, f.app));
  unchanged();

  // A stamp that is not a number: unreadable, without the format message.
  ui.warnings.clear();
  f.writeBoard("W2,x12,\r\n" + kDefaultCaptionLine + "new,1,x\r\nEND,\r\nm\r\n");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  EXPECT_FALSE(loadBoard(f.list, f.app));
  f.writeBoard("W2,\r\n" + kDefaultCaptionLine + "END,\r\nm\r\n");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  f.writeBoard("W2,99999999999,\r\n" + kDefaultCaptionLine + "END,\r\nm\r\n");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  EXPECT_TRUE(ui.warnings.empty());
  unchanged();

  // A lock file of any board in the same folder.
  f.writeBoard(boardBytes(12, {"new,1,x"}, "m"));
  writeFile(f.folder.file("lock.dat"), "");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  EXPECT_FALSE(loadBoard(f.list, f.app));
  unchanged();
  std::remove(f.folder.file("lock.dat").c_str());

  // No board file at all.
  std::remove(f.boardPath().c_str());
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  EXPECT_FALSE(loadBoard(f.list, f.app));
  unchanged();
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(BoardLoad, CheckComparesTheHeadLineStampWithTheLastOneSeen) {
  f.app.board.boardStamp = 24093015;
  f.writeBoard(boardBytes(24093015, {"a,0"}, "m"));
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  f.writeBoard(boardBytes(24093016, {"a,0"}, "m"));
  EXPECT_EQ(checkBoard(f.app.board, ui), kChanged);
  // The third byte is not looked at, and a stamp needs no comma behind it.
  f.writeBoard("W2;24093015\r\n" + kDefaultCaptionLine + "END,\r\n\r\n");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  f.app.board.boardStamp = -5;
  f.writeBoard("W2,-5,\r\n");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  EXPECT_TRUE(ui.warnings.empty());
  // A head line alone is a board without rows.
  ASSERT_TRUE(loadBoard(f.list, f.app));
  EXPECT_EQ(f.list.rowCount(), 0);
}

TEST_F(BoardLoad, HostileFilesNeverCrashAndNeverOverrunAField) {
  const std::vector<std::string> files = {
      "",
      "W",
      "W2",
      "W2,",
      "W2,1",
      "W2,1,\r",
      "W2,1,\r\n,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,",
      "W2,1,\r\n" + kDefaultCaptionLine + std::string(1 << 20, 'z'),
      "W2,1,\r\n" + kDefaultCaptionLine + bytesOf("a\0b,1,\0\0,x\r\nEND,\r\n\0msg\r\n"),
      "W2,1,\r\n" + kDefaultCaptionLine + std::string(3000, ',') + "\r\n",
      "W2,1,\r\n" + kDefaultCaptionLine + "\x82,1,\x82,\x82\r\nEND,\r\n\x82",
      "W2,1,\r\n" + std::string(5000, '\r'),
  };
  for (const std::string& bytes : files) {
    f.writeBoard(bytes);
    ui.warnings.clear();
    int result = checkBoard(f.app.board, ui);
    EXPECT_TRUE(result == kUnchanged || result == kChanged || result == kUnreadable);
    loadBoard(f.list, f.app);
    EXPECT_LE(f.list.rowCount(), 500);
    for (const FakeRow& row : f.list.rows) {
      for (int c = 0; c < 10; ++c) {
        EXPECT_LE(row.texts[c].size(), (c >= 5 && c <= 8) ? 99u : 29u);
        EXPECT_EQ(row.texts[c].find('\0'), std::string::npos);
      }
    }
    EXPECT_LE(f.app.board.allMembersMessage.size(), 255u);
  }
  // A NUL ends a field's text, as it would end the C string.
  f.writeBoard("W2,1,\r\n" + kDefaultCaptionLine + bytesOf("a\0b,1,x\0y,z\r\nEND,\r\nmsg\r\n"));
  ASSERT_TRUE(loadBoard(f.list, f.app));
  ASSERT_EQ(f.list.rowCount(), 1);
  EXPECT_EQ(f.list.rows[0].texts[0], "a");
  EXPECT_EQ(f.list.rows[0].texts[1], "x");
  EXPECT_EQ(f.list.rows[0].texts[2], "z");
  EXPECT_EQ(f.app.board.allMembersMessage, "msg");
}

// The check runs at every timer tick: it must not read the board beyond its
// head line. Here the board is a pipe whose writer sends the head line and
// then keeps the pipe open; a check that read on would wait for the writer.
TEST_F(BoardLoad, CheckReadsNothingBeyondTheHeadLine) {
  ASSERT_EQ(mkfifo(f.boardPath().c_str(), 0600), 0);
  std::atomic<bool> checked{false};
  std::thread writer([&] {
    int fd = open(f.boardPath().c_str(), O_WRONLY);
    if (fd < 0) return;
    const char head[] = "W2,24235958,\r\n";
    ssize_t written = write(fd, head, sizeof head - 1);
    (void)written;
    // Hold the pipe open for up to 3 s, or until the check has returned.
    for (int i = 0; i < 300 && !checked; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    close(fd);
  });
  const auto start = std::chrono::steady_clock::now();
  f.app.board.boardStamp = 24235958;
  const int result = checkBoard(f.app.board, ui);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  checked = true;
  writer.join();
  EXPECT_EQ(result, kUnchanged);
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(BoardPaths, LockFileIsInTheBoardFolderAndStepsOverTrailBytes) {
  EXPECT_EQ(lockFilePath("C:\\wabo\\boad1.csv"), "C:\\wabo\\lock.dat");
  EXPECT_EQ(lockFilePath("C:\\表\\boad1.csv"), "C:\\表\\lock.dat");
  // ソ ends in 0x5C: the file name is not a folder.
  EXPECT_EQ(lockFilePath("C:\\data\\ソフト.csv"), "C:\\data\\lock.dat");
  EXPECT_EQ(lockFilePath("\\\\server\\share\\表示\\b.csv"), "\\\\server\\share\\表示\\lock.dat");
  EXPECT_EQ(lockFilePath("\\boad1.csv"), "lock.dat");
  EXPECT_EQ(lockFilePath("boad1.csv"), "lock.dat");
  EXPECT_EQ(lockFilePath("/tmp/x/boad1.csv"), "/tmp/x/lock.dat");
}

TEST(BoardPaths, BackupReplacesTheFileNameExtension) {
  EXPECT_EQ(backupPath("C:\\wabo\\boad1.csv"), "C:\\wabo\\boad1.bak");
  EXPECT_EQ(backupPath("C:\\v1.2\\boad1.csv"), "C:\\v1.2\\boad1.bak");
  EXPECT_EQ(backupPath("C:\\v1.2\\board"), "C:\\v1.2\\board.bak");
  EXPECT_EQ(backupPath("C:\\a\\b.c.d"), "C:\\a\\b.bak");
  EXPECT_EQ(backupPath("C:\\ソ.d\\表"), "C:\\ソ.d\\表.bak");
  EXPECT_EQ(backupPath("board.csv"), "board.bak");
}

}  // namespace
