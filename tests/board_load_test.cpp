// Reading board files: the change test and the loader, against well-formed,
// short, long, truncated and hostile files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/board_reload.h"
#include "app/list_columns.h"
#include "board/board_bytes.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

template <std::size_t N>
std::string bytesOf(const char (&literal)[N]) {  // a literal with NUL bytes in it
  return std::string(literal, N - 1);
}

using Texts = std::array<std::string, 10>;

class BoardLoad : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;
  void TearDown() override { setClockForTests(-1); }

  void load(const std::string& bytes) {
    f.writeBoard(bytes);
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  const FakeRow& row(const std::string& id) {
    static const FakeRow none;
    int i = f.list.findId(id);
    EXPECT_GE(i, 0) << id;
    return i >= 0 ? f.list.rows[static_cast<std::size_t>(i)] : none;
  }
};

TEST_F(BoardLoad, ReadsRowsCaptionsStampAndMessageSortedByStoredKey) {
  setClockForTests(1700000000);
  load(boardBytes(24101530,
                  {"tanaka,5,田中,会議室,15:00,2024/01/02 10:11,090-1,連絡,予定表,他,PC-T", "abe,0,阿部,,,,,,,,",
                   "SATO,69,佐藤,出張,明日,2024/01/03 09:00,,,,,10.0.0.7"},
                  "全員へ", "ID,Icon No.,氏名,居場所,戻り,書込,携帯,連絡,予定,備考,PC-Name\r\n"));
  EXPECT_EQ(f.app.board.boardStamp, 24101530);
  EXPECT_EQ(f.app.board.allMembersMessage, "全員へ");
  EXPECT_EQ(f.app.board.columnNames, (std::array<std::string, 8>{"氏名", "居場所", "戻り", "書込", "携帯", "連絡", "予定", "備考"}));
  EXPECT_EQ(f.list.columnCaption(1) + f.list.columnCaption(8) + f.list.columnCaption(9), "氏名備考PC-Name");
  // Sort key 0: ID ascending, bytewise ("S" < "a" < "t"); keys stay the file order.
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"SATO", "abe", "tanaka"}));
  EXPECT_EQ(f.list.keys(), (std::vector<long>{2, 1, 0}));
  EXPECT_EQ(row("tanaka").image, 5);
  EXPECT_EQ(row("tanaka").texts,
            (Texts{"tanaka", "田中", "会議室", "15:00", "2024/01/02 10:11", "090-1", "連絡", "予定表", "他", "PC-T"}));
  EXPECT_EQ(row("SATO").image, 69);
  EXPECT_EQ(f.app.times.updateTimeText, formatNow("%H:%M:%S 更新"));
  EXPECT_EQ(f.app.times.writeTimeText, formatNow("%Y/%m/%d %H:%M"));
  // Rows go in with redraw suspended; the appearance is rebuilt.
  EXPECT_EQ(f.list.rowsInsertedWithRedraw, 0);
  EXPECT_EQ(f.list.bulkDepth, 0);
  EXPECT_EQ(f.list.appearanceRebuilds, 1);
}

// The rows go into the list already sorted: for every stored key the list
// ends as the list's own sort of the file order leaves it, ties, long texts
// and double-byte texts included, and the keys stay the file order.
TEST_F(BoardLoad, RowsGoInInTheOrderTheListsOwnSortGives) {
  const std::string x29(29, 'x');
  const std::vector<std::string> rows = {
      "m,3,b,Z,,2024/01/02 10:11,,," + x29 + "2,,pc1",
      "k,1,あ,Z,,2024/01/02 10:10,,," + x29 + "1,,",
      "M,2,A,,,2024/01/03 09:00,," + x29 + "9,,,",
      "a,0,,Z,,,,,,,pc,2",
      "z,4,b,,,2024/01/02 10:11",
  };
  for (int key = 0; key < 20; ++key) {
    f.app.local.sortKeys[0] = key;
    load(boardBytes(1, rows, ""));
    FakeMemberList fileOrder = f.list;
    std::stable_sort(fileOrder.rows.begin(), fileOrder.rows.end(),
                     [](const FakeRow& a, const FakeRow& b) { return a.key < b.key; });
    f.app.list.sortDescending[key % 10] = key / 10;
    sortByColumn(fileOrder, f.app, key % 10);
    EXPECT_EQ(f.list.ids(), fileOrder.ids()) << key;
    EXPECT_EQ(f.list.keys(), fileOrder.keys()) << key;
    EXPECT_EQ(f.app.list.sortDescending[key % 10], key / 10);
  }
}

