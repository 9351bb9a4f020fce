// WaboM.ini: the exact layout, the positional reading of good, short, shifted
// and junk files, and the values held beside the file.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <tuple>

#include "settings/local_settings.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

// Every value off its default; texts whose characters end in '\' (表, ソ).
LocalSettings unusual() {
  LocalSettings s;
  s.windowLeft = -32000, s.windowTop = 7, s.windowWidth = 1024, s.windowHeight = INT_MAX;
  for (int b = 0; b < kBoardCount; ++b)
    for (int c = 0; c < kColumnCount; ++c)
      s.columnWidths[b][c] = b * 100 + c * 3 - 1, s.columnOrder[b][c] = (c + b + 1) % kColumnCount;
  s.userId = "表ソ01", s.selectedBoard = 4, s.quickInputWord1 = "在宅", s.quickInputWord2 = "外出ソ";
  s.sharedSettingsFolder = "\\\\srv\\共有\\表", s.sortKeys = {19, 10, 9, 0, 13};
  s.showGridLines = 0, s.backgroundColour = -1, s.textColour = INT_MIN, s.autoUpdateMinutes = 0, s.showIcons = 0;
  s.rowHeight = 24, s.fontSize = -14, s.autoPcSearch = 1, s.connectedColour = 255, s.notConnectedColour = 65280;
  return s;
}

class LocalSettingsFile : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string written(const LocalSettings& s) {
    EXPECT_TRUE(writeLocalSettingsFile(s, folder.file("w.ini")));
    return readFile(folder.file("w.ini"));
  }
  // The default file with lines replaced, by their number from 1. The default file's bytes are the end-to-end
  // scenario's (the exit after a reset writes them).
  LocalSettings withLines(const std::map<int, std::string>& replaced, const LocalSettings& before = LocalSettings()) {
    const std::string defaults = written(LocalSettings());
    std::string file;
    for (int n = 1; n <= 25; ++n)
      file += replaced.count(n) ? replaced.at(n) + "\r\n"
                                : firstLines(defaults, n).substr(firstLines(defaults, n - 1).size());
    return read(file, before);
  }
  LocalSettings read(const std::string& bytes, LocalSettings s = LocalSettings()) {
    writeFile(folder.file("r.ini"), bytes);
    EXPECT_TRUE(readLocalSettingsFile(s, folder.file("r.ini")));
    return s;
  }
};

}  // namespace

TEST_F(LocalSettingsFile, DefaultsAreWrittenByteForByteAndEveryValueSurvivesARoundTrip) {
  const std::string bytes = written(unusual());
  EXPECT_NE(bytes.find("\r\n19,10,9,0,13,0,-1,-2147483648,0,0,24,-14,1,255,65280\r\n"), std::string::npos);
  EXPECT_EQ(written(read(bytes)), bytes);
  // Empty user ID, word and folder lines read back empty, and the lines after them stay in place.
  LocalSettings empty;
  empty.quickInputWord2 = "", empty.selectedBoard = 3;
  LocalSettings back = read(written(empty), unusual());
  EXPECT_EQ(back.userId + back.sharedSettingsFolder + back.quickInputWord2, "");
  EXPECT_EQ(std::make_pair(back.selectedBoard, back.connectedColour), std::make_pair(3, 13697023));
}

TEST_F(LocalSettingsFile, LongTextLinesAreCutWithoutShiftingTheLinesAfterThem) {
  LocalSettings s =
      withLines({{16, std::string(28, 'u') + "表ソ"}, {20, std::string(40, 'q')}, {23, std::string(300, 'f')}});
  EXPECT_EQ(std::tie(s.userId, s.quickInputWord1, s.sharedSettingsFolder),  // 表 would not fit whole
            std::make_tuple(std::string(28, 'u'), std::string(29, 'q'), std::string(255, 'f')));
  EXPECT_EQ(std::tie(s.selectedBoard, s.quickInputWord2, s.notConnectedColour),
            std::make_tuple(1, std::string("帰宅"), 14737632));
}

TEST_F(LocalSettingsFile, AFileThatEndsEarlyKeepsTheDefaultsOfEverythingNotRead) {
  const LocalSettings u = unusual();
  const std::string bytes = written(u);
  LocalSettings cut = read(firstLines(bytes, 16));  // after the user ID
  EXPECT_EQ(std::tie(cut.columnOrder, cut.userId), std::tie(u.columnOrder, u.userId));
  EXPECT_EQ(std::tie(cut.selectedBoard, cut.quickInputWord1, cut.autoUpdateMinutes),
            std::make_tuple(1, std::string("出社"), 10));
  // In the middle of the last line: the values before the cut are taken.
  LocalSettings mid = read(firstLines(bytes, 24) + "19,10,9,0,13,0,-1,");
  EXPECT_EQ(std::tie(mid.sortKeys, mid.backgroundColour, mid.textColour), std::make_tuple(u.sortKeys, -1, 0));
  // In the middle of a text line: the bytes that are there.
  EXPECT_EQ(read(bytes.substr(0, bytes.find("\\\\srv") + 5)).sharedSettingsFolder, "\\\\srv");
}

