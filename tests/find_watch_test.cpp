// Finding a member by part of the ID or name, and watching members for their
// next change of destination.
#include <gtest/gtest.h>

#include "app/board_reload.h"
#include "app/return_watch.h"
#include "app/watch_command.h"
#include "board/columns.h"
#include "board/member_find.h"
#include "common/messages.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

// ------------------------------------------------------------ matching

TEST(FindMatching, AsciiLettersIgnoreCaseAndFullAndHalfWidthFormsMatchEachOther) {
  EXPECT_TRUE(looselyContains("Tanaka", "NAK"));
  EXPECT_TRUE(looselyContains("a123", "A12"));
  EXPECT_TRUE(looselyContains("ＡＢＣ１２３", "bc12"));   // full-width text, half-width needle
  EXPECT_TRUE(looselyContains("abc123", "ＢＣ１"));       // and the other way
  EXPECT_TRUE(looselyContains("ｔａｎａｋａ", "ＴＡＮ"));  // full-width small and capital letters
  EXPECT_TRUE(looselyContains("Ｚ９", "z9"));             // the last letter and digit of each range
  EXPECT_TRUE(looselyContains("ａ０", "A0"));             // and the first
  EXPECT_FALSE(looselyContains("abc", "abd"));
  EXPECT_FALSE(looselyContains("ab", "abc"));
  EXPECT_FALSE(looselyContains("abc", ""));  // an empty text finds nothing
  // Letters beyond the ASCII ones are compared exactly.
  EXPECT_TRUE(looselyContains("山田太郎", "田太"));
  EXPECT_FALSE(looselyContains("アイウ", "ｱｲ"));  // katakana of two widths are not letters or digits
}

TEST(FindMatching, ATrailByteNeverMatchesALeadByteOrALetter) {
  // ソ is 83 5C, 表 is 95 5C, ア is 83 41: their trail bytes are '\' and 'A'.
  EXPECT_FALSE(looselyContains("ソ", "\\"));
  EXPECT_FALSE(looselyContains("ア", "A"));
  EXPECT_FALSE(looselyContains("ア", "a"));
  // "表ア" is 95 5C 83 41: the bytes 5C 83 are no character of it.
  EXPECT_FALSE(looselyContains("表ア", std::string("\x5c\x83", 2)));
  // The trail byte 0x41 of ア and the lead byte 0x83 of the next character
  // spell no full-width letter.
  EXPECT_FALSE(looselyContains("アア", std::string("\x41\x83", 2)));
  // A lead byte at the very end stands alone and still matches only itself.
  EXPECT_TRUE(looselyContains(std::string("x\x83", 2), std::string("\x83", 1)));
  EXPECT_TRUE(looselyContains("ソA", "a"));
}

FakeMemberList listOf(const std::vector<std::pair<std::string, std::string>>& idsAndNames) {
  FakeMemberList list;
  for (const auto& [id, name] : idsAndNames) {
    const int row = list.insertRow(list.rowCount(), id, 0, list.rowCount());
    list.setText(row, kNameColumn, name);
  }
  return list;
}

TEST(FindMatching, NextAndPreviousWrapAroundAndTryTheStartingRowLast) {
  FakeMemberList list = listOf({{"A01", "田中"}, {"B02", "鈴木"}, {"C03", "田村"}, {"D04", "佐藤"}});
  list.setText(3, kDestinationColumn, "田");  // other columns are not looked at
  EXPECT_EQ(findMatchingRow(list, "田", -1, FindDirection::kForward), 0);
  EXPECT_EQ(findMatchingRow(list, "田", 0, FindDirection::kForward), 2);
  EXPECT_EQ(findMatchingRow(list, "田", 2, FindDirection::kForward), 0);   // around the end
  EXPECT_EQ(findMatchingRow(list, "田", 0, FindDirection::kBackward), 2);  // around the top
  EXPECT_EQ(findMatchingRow(list, "田", -1, FindDirection::kBackward), 2);
  EXPECT_EQ(findMatchingRow(list, "田", 2, FindDirection::kBackward), 0);
  EXPECT_EQ(findMatchingRow(list, "ｂ０", -1, FindDirection::kForward), 1);  // by ID, any width and case
  EXPECT_EQ(findMatchingRow(list, "ｂ０", 1, FindDirection::kForward), 1);   // the only match: itself, last
  EXPECT_EQ(findMatchingRow(list, "x", -1, FindDirection::kForward), -1);
  EXPECT_EQ(findMatchingRow(list, "", -1, FindDirection::kForward), -1);
  EXPECT_EQ(findMatchingRow(list, "田", 99, FindDirection::kForward), 0);  // a row no longer there
  EXPECT_EQ(findMatchingRow(FakeMemberList(), "a", -1, FindDirection::kForward), -1);
}