TEST_F(BoardLoad, ShortRowsCommasInPcNameLinesWithoutCommaAndOddIconNumbers) {
  load(boardBytes(1, {"three,3,名前だけ", "two,3", "pc,1,n,d,r,w,m,c,s,o,host,with,commas", "lonely", "next,4,name",
                      "a,70,x", "b,-1,x", "c,abc,x", "d,,x", "e, 12,x", "f,99999999999999,x"},
                  "m,rest") + "garbage,9,after\r\n");
  for (const char* id : {"a", "b", "c", "d", "f"}) EXPECT_EQ(row(id).image, 0) << id;  // not an icon: 0
  EXPECT_EQ(row("e").image, 12);
  EXPECT_EQ(row("c").texts[1], "x");
  EXPECT_EQ(row("three").texts, (Texts{"three", "名前だけ"}));
  EXPECT_EQ(row("two").image, 3);
  EXPECT_EQ(row("pc").texts, (Texts{"pc", "n", "d", "r", "w", "m", "c", "s", "o", "host,with,commas"}));  // the rest
  // An ID runs to the next comma, across the line end (kept as two blanks,
  // as a save would write it).
  EXPECT_EQ(row("lonely  next").image, 4);
  EXPECT_EQ(f.list.rowCount(), 10);
  EXPECT_EQ(f.app.board.allMembersMessage, "m");  // ends at a comma; what follows is ignored
}

TEST_F(BoardLoad, EndRightAfterCaptionsAndMissingOrTruncatedEnd) {
  f.list.addRow({"old"});
  load(boardBytes(7, {}, "メッセージ"));
  EXPECT_EQ(f.list.rowCount(), 0);
  EXPECT_EQ(f.app.board.allMembersMessage, "メッセージ");

  load("W2,5,\r\n" + kDefaultCaptionLine + "a,1,x\r\nb,2,y\r\n");
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(f.app.board.allMembersMessage, "");
  // A last row cut off keeps what it has; a last ID without its comma is no row.
  load("W2,5,\r\n" + kDefaultCaptionLine + "a,1,x,de\r\nb,2,y,z");
  EXPECT_EQ(row("b").texts[2], "z");
  load("W2,5,\r\n" + kDefaultCaptionLine + "a,1,x\r\nbroken");
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"a"}));
  // A head line alone is a board without rows; a short caption line leaves names empty.
  load("W2,5,\r\n");
  EXPECT_EQ(f.list.rowCount(), 0);
  load("W2,1,\r\nID,Icon No.,名,先\r\na,1,x\r\nEND,\r\nmsg\r\n");
  EXPECT_EQ(f.app.board.columnNames[1], "先");
  EXPECT_EQ(f.app.board.columnNames[2], "");
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"a"}));
  EXPECT_EQ(f.app.board.allMembersMessage, "msg");
}

TEST_F(BoardLoad, MoreThan500RowsKeepsTheFirst500AndStillReadsTheMessage) {
  std::vector<std::string> rows;
  for (int i = 0; i < 502; ++i) rows.push_back("m" + std::to_string(1000 + i) + ",1,name" + std::to_string(i));
  load(boardBytes(3, rows, "最後まで読む"));
  ASSERT_EQ(f.list.rowCount(), 500);
  EXPECT_EQ(f.list.rows.back().texts[0], "m1499");
  EXPECT_EQ(f.list.rows.back().texts[1], "name499");
  EXPECT_EQ(f.list.findId("m1500"), -1);
  EXPECT_EQ(f.list.rows.back().key, 499);
  EXPECT_EQ(f.app.board.allMembersMessage, "最後まで読む");
}

TEST_F(BoardLoad, OverLongFieldsAreCutInsideTheirBufferAndLaterFieldsStayInPlace) {
  std::string kana20;
  for (int i = 0; i < 20; ++i) kana20 += "あ";
  const std::string mobile = std::string(98, '9') + "表表";  // the cut falls inside the first 表
  const std::string id40(40, 'I'), pc45(45, 'p');
  load(boardBytes(1, {id40 + ",2," + kana20 + ",dest,,," + mobile + ",contact,,," + pc45, "next,3,n"},
                  std::string(300, 'x'), "ID,Icon No.," + std::string(50, 'c') + ",b,c,d,e,f,g,h,PC-Name\r\n"));
  ASSERT_EQ(f.list.rowCount(), 2);
  EXPECT_EQ(f.list.rows[0].image, 2);  // a 15th kana would need bytes 29 and 30
  EXPECT_EQ(f.list.rows[0].texts, (Texts{id40.substr(0, 29), kana20.substr(0, 28), "dest", "", "", mobile.substr(0, 98),
                                         "contact", "", "", pc45.substr(0, 29)}));
  EXPECT_EQ(f.list.rows[1].texts[0], "next");
  EXPECT_EQ(f.app.board.allMembersMessage, std::string(255, 'x'));
  EXPECT_EQ(f.app.board.columnNames[0], std::string(29, 'c'));
  EXPECT_EQ(f.app.board.columnNames[1], "b");
}

