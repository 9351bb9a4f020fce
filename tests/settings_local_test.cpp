#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/local_settings.h"
#include "settings_test_files.h"

using namespace wabo;
using wabo::testing::readBytes;
using wabo::testing::TempFolder;
using wabo::testing::writeBytes;

namespace {

const char kDefaultFile[] =
    "[表示位置]\r\n"
    "119,135,648,338\r\n"
    "[ｶﾗﾑｻｲｽﾞ]\r\n"
    "70,70,70,70,105,90,150,150,-1,0\r\n"
    "70,70,70,70,105,90,150,150,-1,0\r\n"
    "70,70,70,70,105,90,150,150,-1,0\r\n"
    "70,70,70,70,105,90,150,150,-1,0\r\n"
    "70,70,70,70,105,90,150,150,-1,0\r\n"
    "[列順]\r\n"
    "0,1,2,3,4,5,6,7,8,9\r\n"
    "0,1,2,3,4,5,6,7,8,9\r\n"
    "0,1,2,3,4,5,6,7,8,9\r\n"
    "0,1,2,3,4,5,6,7,8,9\r\n"
    "0,1,2,3,4,5,6,7,8,9\r\n"
    "[自分のID]\r\n"
    "\r\n"
    "[選択ﾎﾞｰﾄﾞ]\r\n"
    "1\r\n"
    "[ｸｲｯｸ入力設定]\r\n"
    "出社\r\n"
    "帰宅\r\n"
    "[Wabo.iniﾌｧｲﾙの位置]\r\n"
    "\r\n"
    "[その他]\r\n"
    "0,0,0,0,0,1,16056319,0,10,1,16,12,0,13697023,14737632\r\n";

}  // namespace

TEST(LocalSettingsFile, DefaultsAreWrittenByteForByte) {
  TempFolder folder;
  LocalSettings settings;
  ASSERT_TRUE(writeLocalSettingsFile(settings, folder / "WaboM.ini"));
  EXPECT_EQ(readBytes(folder / "WaboM.ini"), kDefaultFile);
}

namespace {

// Every value different from its default, texts with double-byte characters
// whose second byte is '\' (表, ソ).
LocalSettings unusualSettings() {
  LocalSettings s;
  s.windowLeft = -32000;
  s.windowTop = 7;
  s.windowWidth = 1024;
  s.windowHeight = INT_MAX;
  for (int board = 0; board < kBoardCount; ++board) {
    for (int column = 0; column < kColumnCount; ++column) {
      s.columnWidths[board][column] = board * 100 + column * 3 - 1;
      s.columnOrder[board][column] = (column + board + 1) % kColumnCount;
    }
  }
  s.userId = "表ソ01";
  s.selectedBoard = 4;
  s.quickInputWord1 = "在宅";
  s.quickInputWord2 = "外出ソ";
  s.sharedSettingsFolder = "\\\\srv\\共有\\表";
  s.sortKeys = {19, 10, 9, 0, 13};
  s.showGridLines = 0;
  s.backgroundColour = -1;
  s.textColour = INT_MIN;
  s.autoUpdateMinutes = 0;
  s.showIcons = 0;
  s.rowHeight = 24;
  s.fontSize = -14;
  s.autoPcSearch = 1;
  s.connectedColour = 255;
  s.notConnectedColour = 65280;
  return s;
}

void expectSameFileValues(const LocalSettings& a, const LocalSettings& b) {
  EXPECT_EQ(a.windowLeft, b.windowLeft);
  EXPECT_EQ(a.windowTop, b.windowTop);
  EXPECT_EQ(a.windowWidth, b.windowWidth);
  EXPECT_EQ(a.windowHeight, b.windowHeight);
  EXPECT_EQ(a.columnWidths, b.columnWidths);
  EXPECT_EQ(a.columnOrder, b.columnOrder);
  EXPECT_EQ(a.userId, b.userId);
  EXPECT_EQ(a.selectedBoard, b.selectedBoard);
  EXPECT_EQ(a.quickInputWord1, b.quickInputWord1);
  EXPECT_EQ(a.quickInputWord2, b.quickInputWord2);
  EXPECT_EQ(a.sharedSettingsFolder, b.sharedSettingsFolder);
  EXPECT_EQ(a.sortKeys, b.sortKeys);
  EXPECT_EQ(a.showGridLines, b.showGridLines);
  EXPECT_EQ(a.backgroundColour, b.backgroundColour);
  EXPECT_EQ(a.textColour, b.textColour);
  EXPECT_EQ(a.autoUpdateMinutes, b.autoUpdateMinutes);
  EXPECT_EQ(a.showIcons, b.showIcons);
  EXPECT_EQ(a.rowHeight, b.rowHeight);
  EXPECT_EQ(a.fontSize, b.fontSize);
  EXPECT_EQ(a.autoPcSearch, b.autoPcSearch);
  EXPECT_EQ(a.connectedColour, b.connectedColour);
  EXPECT_EQ(a.notConnectedColour, b.notConnectedColour);
}

// `file` with line `number` (1-based) replaced.
std::string withLine(const std::string& file, int number, const std::string& replacement) {
  std::size_t begin = 0;
  for (int i = 1; i < number; ++i) begin = file.find("\r\n", begin) + 2;
  std::size_t end = file.find("\r\n", begin);
  return file.substr(0, begin) + replacement + file.substr(end);
}

std::string defaultFileWithLine(int number, const std::string& replacement) {
  return withLine(kDefaultFile, number, replacement);
}

}  // namespace

