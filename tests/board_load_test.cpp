// Reading board files: the change test and the loader, against well-formed,
// short, long, truncated and hostile files. (Every text fitting its buffer
// in whole characters, and a save reading back to the same bytes, are the
// board_load fuzz target's invariants.)
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/board_reload.h"
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

using Texts = std::array<std::string, 10>;
using Lines = std::vector<std::string>;
const std::string kHead = "W2,5,\r\n" + kDefaultCaptionLine;

class BoardLoad : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;
  void TearDown() override { setClockForTests(-1); }

  void load(const std::string& bytes) {
    f.writeBoard(bytes);
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  Texts texts(const std::string& id) {
    const int i = f.list.findId(id);
    EXPECT_GE(i, 0) << id;
    return i >= 0 ? f.list.rows[static_cast<std::size_t>(i)].texts : Texts{};
  }
  int image(const std::string& id) { return f.list.image(f.list.findId(id)); }
};

// (The rows' texts, pictures and keys on screen are the FirstStart and
// Boards end-to-end scenarios'.)
TEST_F(BoardLoad, ReadsCaptionsStampAndMessageAndInsertsRowsWithTheRedrawOff) {
  setClockForTests(1700000000);
  load(boardBytes(24101530, {"tanaka,5,田中", "abe,0,阿部"}, "全員へ",
                  "ID,Icon No.,氏名,居場所,戻り,書込,携帯,連絡,予定,備考,PC-Name\r\n"));
  EXPECT_EQ(std::to_string(f.app.board.boardStamp) + f.app.board.allMembersMessage, "24101530全員へ");
  EXPECT_EQ(f.app.board.columnNames,
            (std::array<std::string, 8>{"氏名", "居場所", "戻り", "書込", "携帯", "連絡", "予定", "備考"}));
  EXPECT_EQ(f.list.columnCaption(1) + f.list.columnCaption(8) + f.list.columnCaption(9), "氏名備考PC-Name");
  EXPECT_EQ(f.app.times.updateTimeText + f.app.times.writeTimeText, formatNow("%H:%M:%S 更新%Y/%m/%d %H:%M"));
  EXPECT_EQ(f.list.rowsInsertedWithRedraw + f.list.bulkDepth, 0);
  EXPECT_EQ(f.list.appearanceRebuilds, 1);
}

// For every stored key the rows go in as the list's own sort of the file
// order leaves them (ties, long and double-byte texts too); keys stay the file order.
TEST_F(BoardLoad, RowsGoInInTheOrderTheListsOwnSortGives) {
  const std::string x29(29, 'x');
  const Lines rows = {"m,3,b,Z,,2024/01/02 10:11,,," + x29 + "2,,pc1", "k,1,あ,Z,,2024/01/02 10:10,,," + x29 + "1,,",
                      "M,2,A,,,2024/01/03 09:00,," + x29 + "9,,,", "a,0,,Z,,,,,,,pc,2", "z,4,b,,,2024/01/02 10:11"};
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
  }
}

TEST_F(BoardLoad, ShortRowsCommasInPcNameLinesWithoutCommaAndOddIconNumbers) {
  load(boardBytes(1,
                  {"three,3,名前だけ", "pc,1,n,d,r,w,m,c,s,o,host,with,commas", "lonely", "next,4,name", "a,70,x",
                   "b,-1,x", "c,abc,x", "f,99999999999999,x", "e, 12,x"},
                  "m,rest") +
       "garbage,9,after\r\n");
  for (const char* id : {"a", "b", "c", "f"}) EXPECT_EQ(image(id), 0) << id;  // not an icon: 0
  EXPECT_EQ(image("e"), 12);
  EXPECT_EQ(texts("three"), (Texts{"three", "名前だけ"}));
  EXPECT_EQ(texts("pc"), (Texts{"pc", "n", "d", "r", "w", "m", "c", "s", "o", "host,with,commas"}));  // the rest
  // An ID runs to the next comma, across the line end (two blanks, as a save writes it).
  EXPECT_EQ(image("lonely  next"), 4);
  EXPECT_EQ(f.list.rowCount(), 8);
  EXPECT_EQ(f.app.board.allMembersMessage, "m");  // ends at a comma; what follows is ignored
}

