// The board's change history: what a save changed (by member ID), the line
// format byte for byte, the file's bound, its reader, and the history
// written by real saves under the lock (two copies, a catch-up, a quick
// input, a history file that cannot be written).
#include "board/board_history.h"

#include <gtest/gtest.h>

#include "board/board_save.h"
#include "board/history_file.h"
#include "board/history_view.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "tests/command_harness.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;
using K = HistoryKind;

MemberRow row(const std::string& id, const std::string& name, const std::string& destination = "", int icon = 0,
              const std::string& written = "") {
  MemberRow r;
  r.texts[0] = id, r.texts[1] = name, r.texts[2] = destination, r.texts[4] = written;
  r.iconNumber = icon;
  return r;
}

BoardContent content(std::vector<MemberRow> rows, const std::string& message = "m") {
  BoardContent c;
  c.known = true;
  c.rows = std::move(rows);
  c.columnNames = {"名前", "行き先", "戻り予定", "書込日時", "携帯番号", "連絡事項", "予定", "その他"};
  c.allMembersMessage = message;
  return c;
}

TEST(BoardChanges, EachKindOfChangeIsOneLinePerChangedField) {
  const BoardContent before = content({row("tanaka", "田中", "会議室", 5, "2024/01/02 10:11"), row("abe", "阿部"),
                                       row("sato", "佐藤", "出張"), row("old", "古田", "外出", 7)});
  EXPECT_TRUE(boardChanges(before, before, false).empty()) << "an unchanged save writes nothing";

  // A destination and a return time changed, the write time with them: two lines, not three.
  BoardContent after = before;
  after.rows[0].texts[2] = "帰宅", after.rows[0].texts[3] = "17:00", after.rows[0].texts[4] = "2024/01/03 09:00";
  EXPECT_EQ(boardChanges(before, after, false),
            (std::vector<HistoryChange>{{"tanaka", K::kDestination, "行き先", "会議室", "帰宅"},
                                        {"tanaka", K::kDestination, "戻り予定", "", "17:00"}}));
  // A quick input, an icon, the message and a caption.
  after = before;
  after.rows[1].texts[2] = "出社", after.rows[1].iconNumber = 12;
  after.allMembersMessage = "会議は3時";
  after.columnNames[6] = "今週";
  EXPECT_EQ(boardChanges(before, after, true),
            (std::vector<HistoryChange>{{"", K::kColumnName, "予定", "予定", "今週"},
                                        {"", K::kAllMembers, "", "m", "会議は3時"},
                                        {"abe", K::kIconChanged, "Icon No.", "0", "12"},
                                        {"abe", K::kQuickInput, "行き先", "", "出社"}}));
}

TEST(BoardChanges, RowsAddedRemovedAndRenamedInOneSave) {
  const BoardContent before = content({row("tanaka", "田中"), row("abe", "阿部", "外出", 3), row("sato", "佐藤")});
  // abe became ABE2 (all else alike, the write time aside), sato left, suzuki came,
  // and tanaka is found again under another case of letters.
  BoardContent after = content({row("TANAKA", "田中"), row("suzuki", "鈴木"), row("ABE2", "阿部", "外出", 3, "2024/01/01 00:00")});
  EXPECT_EQ(boardChanges(before, after, false),
            (std::vector<HistoryChange>{{"suzuki", K::kAdded, "", "", "鈴木"},
                                        {"ABE2", K::kIdChanged, "ID", "abe", "ABE2"},
                                        {"sato", K::kDeleted, "", "佐藤", ""}}));
  // A hand-edited board that repeats an ID: its rows pair up in order.
  const BoardContent twice = content({row("x", "一"), row("x", "二")});
  BoardContent changed = twice;
  changed.rows[1].texts[1] = "三";
  EXPECT_EQ(boardChanges(twice, changed, false),
            (std::vector<HistoryChange>{{"x", K::kDestination, "名前", "二", "三"}}));
}

TEST(HistoryLines, ByteForByteWithFieldsCutAndCleanedAsTheBoardDoes) {
  const HistoryAuthor author{"tanaka", "PC-T01"};
  EXPECT_EQ(historyLines("2026/12/07 09:05:01", author,
                         {{"abe", K::kDestination, "行き先", "会議室", "出社"}, {"", K::kAllMembers, "", "a,b", "c\r\nd"}}),
            "2026/12/07 09:05:01,tanaka,PC-T01,abe,行き先変更,行き先,会議室,出社\r\n"
            "2026/12/07 09:05:01,tanaka,PC-T01,,全員へ,,a/b,c  d\r\n");
  // An old text of 300 bytes of 表 (95 5C): cut to 254 bytes, never half a character.
  std::string long_;
  for (int i = 0; i < 150; ++i) long_ += "表";
  const std::string line = historyLines("t", {}, {{"id", K::kDeleted, "", long_, ""}});
  EXPECT_EQ(line, "t,,,id,削除,," + long_.substr(0, 254) + ",\r\n");
  // An odd limit in the middle of a character: 29 bytes of a 30-byte ID field.
  std::string id;
  for (int i = 0; i < 20; ++i) id += "阿";
  EXPECT_EQ(historyLines("t", {}, {{id, K::kAdded, "", "", ""}}), "t,,," + id.substr(0, 28) + ",追加,,,\r\n");
  EXPECT_EQ(historyLines("t", author, {}), "");
}