TEST(LocalSettingsFile, EveryValueSurvivesARoundTrip) {
  TempFolder folder;
  const LocalSettings written = unusualSettings();
  ASSERT_TRUE(writeLocalSettingsFile(written, folder / "WaboM.ini"));
  LocalSettings read;
  ASSERT_TRUE(readLocalSettingsFile(read, folder / "WaboM.ini"));
  expectSameFileValues(read, written);

  // The bytes are the program's own layout: 25 lines, each ending in CR LF.
  const std::string bytes = readBytes(folder / "WaboM.ini");
  int lines = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 25);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_NE(bytes.find("\r\n-32000,7,1024,2147483647\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n19,10,9,0,13,0,-1,-2147483648,0,0,24,-14,1,255,65280\r\n"), std::string::npos);
}

TEST(LocalSettingsFile, EmptyUserIdAndFolderLinesReadBackEmpty) {
  TempFolder folder;
  LocalSettings written;
  written.userId = "";
  written.sharedSettingsFolder = "";
  written.quickInputWord2 = "";
  written.selectedBoard = 3;
  ASSERT_TRUE(writeLocalSettingsFile(written, folder / "WaboM.ini"));

  LocalSettings read;
  read.userId = "someone";
  read.sharedSettingsFolder = "X:\\old";
  ASSERT_TRUE(readLocalSettingsFile(read, folder / "WaboM.ini"));
  EXPECT_EQ(read.userId, "");
  EXPECT_EQ(read.sharedSettingsFolder, "");
  EXPECT_EQ(read.quickInputWord1, "出社");
  EXPECT_EQ(read.quickInputWord2, "");
  // The lines after the empty ones are still in their places.
  EXPECT_EQ(read.selectedBoard, 3);
  EXPECT_EQ(read.connectedColour, 13697023);
}

TEST(LocalSettingsFile, LongTextLinesAreCutWithoutShiftingTheLinesAfterThem) {
  TempFolder folder;
  // userId of 32 bytes, the folder of 300 bytes.
  std::string withBoth = defaultFileWithLine(16, std::string(28, 'u') + "表ソ");
  withBoth = withLine(withBoth, 23, std::string(300, 'f'));
  writeBytes(folder / "WaboM.ini", withBoth);
  LocalSettings read;
  ASSERT_TRUE(readLocalSettingsFile(read, folder / "WaboM.ini"));
  EXPECT_EQ(read.userId, std::string(28, 'u'));  // 表 would not fit whole
  EXPECT_EQ(read.selectedBoard, 1);
  EXPECT_EQ(read.quickInputWord1, "出社");
  EXPECT_EQ(read.sharedSettingsFolder, std::string(255, 'f'));
  EXPECT_EQ(read.fontSize, 12);
  EXPECT_EQ(read.notConnectedColour, 14737632);

  writeBytes(folder / "q.ini", defaultFileWithLine(20, std::string(40, 'q')));
  LocalSettings quick;
  ASSERT_TRUE(readLocalSettingsFile(quick, folder / "q.ini"));
  EXPECT_EQ(quick.quickInputWord1, std::string(29, 'q'));
  EXPECT_EQ(quick.quickInputWord2, "帰宅");
  EXPECT_EQ(quick.sharedSettingsFolder, "");
}

