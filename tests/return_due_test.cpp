// Overdue return times: which texts name a time, the day the time is on, the
// in-office word, the colour an overdue row is drawn in, and the tip that
// shows a whole row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/overdue_rows.h"
#include "app/row_tip.h"
#include "board/board_state.h"
#include "board/return_due.h"
#include "tests/fake_member_list.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

std::tm at(int year, int month, int day, int hour, int minute) {
  std::tm t{};
  t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day, t.tm_hour = hour, t.tm_min = minute;
  return t;
}

const std::tm kNow = at(2026, 12, 7, 15, 10);  // a Monday afternoon
constexpr char kToday[] = "2026/12/07 09:00";

bool overdue(const std::string& returnTime, const std::string& writeTime = kToday, const std::tm& now = kNow,
             const std::string& destination = "会議") {
  return isOverdue({destination, returnTime, writeTime}, "出社", now);
}

}  // namespace

TEST(ReturnTimeText, EveryAcceptedFormGivesItsMinutes) {
  const std::vector<std::pair<std::string, int>> forms = {
      {"15:00", 900},        {"9:30", 570},        {"09:30", 570},     {"15時", 900},       {"15時30分", 930},
      {"15時5分", 905},      {"15時半", 930},      {"0:00", 0},        {"23:59", 1439},    {"24:00", 1440},
      {"１５：００", 900},   {"１５:３０", 930},   {"９時半", 570},    {"１５時３０分", 930}, {"15:00頃", 900},
      {"15時ごろ", 900},     {"15時半予定", 930},  {"17:00まで", 1020}, {" 15:00 ", 900},   {"　１５時　", 900},
  };
  for (const auto& [text, minutes] : forms) EXPECT_EQ(returnTimeMinutes(text), minutes) << text;
}

TEST(ReturnTimeText, WordsDatesAndTimesWithMoreAroundThemAreNoTimes) {
  for (const char* text :
       {"", "明日", "未定", "直帰", "12/8", "12月8日", "12/8 15:00", "明日15:00", "15:00-16:00", "15:00頃予定",
        "15", "１５", "15:", "15:0", "15:000", "9:5", "25:00", "24:30", "15:60", "15時60分", "15時30", "15時半分",
        "時", ":30", "150:00", "15：00ごろ頃", "午後3時", "3pm", "15.00", "-1:00", "15:00 まで"})
    EXPECT_EQ(returnTimeMinutes(text), -1) << text;
  EXPECT_EQ(returnTimeMinutes(std::string(100, ' ') + "15:00"), -1) << "a long field is not read as a time";
}

TEST(WriteTimeDay, OnlyTheProgramsOwnStampIsADay) {
  long day = 0;
  ASSERT_TRUE(writeTimeDay("1970/01/02 00:00", day));
  EXPECT_EQ(day, 1);
  ASSERT_TRUE(writeTimeDay("2024/02/29 23:59", day));
  EXPECT_EQ(day, dayNumberOf(2024, 3, 1) - 1);
  for (const char* text : {"", "2026/12/07", "2026/12/07 9:00", "2026-12-07 09:00", "2026/13/01 09:00",
                           "2026/02/29 09:00", "2026/04/31 09:00", "2026/12/00 09:00", "2026/12/07 24:00",
                           "2026/12/07 09:60", "2026/12/07 09:00x", "２０２６/12/07 09:00"})
    EXPECT_FALSE(writeTimeDay(text, day)) << text;
}

TEST(Overdue, ATimeIsOverdueFromTheMinuteAfterItOnTheDayItWasWritten) {
  EXPECT_TRUE(overdue("15:00"));
  EXPECT_TRUE(overdue("15:09"));
  EXPECT_FALSE(overdue("15:10")) << "the current minute has not passed yet";
  EXPECT_FALSE(overdue("16時"));
  EXPECT_TRUE(overdue("１５時ごろ"));
  // Written yesterday: yesterday's 15:00, and even 23:00, is behind us this morning.
  EXPECT_TRUE(overdue("15:00", "2026/12/06 14:00", at(2026, 12, 7, 8, 0)));
  EXPECT_TRUE(overdue("23:00", "2026/12/06 14:00", at(2026, 12, 7, 8, 0)));
  EXPECT_FALSE(overdue("15:00", "2026/12/07 14:00", at(2026, 12, 7, 8, 0)));
  // Across a month's and a year's end.
  EXPECT_TRUE(overdue("18:00", "2026/12/31 12:00", at(2027, 1, 1, 0, 5)));
  EXPECT_FALSE(overdue("18:00", "2026/12/31 12:00", at(2026, 12, 31, 17, 59)));
  // Written tomorrow (a PC with a clock ahead): not yet due today.
  EXPECT_FALSE(overdue("9:00", "2026/12/08 08:00"));
}