// ---------------------------------------------------------- the watch

const std::string kBoard = "boad1.csv";

MemberRow row(const std::string& id, const std::string& name, const std::string& destination) {
  MemberRow r;
  r.texts[kIdColumn] = id, r.texts[kNameColumn] = name, r.texts[kDestinationColumn] = destination;
  return r;
}

TEST(ReturnWatch, TheFirstChangeSeenGivesOneNoticeAndEndsTheWatch) {
  ReturnWatch watch;
  EXPECT_EQ(watch.toggle("a1", "会議", kBoard), WatchChange::kAdded);
  EXPECT_TRUE(watch.isWatched("A1", kBoard)) << "IDs ignore the case of letters, as every lookup";
  EXPECT_TRUE(watch.observe({row("A1", "田中", "会議")}, kBoard).empty()) << "unchanged";
  const auto notices = watch.observe({row("x", "x", "x"), row("A1", "田中", "出社")}, kBoard);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(returnNoticeText(notices[0]), "田中さんの行き先が「出社」になりました");
  EXPECT_FALSE(watch.isWatched("a1", kBoard));
  EXPECT_TRUE(watch.ids().empty());
  EXPECT_TRUE(watch.observe({row("A1", "田中", "帰宅")}, kBoard).empty()) << "once only";
  // An empty destination is a change too.
  watch.toggle("A1", "帰宅", kBoard);
  EXPECT_EQ(watch.observe({row("A1", "田中", "")}, kBoard).size(), 1u);
}

TEST(ReturnWatch, MembersThatLeaveAreDroppedAndTheFirstRowWithAnIdCounts) {
  ReturnWatch watch;
  watch.toggle("A1", "会議", kBoard);
  watch.toggle("B2", "外出", kBoard);
  EXPECT_TRUE(watch.observe({row("B2", "鈴木", "外出")}, kBoard).empty());
  EXPECT_EQ(watch.ids(), std::vector<std::string>({"B2"})) << "A1 left the board";
  // Back on the board later, A1 is no longer watched.
  EXPECT_TRUE(watch.observe({row("A1", "田中", "出社"), row("B2", "鈴木", "外出")}, kBoard).empty());
  EXPECT_FALSE(watch.isWatched("A1", kBoard));
  // Two rows with one ID: the first decides.
  EXPECT_TRUE(watch.observe({row("b2", "鈴木", "外出"), row("B2", "別人", "出社")}, kBoard).empty());
  const auto notices = watch.observe({row("B2", "鈴木", "出社"), row("B2", "別人", "外出")}, kBoard);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].name, "鈴木");
}

TEST(ReturnWatch, LoadsOfAnotherBoardLeaveTheMemberAlone) {
  ReturnWatch watch;
  watch.toggle("A1", "会議", kBoard);
  EXPECT_TRUE(watch.observe({row("Z9", "他", "x")}, "boad2.csv").empty());
  EXPECT_TRUE(watch.isWatched("A1", kBoard)) << "not dropped: it was never on board 2";
  EXPECT_FALSE(watch.isWatched("A1", "boad2.csv"));
  // An A1 of board 2 is another member.
  EXPECT_TRUE(watch.observe({row("A1", "同名", "出社")}, "boad2.csv").empty());
  EXPECT_EQ(watch.toggle("A1", "出社", "boad2.csv"), WatchChange::kAdded);
  const auto notices = watch.observe({row("A1", "田中", "出社")}, kBoard);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].name, "田中");
  EXPECT_TRUE(watch.isWatched("A1", "boad2.csv"));
  EXPECT_FALSE(watch.isWatched("A1", kBoard));
}