TEST(LocalSettingsFile, AFileThatEndsEarlyKeepsTheDefaultsOfEverythingNotRead) {
  TempFolder folder;
  const LocalSettings written = unusualSettings();
  ASSERT_TRUE(writeLocalSettingsFile(written, folder / "full.ini"));
  const std::string bytes = readBytes(folder / "full.ini");

  // Cut after line 16 (userId): the user ID is read, the rest keeps defaults.
  std::size_t at = 0;
  for (int i = 0; i < 16; ++i) at = bytes.find("\r\n", at) + 2;
  writeBytes(folder / "cut.ini", bytes.substr(0, at));
  LocalSettings read;
  ASSERT_TRUE(readLocalSettingsFile(read, folder / "cut.ini"));
  EXPECT_EQ(read.windowLeft, -32000);
  EXPECT_EQ(read.columnOrder, written.columnOrder);
  EXPECT_EQ(read.userId, "表ソ01");
  EXPECT_EQ(read.selectedBoard, 1);
  EXPECT_EQ(read.quickInputWord1, "出社");
  EXPECT_EQ(read.quickInputWord2, "帰宅");
  EXPECT_EQ(read.sharedSettingsFolder, "");
  EXPECT_EQ(read.sortKeys, (std::array<int, kBoardCount>{}));
  EXPECT_EQ(read.autoUpdateMinutes, 10);

  // Cut in the middle of line 25: the values before the cut are taken.
  std::size_t lastLine = bytes.rfind("[その他]\r\n") + std::string("[その他]\r\n").size();
  writeBytes(folder / "mid.ini", bytes.substr(0, lastLine + std::string("19,10,9,0,13,0,-1,").size()));
  LocalSettings mid;
  ASSERT_TRUE(readLocalSettingsFile(mid, folder / "mid.ini"));
  EXPECT_EQ(mid.sortKeys, written.sortKeys);
  EXPECT_EQ(mid.showGridLines, 0);
  EXPECT_EQ(mid.backgroundColour, -1);
  EXPECT_EQ(mid.textColour, 0);
  EXPECT_EQ(mid.autoUpdateMinutes, 10);
  EXPECT_EQ(mid.notConnectedColour, 14737632);

  // A cut in the middle of a text line takes the bytes that are there.
  std::size_t folderLine = bytes.find("\\\\srv");
  writeBytes(folder / "text.ini", bytes.substr(0, folderLine + 5));
  LocalSettings text;
  ASSERT_TRUE(readLocalSettingsFile(text, folder / "text.ini"));
  EXPECT_EQ(text.sharedSettingsFolder, "\\\\srv");
  EXPECT_EQ(text.quickInputWord2, "外出ソ");

  // An empty file changes nothing.
  writeBytes(folder / "empty.ini", "");
  LocalSettings empty;
  ASSERT_TRUE(readLocalSettingsFile(empty, folder / "empty.ini"));
  expectSameFileValues(empty, LocalSettings());
}