TEST_F(BoardLoad, MissingTruncatedOrEarlyEndLinesAndShortCaptionLines) {
  const std::vector<std::tuple<std::string, Lines, std::string>> cases = {
      {boardBytes(7, {}, "メッセージ"), {}, "メッセージ"},
      {kHead + "a,1,x\r\nbroken", {"a"}, ""},  // a last ID without its comma is no row
      {"W2,5,\r\n", {}, ""},
      {"W2,1,\r\nID,Icon No.,名,先\r\na,1,x\r\nEND,\r\nmsg\r\n", {"a"}, "msg"},
  };
  for (const auto& [bytes, ids, message] : cases) {
    f.list.addRow({"old"});
    load(bytes);
    EXPECT_EQ(f.list.ids(), ids) << bytes;
    EXPECT_EQ(f.app.board.allMembersMessage, message) << bytes;
  }
  EXPECT_EQ(f.app.board.columnNames[1] + "|" + f.app.board.columnNames[2], "先|");
  load(kHead + "a,1,x,de\r\nb,2,y,z");  // a last row cut off keeps what it has
  EXPECT_EQ(texts("b")[2], "z");
}

TEST_F(BoardLoad, MoreThan500RowsKeepsTheFirst500AndStillReadsTheMessage) {
  Lines rows;
  for (int i = 0; i < 502; ++i) rows.push_back("m" + std::to_string(1000 + i) + ",1,name" + std::to_string(i));
  load(boardBytes(3, rows, "最後まで読む"));
  ASSERT_EQ(f.list.rowCount(), 500);
  EXPECT_EQ(f.list.rows.back().texts[0] + f.list.rows.back().texts[1], "m1499name499");
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
  EXPECT_EQ(f.app.board.columnNames[0] + f.app.board.columnNames[1], std::string(29, 'c') + "b");
}

TEST_F(BoardLoad, CheckComparesStampsAndRefusalsLeaveTheListAsItWas) {
  load(boardBytes(11, {"keep,1,me"}, "old message"));
  f.writeBoard("W2;11\r\n");  // the third byte is not looked at; no comma needed behind the stamp
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
  f.writeBoard("W2,-0000000001,\r\n");  // eleven bytes and a sign are still a stamp
  EXPECT_EQ(checkBoard(f.app.board, ui), kChanged);
  // Another format mark (the only one told to the user), a stamp that is no
  // number or runs on (read to the file's end at every tick), a lock, no file.
  const std::string rest = "\r\n" + kDefaultCaptionLine + "new,1,x\r\nEND,\r\nm\r\n";
  for (const std::string& head :
       Lines{"W1,12,", "W2,x12,", "W2,99999999999,", "W2," + std::string(1 << 20, '0'), "lock", "missing"}) {
    SCOPED_TRACE(head.substr(0, 20));
    f.writeBoard(head + rest);
    if (head == "lock") f.writeBoard(boardBytes(12, {"new,1,x"}, "m")), f.lock();
    if (head == "missing") std::filesystem::remove(f.folder.file("lock.dat")), std::filesystem::remove(f.boardPath());
    EXPECT_EQ(checkBoard(f.app.board, ui), kUnreadable);
    EXPECT_EQ(ui.warnings, head == "W1,12," ? Lines{msg::kBadFormat} : Lines{});
    EXPECT_FALSE(loadBoard(f.list, f.app));
    EXPECT_EQ(f.list.ids(), Lines{"keep"});
    EXPECT_EQ(std::to_string(f.app.board.boardStamp) + f.app.board.allMembersMessage, "11old message");
    ui.warnings.clear();
  }
}

// A NUL ends a field's text, as it would end the C string; line breaks
// inside an ID (read to its comma), pcName (to its CR) or the message become
// the blanks the writer makes, so a reload after a save keeps the order.
TEST_F(BoardLoad, NulsEndTextsAndLineBreaksInsideFieldsBecomeBlanks) {
  const std::string nul(1, '\0');
  load(kHead + "a" + nul + "b,1,x" + nul + "y,z\r\nEND,\r\nmsg\r\n");
  EXPECT_EQ(texts("a"), (Texts{"a", "x", "z"}));
  EXPECT_EQ(f.app.board.allMembersMessage, "msg");
  load(boardBytes(1, {"\nm40,0,na\nme", "no comma\r\npc,1,x,,,,,,,,pc\nname"}, "msg\nline"));
  EXPECT_EQ(f.list.ids(), (Lines{" m40", "no comma  pc"}));
  EXPECT_EQ(texts(" m40")[1] + "|" + texts("no comma  pc")[9] + "|" + f.app.board.allMembersMessage,
            "na me|pc name|msg line");
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

}  // namespace