TEST(Overdue, MidnightAtEitherEndOfTheDay) {
  EXPECT_FALSE(overdue("0:00", "2026/12/07 00:00", at(2026, 12, 7, 0, 0)));
  EXPECT_TRUE(overdue("0:00", "2026/12/07 00:00", at(2026, 12, 7, 0, 1)));
  EXPECT_FALSE(overdue("24:00", kToday, at(2026, 12, 7, 23, 59)));
  EXPECT_FALSE(overdue("24:00", kToday, at(2026, 12, 8, 0, 0))) << "24:00 is the next day's first minute";
  EXPECT_TRUE(overdue("24:00", kToday, at(2026, 12, 8, 0, 1)));
}

TEST(Overdue, AWriteTimeThatCannotBeReadCountsAsToday) {
  for (const char* writeTime : {"", "昨日", "2026/12/06", "2026/02/30 10:00"}) {
    EXPECT_TRUE(overdue("15:00", writeTime)) << writeTime;
    EXPECT_FALSE(overdue("16:00", writeTime)) << writeTime;
  }
}

TEST(Overdue, TheInOfficeWordAndWordsThatAreNoTimesAreNeverOverdue) {
  EXPECT_FALSE(overdue("9:00", kToday, kNow, "出社"));
  EXPECT_TRUE(overdue("9:00", kToday, kNow, "出社中")) << "only the whole word";
  EXPECT_TRUE(overdue("9:00", kToday, kNow, "帰宅")) << "the second quick-input word is a destination like any";
  for (const char* text : {"明日", "未定", "直帰", "12/8", ""}) EXPECT_FALSE(overdue(text, "2026/01/01 09:00")) << text;
  // An empty in-office word exempts nobody, not even an empty destination.
  EXPECT_TRUE(isOverdue({"", "9:00", kToday}, "", kNow));
}

TEST(Overdue, RowsOfTheListAreJudgedByTheirOwnTexts) {
  FakeMemberList list;
  list.addRow({"A01", "安藤", "外出", "15:00", kToday});
  list.addRow({"B02", "坂本", "外出", "17:00", kToday});
  list.addRow({"C03", "千葉", "出社", "9:00", kToday});
  std::vector<bool> marked;
  for (int row = 0; row < list.rowCount(); ++row) marked.push_back(rowIsOverdue(list, row, "出社", kNow));
  EXPECT_EQ(marked, std::vector<bool>({true, false, false}));
  EXPECT_FALSE(rowIsOverdue(list, 3, "出社", kNow)) << "a row that is not there";
}

TEST(OverdueColour, ReadsOnTheDefaultAndOnOwnBackgrounds) {
  const std::int32_t white = 0xFFFFFF, defaultBackground = 16056319, black = 0, navy = 0x800000,
                     connected = 13697023, notConnected = 14737632, red = 0x0000FF, grey = 0x808080;
  for (std::int32_t background : {white, defaultBackground, black, navy, connected, notConnected, red, grey}) {
    const std::int32_t colour = overdueTextColour(background);
    EXPECT_GE(contrastRatio(colour, background), 4.5) << std::hex << background;
  }
  EXPECT_EQ(overdueTextColour(defaultBackground), 0x0000B0) << "a dark red on the light default";
  const std::int32_t onBlack = overdueTextColour(black);
  EXPECT_GT(onBlack & 0xFF, (onBlack >> 8) & 0xFF) << "still a red on black";
  EXPECT_NEAR(contrastRatio(white, black), 21.0, 0.01);
  EXPECT_DOUBLE_EQ(contrastRatio(grey, grey), 1.0);
}

TEST(RowTip, TheWholeRowUnderTheBoardsColumnNamesAndNothingForAnEmptyRow) {
  FakeMemberList list;
  const std::string note(98, 'n');
  list.addRow({"A01", "安藤", "本社", "15:00", kToday, "090", note, "", "予定表ソ"});
  list.addRow({"B02", "坂本", "", "", kToday, "090-1", "", "", ""});
  list.addRow({"C03", "千葉", "", "", "", "", "", "", "その他だけ"});
  BoardState board;
  board.columnNames[1] = "所在";
  EXPECT_EQ(rowTipText(list, 0, board.columnNames),
            "安藤\r\n所在：本社\r\n戻り予定：15:00\r\n連絡事項：" + note + "\r\nその他：予定表ソ");
  EXPECT_EQ(rowTipText(list, 1, board.columnNames), "") << "mobile and write time alone make no tip";
  EXPECT_EQ(rowTipText(list, 2, board.columnNames), "千葉\r\nその他：その他だけ");
  EXPECT_EQ(rowTipText(list, -1, board.columnNames) + rowTipText(list, 3, board.columnNames), "");
}