TEST_F(BoardLoad, CheckComparesStampsAndRefusalsLeaveTheListAsItWas) {
  load(boardBytes(11, {"keep,1,me"}, "old message"));
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  f.writeBoard("W2;11\r\n");  // the third byte is not looked at; no comma needed behind the stamp
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  f.writeBoard(boardBytes(12, {}, "m"));
  EXPECT_EQ(checkBoard(f.app.board, ui), kChanged);
  auto unchanged = [&](const char* what) {
    EXPECT_FALSE(loadBoard(f.list, f.app)) << what;
    EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"keep"})) << what;
    EXPECT_EQ(f.app.board.boardStamp, 11) << what;
    EXPECT_EQ(f.app.board.allMembersMessage, "old message") << what;
  };
  // Another format mark: the check tells the user.
  f.writeBoard("W1,12,\r\n" + kDefaultCaptionLine + "new,1,x\r\nEND,\r\nm\r\n");
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBadFormat}));
  unchanged("format");
  ui.warnings.clear();
  // A stamp that is not a number: unreadable, without a message.
  for (const char* head : {"W2,x12,\r\n", "W2,\r\n", "W2,99999999999,\r\n"}) {
    f.writeBoard(head + kDefaultCaptionLine + "new,1,x\r\nEND,\r\nm\r\n");
    EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable) << head;
    unchanged(head);
  }
  // A lock file of any board in the same folder.
  f.writeBoard(boardBytes(12, {"new,1,x"}, "m"));
  f.lock();
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  unchanged("lock");
  std::filesystem::remove(f.folder.file("lock.dat"));
  std::filesystem::remove(f.boardPath());
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
  unchanged("missing");
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(BoardLoad, HostileFilesNeverCrashAndNeverOverrunAField) {
  const std::string head = "W2,1,\r\n" + kDefaultCaptionLine;
  for (const std::string& bytes : std::vector<std::string>{
           "", "W", "W2", "W2,1", "W2,1,\r", "W2,1,\r\n" + std::string(60, ','), head + std::string(1 << 20, 'z'),
           head + bytesOf("a\0b,1,\0\0,x\r\nEND,\r\n\0msg\r\n"), head + std::string(3000, ',') + "\r\n",
           head + "\x82,1,\x82,\x82\r\nEND,\r\n\x82", "W2,1,\r\n" + std::string(5000, '\r')}) {
    f.writeBoard(bytes);
    int result = checkBoard(f.app.board, ui);
    EXPECT_TRUE(result == kUnchanged || result == kChanged || result == kUnreadable);
    loadBoard(f.list, f.app);
    EXPECT_LE(f.list.rowCount(), 500);
    for (const FakeRow& r : f.list.rows)
      for (int c = 0; c < 10; ++c) {
        EXPECT_LE(r.texts[c].size(), (c >= 5 && c <= 8) ? 99u : 29u);
        EXPECT_EQ(r.texts[c].find('\0'), std::string::npos);
      }
    EXPECT_LE(f.app.board.allMembersMessage.size(), 255u);
  }
  // A NUL ends a field's text, as it would end the C string.
  load(head + bytesOf("a\0b,1,x\0y,z\r\nEND,\r\nmsg\r\n"));
  ASSERT_EQ(f.list.rowCount(), 1);
  EXPECT_EQ(f.list.rows[0].texts, (Texts{"a", "x", "z"}));
  EXPECT_EQ(f.app.board.allMembersMessage, "msg");
}

// 0x82 then a comma or CR is no character: the delimiter ends the field and
// the lone lead byte is left out, so no text ends in half a character and a
// save writes the board back unchanged.
TEST_F(BoardLoad, ALeadByteCutOffByADelimiterIsLeftOutOfItsText) {
  const std::string bytes = "W2,1,\r\nID,Icon No.,名\x82,b,c,d,e,f,g,h,PC-Name\r\n"
                            "ab\x82,1,x\x82,y,,,,,,,pc\x82\r\nEND,\r\nmsg\x82\r\n";
  load(bytes);
  ASSERT_EQ(f.list.rowCount(), 1);
  EXPECT_EQ(f.list.rows[0].texts, (Texts{"ab", "x", "y", "", "", "", "", "", "", "pc"}));
  EXPECT_EQ(f.app.board.columnNames[0], "名");
  EXPECT_EQ(f.app.board.allMembersMessage, "msg");
  const std::string saved = boardFileBytes(f.list, f.app.board, 1);
  std::string expected = bytes;
  expected.erase(std::remove(expected.begin(), expected.end(), '\x82'), expected.end());
  EXPECT_EQ(saved, expected);
}