TEST_F(LocalSettingsFile, FieldsThatDoNotScanKeepTheirValueAndReadingGoesOnByPosition) {
  LocalSettings a = withLines({{2, "5,x,7,8"}});
  EXPECT_EQ(std::tie(a.windowLeft, a.windowTop, a.windowWidth), std::make_tuple(5, 135, 648));
  // Exactly two bytes follow each order row, whatever they are.
  LocalSettings s = withLines({{10, "9,8,7,6,5,4,3,2,1,0xy"}, {11, "1,0,2,3,4,5,6,7,8,9"}});
  EXPECT_EQ(std::tie(s.columnOrder[0], s.columnOrder[1]),
            std::make_tuple(ColumnOrder{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, ColumnOrder{1, 0, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(LocalSettingsFile, ValuesThatIndexSomethingFallBackToTheirDefaults) {
  EXPECT_EQ(withLines({{18, "0"}}).selectedBoard + withLines({{18, "6"}}).selectedBoard, 2);
  EXPECT_EQ(withLines({{25, "-1,20,19,10,99999999999,1,0,0,10,1,16,12,0,0,0"}}).sortKeys,
            (std::array<int, kBoardCount>{0, 0, 19, 10, 0}));
  // Orders with a repeated or too large column fall back; a real rearrangement stays.
  LocalSettings before;
  before.columnOrder[0] = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9};
  LocalSettings orders =
      withLines({{10, "0,1,2,3,4,5,6,7,8,8"}, {11, "9,8,7,6,5,4,3,2,1,0"}, {12, "0,1,2,3,4,5,6,7,8,10"}}, before);
  const ColumnOrder reversed{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, plain = kDefaultColumnOrder;
  EXPECT_EQ(orders.columnOrder, (std::array<ColumnOrder, kBoardCount>{plain, reversed, plain, plain, plain}));
}

TEST(LocalSettingsValues, TheMinutesAndTheWindowRectangleAreTakenBeforeTheSave) {
  LocalSettings s;
  s.autoUpdateEnabled = 1, s.autoUpdateMinutesText = "\r\n 15x";
  takeAutoUpdateMinutes(s);
  EXPECT_EQ(s.autoUpdateMinutes, 15);
  auto rectangle = [&] { return std::vector<int>({s.windowLeft, s.windowTop, s.windowWidth, s.windowHeight}); };
  takeWindowRectangle(s, 10, 20, 810, 620, true);
  EXPECT_EQ(rectangle(), std::vector<int>({10, 20, 800, 600}));
  takeWindowRectangle(s, -32000, -32000, -31840, -31972, false);  // minimised or maximised
  EXPECT_EQ(rectangle(), std::vector<int>({119, 135, 580, 338}));
  takeWindowRectangle(s, INT_MIN, INT_MIN, INT_MAX, INT_MAX, true);  // no overflow
  EXPECT_EQ(s.windowWidth, INT_MAX);
}

// The section added behind the 25 lines: written only when it holds
// something, read back, and invisible to the positional lines before it.
TEST_F(LocalSettingsFile, TheAddedSectionStaysBehindThePositionalLines) {
  const std::string plain = written(unusual());
  EXPECT_EQ(plain.find("[追加設定]"), std::string::npos) << "defaults add nothing to the file";
  LocalSettings sized = unusual();
  sized.historyWindowWidth = 640, sized.historyWindowHeight = 480;
  const std::string bytes = written(sized);
  ASSERT_EQ(bytes.substr(0, plain.size()), plain) << "the 25 lines are the same bytes";
  EXPECT_EQ(bytes.substr(plain.size()), "[追加設定]\r\n変更履歴=640,480\r\n");
  const LocalSettings back = read(bytes);
  EXPECT_EQ(std::make_pair(back.historyWindowWidth, back.historyWindowHeight), std::make_pair(640, 480));
  EXPECT_EQ(written(back), bytes);
  // The positional values are those of the file without the section.
  LocalSettings withoutSection = read(plain);
  withoutSection.historyWindowWidth = 640, withoutSection.historyWindowHeight = 480;
  EXPECT_EQ(written(withoutSection), bytes);
  // Unknown names, bad sizes and a name before the header are passed over.
  const LocalSettings junk = read(plain + "変更履歴=1,1\r\n[追加設定]\r\nx=1\r\n変更履歴=-5,20\r\n変更履歴=99999,1\r\n" +
                                  std::string(5000, 'z') + "\r\n変更履歴=300,200\r\n");
  EXPECT_EQ(std::make_pair(junk.historyWindowWidth, junk.historyWindowHeight), std::make_pair(300, 200));
}

// The marking of overdue rows is on unless the added section says "=0"; the
// 25 positional lines read the same whether the section follows them or not.
TEST_F(LocalSettingsFile, TheOverdueMarkingIsStoredOnlyWhenOffAndLeavesThePositionalLinesAlone) {
  const std::string plain = written(unusual());
  LocalSettings off = unusual();
  off.markOverdueRows = false;
  const std::string bytes = written(off);
  ASSERT_EQ(bytes.substr(0, plain.size()), plain);
  EXPECT_EQ(bytes.substr(plain.size()), "[追加設定]\r\n戻り予定の強調=0\r\n");
  EXPECT_FALSE(read(bytes).markOverdueRows);
  EXPECT_TRUE(read(plain).markOverdueRows) << "a file without the section: on";
  // Read with and without the section, every positional value is the same:
  // written back without the section, the two give the same bytes.
  LocalSettings withSection = read(bytes + "変更履歴=640,480\r\n"), withoutSection = read(plain);
  withSection.markOverdueRows = true, withSection.historyWindowWidth = withSection.historyWindowHeight = 0;
  EXPECT_EQ(written(withSection), written(withoutSection));
  EXPECT_EQ(written(withSection), plain);
  // Only 0 and 1 are read; anything else keeps what was there.
  EXPECT_TRUE(read(plain + "[追加設定]\r\n戻り予定の強調=1\r\n", off).markOverdueRows);
  for (const char* value : {"", "2", "00", "0 ", "off"})
    EXPECT_FALSE(read(plain + "[追加設定]\r\n戻り予定の強調=" + value + "\r\n", off).markOverdueRows) << value;
  EXPECT_TRUE(read(plain + "戻り予定の強調=0\r\n").markOverdueRows) << "before the header it is not the setting";
}

// The watched members' IDs: one line, written only when there are any,
// read back bounded in count and length; IDs the line cannot hold are
// never written.
TEST_F(LocalSettingsFile, TheWatchedMembersAreOneLineOfTheAddedSection) {
  const std::string plain = written(unusual());
  LocalSettings watching = unusual();
  watching.returnWatchIds = {"A1", "田中ソ表", "b,c", "", "d\r\ne", "Z9"};
  const std::string bytes = written(watching);
  ASSERT_EQ(bytes.substr(0, plain.size()), plain);
  EXPECT_EQ(bytes.substr(plain.size()), "[追加設定]\r\n戻ったら知らせる=A1,田中ソ表,Z9\r\n");
  EXPECT_EQ(read(bytes).returnWatchIds, std::vector<std::string>({"A1", "田中ソ表", "Z9"}));
  // Both added lines together, in either order.
  watching.historyWindowWidth = 640, watching.historyWindowHeight = 480;
  const LocalSettings both = read(plain + "[追加設定]\r\n戻ったら知らせる=A1\r\n変更履歴=640,480\r\n");
  EXPECT_EQ(both.returnWatchIds, std::vector<std::string>({"A1"}));
  EXPECT_EQ(both.historyWindowWidth, 640);
  // Twenty IDs of the longest kind fit the line and read back whole.
  LocalSettings full = unusual();
  for (int i = 0; i < 25; ++i) full.returnWatchIds.push_back(std::string(27, 'x') + static_cast<char>('a' + i % 26));
  const LocalSettings fullBack = read(written(full));
  ASSERT_EQ(fullBack.returnWatchIds.size(), 20u);
  EXPECT_EQ(fullBack.returnWatchIds.back(), full.returnWatchIds[19]);
  // A hostile line: empty pieces passed over, long IDs cut in whole
  // characters, the count bounded.
  std::string hostile = plain + "[追加設定]\r\n戻ったら知らせる=,,a,";
  for (int i = 0; i < 40; ++i) hostile += "," + std::string(14, 'x') + "表表";
  const LocalSettings cut = read(hostile + "\r\n");
  ASSERT_EQ(cut.returnWatchIds.size(), 20u);
  EXPECT_EQ(cut.returnWatchIds[0], "a");
  EXPECT_EQ(cut.returnWatchIds[1], std::string(14, 'x') + "表表");
  EXPECT_TRUE(read(plain + "戻ったら知らせる=A1\r\n").returnWatchIds.empty()) << "before the header";
}