TEST(HistoryFile, PassingTheLimitDropsTheOlderHalfAndKeepsWholeLines) {
  TempFolder folder;
  const std::string path = folder.file("boad1.csv.his");
  const std::string next = "2026/12/07 10:00:00,u,PC,new,追加,,,新人\r\n";
  // Lines up to less than one old line short of the limit, less `next`.
  std::string all;
  for (int i = 100000;; ++i) {
    const std::string line = "2026/12/07 09:05:01,u,PC,m" + std::to_string(i) + ",一括,行き先,在席,外出\r\n";
    if (all.size() + line.size() + next.size() > kHistoryMaxBytes) break;
    all += line;
  }
  // One more line of the length that leaves 10 bytes of room after `next`.
  const std::size_t filler = kHistoryMaxBytes - next.size() - 10 - all.size();
  all += std::string(filler - 2, 'f') + "\r\n";
  writeFile(path, all);
  ASSERT_TRUE(appendHistory(path, next));  // still within: appended
  EXPECT_TRUE(readFile(path) == all + next);
  ASSERT_TRUE(appendHistory(path, next));  // past it: the newer half stays
  const std::string now = readFile(path);
  EXPECT_LE(now.size(), kHistoryMaxBytes / 2 + 2 * next.size());
  EXPECT_GE(now.size(), kHistoryMaxBytes / 2 - 100);
  ASSERT_EQ(now.substr(now.size() - 2 * next.size()), next + next);
  const std::string kept = now.substr(0, now.size() - 2 * next.size());
  EXPECT_EQ(kept.substr(0, 20), "2026/12/07 09:05:01,") << "the kept part starts at a line";
  EXPECT_TRUE(all.find(kept) != std::string::npos) << "the kept lines are the newest, unchanged";
  EXPECT_EQ(kept.substr(kept.size() - 2), "\r\n");
  EXPECT_FALSE(exists(path + ".new"));

  const HistoryRead read = readHistory(path);
  EXPECT_TRUE(read.readable);
  EXPECT_FALSE(read.cutAtStart);
  ASSERT_GE(read.entries.size(), 2u);
  EXPECT_EQ(read.entries.back(), (HistoryEntry{"2026/12/07 10:00:00", "u", "PC", "new", "追加", "", "", "新人"}));
}

TEST(HistoryFile, TheReaderIsBoundedAndTrustsNoLine) {
  bool cut = false;
  std::string longField(5000, 'x');
  const auto entries = parseHistory("a,b\r\n\r\n\n" + longField + ",1,2,3,4,5,6,7,8,9\nlast-without-end", cut);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], (HistoryEntry{"a", "b", "", "", "", "", "", ""}));
  EXPECT_EQ(entries[1].time, std::string(19, 'x'));
  EXPECT_EQ(entries[1].newText, "7") << "fields past the eighth are dropped";
  EXPECT_EQ(entries[2].time, "last-without-end");
  EXPECT_FALSE(cut);
  // More lines than a reader keeps: the newest stay.
  std::string many;
  for (std::size_t i = 0; i < kHistoryMaxEntries + 5; ++i) many += std::to_string(i) + "\n";
  const auto kept = parseHistory(many, cut);
  EXPECT_TRUE(cut);
  ASSERT_EQ(kept.size(), kHistoryMaxEntries);
  EXPECT_EQ(kept.front().time, "5");
  // A file larger than the limit: only its end, from a whole line on.
  TempFolder folder;
  const std::string path = folder.file("big.his");
  writeFile(path, std::string(kHistoryMaxBytes, 'y') + "\r\nz,1\r\n");
  const HistoryRead read = readHistory(path);
  EXPECT_TRUE(read.cutAtStart);
  ASSERT_EQ(read.entries.size(), 1u);
  EXPECT_EQ(read.entries[0].time, "z");
  EXPECT_FALSE(readHistory(folder.file("none.his")).readable);
}