// An ID runs on to its comma and pcName to its CR, so either can take in a
// line break; the writer makes a blank of it. The reader does the same at
// once, so a reload after a save shows the rows in the same order.
TEST_F(BoardLoad, LineBreaksInsideFieldsAreReadAsTheBlanksTheWriterMakes) {
  load(boardBytes(1, {"\nm40,0,na\nme", "no comma\r\npc,1,x,,,,,,,,pc\nname"}, "msg\nline"));
  ASSERT_EQ(f.list.rowCount(), 2);
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{" m40", "no comma  pc"}));
  EXPECT_EQ(f.list.rows[0].texts[1], "na me");
  EXPECT_EQ(f.list.rows[1].texts[9], "pc name");
  EXPECT_EQ(f.app.board.allMembersMessage, "msg line");
  const std::string saved = boardFileBytes(f.list, f.app.board, 1);
  load(saved);
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{" m40", "no comma  pc"}));
  EXPECT_EQ(boardFileBytes(f.list, f.app.board, 1), saved);
}

// The check runs at every tick and must read no more than the head line:
// here the board is a pipe whose writer keeps it open after the head line.
TEST_F(BoardLoad, CheckReadsNothingBeyondTheHeadLine) {
  ASSERT_EQ(mkfifo(f.boardPath().c_str(), 0600), 0);
  std::atomic<bool> checked{false};
  std::thread writer([&] {
    int fd = open(f.boardPath().c_str(), O_WRONLY);
    EXPECT_EQ(write(fd, "W2,24235958,\r\n", 14), 14);
    for (int i = 0; i < 300 && !checked; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    close(fd);
  });
  const auto start = std::chrono::steady_clock::now();
  f.app.board.boardStamp = 24235958;
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  checked = true;
  writer.join();
}

// A damaged head line whose stamp field never ends would be read to the end
// of the file at every tick: a stamp has at most ten digits.
TEST_F(BoardLoad, AStampFieldLongerThanAStampIsADamagedHeadLine) {
  load(boardBytes(1234567890, {"keep,1,me"}, "m"));
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  f.app.board.boardStamp = 0;
  for (const std::string& head : std::vector<std::string>{"W2," + std::string(1 << 20, '0'), "W2,0000000000000,", "W2, 00000000000000\r"}) {
    f.writeBoard(head + "\r\n" + kDefaultCaptionLine + "END,\r\nm\r\n");
    EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable) << head.substr(0, 20);
    EXPECT_FALSE(loadBoard(f.list, f.app));
  }
  f.writeBoard("W2,-0000000001,\r\n" + kDefaultCaptionLine + "END,\r\nm\r\n");  // eleven bytes and a sign
  EXPECT_EQ(checkBoard(f.app.board, ui), kChanged);
  EXPECT_TRUE(ui.warnings.empty());
}

TEST(BoardPaths, LockAndBackupPathsStepOverTrailBytes) {
  EXPECT_EQ(lockFilePath("C:\\表\\boad1.csv"), "C:\\表\\lock.dat");
  EXPECT_EQ(lockFilePath("C:\\data\\ソフト.csv"), "C:\\data\\lock.dat");  // ソ ends in 0x5C
  EXPECT_EQ(lockFilePath("\\\\server\\share\\表示\\b.csv"), "\\\\server\\share\\表示\\lock.dat");
  EXPECT_EQ(lockFilePath("\\boad1.csv"), "lock.dat");
  EXPECT_EQ(lockFilePath("boad1.csv"), "lock.dat");
  EXPECT_EQ(lockFilePath("/tmp/x/boad1.csv"), "/tmp/x/lock.dat");
  EXPECT_EQ(backupPath("C:\\v1.2\\boad1.csv"), "C:\\v1.2\\boad1.bak");
  EXPECT_EQ(backupPath("C:\\v1.2\\board"), "C:\\v1.2\\board.bak");
  EXPECT_EQ(backupPath("C:\\a\\b.c.d"), "C:\\a\\b.bak");
  EXPECT_EQ(backupPath("C:\\ソ.d\\表"), "C:\\ソ.d\\表.bak");
}

}  // namespace