TEST(LocalSettingsFile, FieldsThatDoNotScanKeepTheirValueAndReadingGoesOnByPosition) {
  TempFolder folder;
  // Line 2 breaks at its second field: left is taken, the rest keep defaults.
  writeBytes(folder / "a.ini", defaultFileWithLine(2, "5,x,7,8"));
  LocalSettings a;
  ASSERT_TRUE(readLocalSettingsFile(a, folder / "a.ini"));
  EXPECT_EQ(a.windowLeft, 5);
  EXPECT_EQ(a.windowTop, 135);
  EXPECT_EQ(a.windowWidth, 648);
  EXPECT_EQ(a.windowHeight, 338);

  // A width that does not scan: each column is its own scan, so the same
  // junk stops every following width of every board, and the header skip
  // then eats into the junk line.
  writeBytes(folder / "b.ini", defaultFileWithLine(4, "71,abc,73,74,105,90,150,150,-1,0"));
  LocalSettings b;
  ASSERT_TRUE(readLocalSettingsFile(b, folder / "b.ini"));
  EXPECT_EQ(b.columnWidths[0][0], 71);
  EXPECT_EQ(b.columnWidths[0][1], 70);
  EXPECT_EQ(b.columnWidths[4], kDefaultColumnWidths);
  // The order rows then start reading in the middle of the widths; rows that
  // are no arrangement of the ten columns fall back to the default order.
  for (const auto& order : b.columnOrder) {
    std::array<bool, kColumnCount> seen{};
    for (int column : order) {
      ASSERT_GE(column, 0);
      ASSERT_LT(column, kColumnCount);
      seen[column] = true;
    }
    EXPECT_EQ(seen, (std::array<bool, kColumnCount>{true, true, true, true, true, true, true, true, true, true}));
  }
  EXPECT_GE(b.selectedBoard, 1);
  EXPECT_LE(b.selectedBoard, kBoardCount);

  // Exactly two bytes follow each order row, whatever they are.
  writeBytes(folder / "d.ini", withLine(defaultFileWithLine(10, "9,8,7,6,5,4,3,2,1,0xy"), 11, "1,0,2,3,4,5,6,7,8,9"));
  LocalSettings d;
  ASSERT_TRUE(readLocalSettingsFile(d, folder / "d.ini"));
  EXPECT_EQ(d.columnOrder[0], (ColumnOrder{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(d.columnOrder[1], (ColumnOrder{1, 0, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(d.columnOrder[2], kDefaultColumnOrder);
  EXPECT_EQ(d.userId, "");

  // A file shifted by one line (an extra line at the top) assigns values to
  // the wrong settings but never out of range.
  writeBytes(folder / "c.ini", std::string("extra\r\n") + kDefaultFile);
  LocalSettings c;
  ASSERT_TRUE(readLocalSettingsFile(c, folder / "c.ini"));
  EXPECT_GE(c.selectedBoard, 1);
  EXPECT_LE(c.selectedBoard, kBoardCount);
  for (int key : c.sortKeys) EXPECT_TRUE(key >= 0 && key <= 19) << key;
}

TEST(LocalSettingsFile, ValuesThatIndexSomethingAreBroughtIntoRange) {
  TempFolder folder;
  struct Case {
    std::string board;
    int expected;
  } boards[] = {{"0", 1}, {"6", 1}, {"-3", 1}, {"99999999999", 1}, {"5", 5}, {"2", 2}};
  for (const Case& c : boards) {
    writeBytes(folder / "b.ini", defaultFileWithLine(18, c.board));
    LocalSettings read;
    ASSERT_TRUE(readLocalSettingsFile(read, folder / "b.ini"));
    EXPECT_EQ(read.selectedBoard, c.expected) << c.board;
  }

  writeBytes(folder / "k.ini",
             defaultFileWithLine(25, "-1,20,19,10,99999999999,1,16056319,0,10,1,16,12,0,13697023,14737632"));
  LocalSettings keys;
  ASSERT_TRUE(readLocalSettingsFile(keys, folder / "k.ini"));
  EXPECT_EQ(keys.sortKeys, (std::array<int, kBoardCount>{0, 0, 19, 10, 0}));

  // Orders with a repeated, negative or too large column fall back to the
  // default order; a real rearrangement is kept.
  std::string file = defaultFileWithLine(10, "0,1,2,3,4,5,6,7,8,8");
  file = withLine(file, 11, "9,8,7,6,5,4,3,2,1,0");
  file = withLine(file, 12, "0,1,2,3,4,5,6,7,8,10");
  file = withLine(file, 13, "-1,1,2,3,4,5,6,7,8,9");
  writeBytes(folder / "o.ini", file);
  LocalSettings orders;
  orders.columnOrder[0] = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9};
  ASSERT_TRUE(readLocalSettingsFile(orders, folder / "o.ini"));
  EXPECT_EQ(orders.columnOrder[0], kDefaultColumnOrder);
  EXPECT_EQ(orders.columnOrder[1], (ColumnOrder{9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(orders.columnOrder[2], kDefaultColumnOrder);
  EXPECT_EQ(orders.columnOrder[3], kDefaultColumnOrder);
  EXPECT_EQ(orders.columnOrder[4], kDefaultColumnOrder);
  // The widths, colours and sizes are taken as read.
  writeBytes(folder / "w.ini", defaultFileWithLine(25, "0,0,0,0,0,7,-5,99999999999,-3,2,-16,0,5,-9,-2147483648"));
  LocalSettings odd;
  ASSERT_TRUE(readLocalSettingsFile(odd, folder / "w.ini"));
  EXPECT_EQ(odd.showGridLines, 7);
  EXPECT_EQ(odd.backgroundColour, -5);
  EXPECT_EQ(odd.textColour, INT_MAX);
  EXPECT_EQ(odd.autoUpdateMinutes, -3);
  EXPECT_EQ(odd.rowHeight, -16);
  EXPECT_EQ(odd.fontSize, 0);
  EXPECT_EQ(odd.notConnectedColour, INT_MIN);
}