TEST(HistoryFile, ALastLineCutShortDoesNotSwallowTheNextOne) {
  TempFolder folder;
  const std::string path = folder.file("boad1.csv.his");
  writeFile(path, "2026/12/07 09:00:00,u,PC,abe,一括,行き");  // a write that stopped half way
  ASSERT_TRUE(appendHistory(path, "2026/12/07 09:01:00,u,PC,sato,追加,,,佐藤\r\n"));
  EXPECT_EQ(readFile(path), "2026/12/07 09:00:00,u,PC,abe,一括,行き\r\n2026/12/07 09:01:00,u,PC,sato,追加,,,佐藤\r\n");
  ASSERT_TRUE(appendHistory(path, "x\r\n"));
  EXPECT_EQ(readHistory(path).entries.size(), 3u);
}

// Real saves on a board folder: the lines each save writes under the lock.
struct HistorySaves : ::testing::Test, CommandFixture {
  void SetUp() override {
    setClockForTests(localTime(2026, 12, 7, 9, 5, 1));
    writeBoard(boardBytes(100, {"abe,0,阿部,在席,,,,,,,", "sato,2,佐藤,外出,,,,,,,"}, "m"));
    ASSERT_TRUE(loadBoard(list, app));
    app.local.userId = "abe";
    app.main.computerName = "PC-A";
  }
  void TearDown() override { setClockForTests(-1); }
  std::string history() const { return readFile(historyPath(boardPath())); }
  void run(void (*command)(BoardCommandContext&)) { command(ctx); }
};

TEST_F(HistorySaves, AQuickInputIsOneLineAndACatchUpRecordsOnlyItsOwnChange) {
  run(quickInput1);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(history(), "2026/12/07 09:05:01,abe,PC-A,abe,一括,行き先,在席,出社\r\n");
  // Another copy on another PC saves sato's row; this copy's next change
  // meets that save under the lock: only this copy's change is its line.
  BoardCopy other(boardPath());
  other.app.local.userId = "sato";
  other.app.main.computerName = "PC-S";
  ASSERT_TRUE(loadBoard(other.list, other.app));
  other.list.setText(other.list.findId("sato"), 2, "会議室");
  ASSERT_TRUE(saveBoard(other.list, other.app, other.ui,
                        [](MemberList& l) { l.setText(l.findId("sato"), 2, "会議室"); return nullptr; }));
  setClockForTests(localTime(2026, 12, 7, 9, 6, 0));
  run(quickInput2);
  EXPECT_EQ(history(),
            "2026/12/07 09:05:01,abe,PC-A,abe,一括,行き先,在席,出社\r\n"
            "2026/12/07 09:05:01,sato,PC-S,sato,行き先変更,行き先,外出,会議室\r\n"
            "2026/12/07 09:06:00,abe,PC-A,abe,一括,行き先,出社,帰宅\r\n");
  EXPECT_EQ(list.text(list.findId("sato"), 2, 30), "会議室");
  ASSERT_TRUE(saveBoard(list, app, ui));
  const std::string lines = history();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3) << "a save without a change adds nothing";
}

TEST_F(HistorySaves, AHistoryThatCannotBeWrittenLeavesTheBoardSavedAndSaysNothing) {
  std::filesystem::create_directory(historyPath(boardPath()));  // nothing can be written there
  run(quickInput1);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(fileRows(board())[0], "abe,0,阿部,出社,,2026/12/07 09:05,,,,,");
  EXPECT_TRUE(app.board.historyIncomplete);
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

}  // namespace

namespace {

TEST(HistoryView, OneMemberOrTheWholeBoardNewestFirst) {
  const std::vector<HistoryEntry> entries = {
      {"2026/12/07 09:00:00", "abe", "PC-A", "abe", "一括", "行き先", "在席", "出社"},
      {"2026/12/07 09:01:00", "", "PC-S", "sato", "追加", "", "", "佐藤"},
      {"2026/12/07 09:02:00", "sato", "", "ABE", "行き先変更", "戻り予定", "", "17:00"},
  };
  const auto row = [&](std::size_t i) {
    std::string cells;
    for (int c = 0; c < kHistoryListColumns; ++c) cells += (c ? "|" : "") + historyCellText(entries[i], c);
    return cells;
  };
  EXPECT_EQ(historyListRows(entries, "Abe"), (std::vector<std::size_t>{2, 0}));
  EXPECT_EQ(row(2), "2026/12/07 09:02:00|ABE|sato|行き先変更 戻り予定| → 17:00");
  EXPECT_EQ(row(0), "2026/12/07 09:00:00|abe|abe (PC-A)|一括 行き先|在席 → 出社");
  EXPECT_EQ(row(1), "2026/12/07 09:01:00|sato|PC-S|追加| → 佐藤");
  EXPECT_EQ(historyListRows(entries, ""), (std::vector<std::size_t>{2, 1, 0}));
  EXPECT_TRUE(historyListRows(entries, "tanaka").empty());
}

}  // namespace