TEST(ReturnWatch, TwentyAtMostAndTheSecondChoiceStopsTheWatch) {
  ReturnWatch watch;
  for (int i = 0; i < 20; ++i) ASSERT_EQ(watch.toggle("M" + std::to_string(i), "", kBoard), WatchChange::kAdded);
  EXPECT_EQ(watch.toggle("M20", "", kBoard), WatchChange::kFull);
  EXPECT_EQ(watch.ids().size(), 20u);
  EXPECT_FALSE(watch.isWatched("M20", kBoard));
  EXPECT_EQ(watch.toggle("m5", "", kBoard), WatchChange::kRemoved);
  EXPECT_EQ(watch.toggle("M20", "", kBoard), WatchChange::kAdded);
  EXPECT_EQ(watch.ids().back(), "M20");
  EXPECT_EQ(watch.toggle("", "", kBoard), WatchChange::kNotStorable);
  watch.toggle("M20", "", kBoard);
  EXPECT_EQ(watch.toggle("a,b", "", kBoard), WatchChange::kNotStorable);
  EXPECT_EQ(watch.toggle("a\nb", "", kBoard), WatchChange::kNotStorable);
  EXPECT_EQ(watch.ids().size(), 19u);
}

TEST(ReturnWatch, RestoredIdsTakeTheFirstLoadAsWhatCountsAsUnchanged) {
  ReturnWatch watch;
  std::vector<std::string> stored = {"A1", "a1", "", "x,y"};
  for (int i = 0; i < 30; ++i) stored.push_back("M" + std::to_string(i));
  watch.restore(stored);
  ASSERT_EQ(watch.ids().size(), 20u) << "doubles, empty and unstorable IDs are left out; twenty at most";
  EXPECT_EQ(watch.ids()[0], "A1");
  EXPECT_EQ(watch.ids()[1], "M0");
  EXPECT_TRUE(watch.observe({row("A1", "田中", "会議")}, kBoard).empty()) << "nothing was seen before the first load";
  EXPECT_EQ(watch.observe({row("A1", "田中", "出社")}, kBoard).size(), 1u);
}

// ------------------------------------------- the loads and the row menu

TEST(ReturnWatchCommand, TheItemFollowsTheSelectedRowAndLoadsLeaveNoticesForTheShell) {
  BoardFixture f;
  RecordingUi ui;
  f.writeBoard(boardBytes(1, {"A1,0,田中,会議,,,,,,,", "B2,0,鈴木,外出,,,,,,,"}, ""));
  ASSERT_TRUE(loadBoard(f.list, f.app));
  EXPECT_FALSE(watchItemState(f.list, f.app).enabled) << "no row selected";
  toggleReturnWatch(f.list, f.app, ui);
  EXPECT_TRUE(f.app.returnWatch.ids().empty());
  const int b2 = f.list.findId("B2");
  f.list.rows[static_cast<std::size_t>(b2)].selected = true;
  toggleReturnWatch(f.list, f.app, ui);
  EXPECT_TRUE(watchItemState(f.list, f.app).checked);
  EXPECT_EQ(f.app.local.returnWatchIds, std::vector<std::string>({"B2"})) << "WaboM.ini's list follows";

  f.writeBoard(boardBytes(2, {"A1,0,田中,出社,,,,,,,", "B2,0,鈴木,外出,,,,,,,"}, ""));
  ASSERT_TRUE(loadBoard(f.list, f.app));
  EXPECT_TRUE(f.app.returnNotices.empty()) << "A1 is not watched";
  f.writeBoard(boardBytes(3, {"A1,0,田中,出社,,,,,,,", "B2,0,鈴木,出社,,,,,,,"}, ""));
  ASSERT_TRUE(loadBoard(f.list, f.app));
  ASSERT_EQ(f.app.returnNotices.size(), 1u);
  EXPECT_EQ(returnNoticeText(f.app.returnNotices[0]), "鈴木さんの行き先が「出社」になりました");
  EXPECT_TRUE(f.app.local.returnWatchIds.empty()) << "the check is cleared";
  EXPECT_TRUE(ui.warnings.empty());
}

TEST(ReturnWatchCommand, AFullListIsToldAndChangesNothing) {
  BoardFixture f;
  RecordingUi ui;
  f.writeBoard(boardBytes(1, {"Z9,0,新人,会議,,,,,,,"}, ""));
  ASSERT_TRUE(loadBoard(f.list, f.app));
  for (int i = 0; i < 20; ++i) f.app.returnWatch.toggle("M" + std::to_string(i), "", kBoard);
  f.list.rows[0].selected = true;
  toggleReturnWatch(f.list, f.app, ui);
  EXPECT_EQ(ui.warnings, std::vector<std::string>({msg::kWatchListFull}));
  EXPECT_FALSE(watchItemState(f.list, f.app).checked);
  EXPECT_EQ(f.app.local.returnWatchIds.size(), 20u);
}

}  // namespace
