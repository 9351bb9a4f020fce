#include <gtest/gtest.h>

#include <string>

#include "settings/shared_settings.h"
#include "settings_test_files.h"

using namespace wabo;
using wabo::testing::exists;
using wabo::testing::readBytes;
using wabo::testing::TempFolder;
using wabo::testing::writeBytes;

namespace {

std::string expectedDefaultFile(const std::string& programFolder) {
  std::string file = "[ﾎﾞｰﾄﾞ1]\r\nﾎﾞｰﾄﾞ1\r\n" + programFolder + "\\boad1.csv\r\n"
                     "[ﾎﾞｰﾄﾞ2]\r\nﾎﾞｰﾄﾞ2\r\n" + programFolder + "\\boad2.csv\r\n"
                     "[ﾎﾞｰﾄﾞ3]\r\nﾎﾞｰﾄﾞ3\r\n\r\n"
                     "[ﾎﾞｰﾄﾞ4]\r\nﾎﾞｰﾄﾞ4\r\n\r\n"
                     "[ﾎﾞｰﾄﾞ5]\r\nﾎﾞｰﾄﾞ5\r\n\r\n"
                     "[ﾒｰﾙﾌｫﾙﾀﾞ]\r\n\r\n"
                     "[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n1\r\n"
                     "[起動時ID入力設定]\r\n0\r\n"
                     "[PC接続ｻｰﾁ許可]\r\n1\r\n"
                     "[行き先ﾘｽﾄ]\r\n事務所\r\n会議室\r\n出張\r\n休み\r\n";
  for (int slot = 5; slot <= kDestinationSlots; ++slot) file += "\r\n";
  return file;
}

SharedSettings fiveBoards() {
  SharedSettings s;
  s.boardNames = {"営業部", "総務ソ", "表", "D", "第5"};
  s.boardPaths = {"\\\\srv\\b\\1.csv", "Z:\\表\\2.csv", "", "C:\\4.csv", ""};
  s.mailFolder = "\\\\srv\\mail";
  s.backupEnabled = 0;
  s.askUserIdAtStart = 1;
  s.pcSearchAllowed = 0;
  s.destinationList = {};
  s.destinationList[0] = "外出";
  s.destinationList[3] = "本社";
  s.destinationList[19] = "最後";
  return s;
}

}  // namespace

TEST(SharedSettingsFile, DefaultsAreWrittenAsFortyFourLinesByteForByte) {
  TempFolder folder;
  SharedSettings settings;
  setDefaultBoardPaths(settings, "C:\\wabo");
  ASSERT_TRUE(saveSharedSettings(settings, folder / "Wabo.ini"));
  const std::string bytes = readBytes(folder / "Wabo.ini");
  EXPECT_EQ(bytes, expectedDefaultFile("C:\\wabo"));
  int lines = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, 44);
  // The headers in their Shift-JIS bytes: ﾎﾞｰﾄﾞ is half-width katakana.
  EXPECT_EQ(bytes.substr(0, 10), "[\xce\xde\xb0\xc4\xde" "1]\r\n");
}

TEST(SharedSettingsFile, FiveBoardsWithEmptySlotsSurviveARoundTrip) {
  TempFolder folder;
  const SharedSettings written = fiveBoards();
  ASSERT_TRUE(saveSharedSettings(written, folder / "Wabo.ini"));

  SharedSettings read;
  setDefaultBoardPaths(read, "C:\\wabo");
  loadSharedSettings(read, folder / "Wabo.ini");
  EXPECT_EQ(read.boardNames, written.boardNames);
  // Empty path lines replace the start-up defaults: those boards have no file.
  EXPECT_EQ(read.boardPaths, written.boardPaths);
  EXPECT_EQ(read.mailFolder, "\\\\srv\\mail");
  EXPECT_EQ(read.backupEnabled, 0);
  EXPECT_EQ(read.askUserIdAtStart, 1);
  EXPECT_EQ(read.pcSearchAllowed, 0);
  // Slot by slot, the empty ones included and kept in their places.
  EXPECT_EQ(read.destinationList, written.destinationList);
  EXPECT_EQ(read.destinationList[1], "");
  EXPECT_EQ(read.destinationList[3], "本社");
}

TEST(SharedSettingsFile, AFileWithOnlyTwoBoardPathsLeavesThreeBoardsWithoutAFile) {
  TempFolder folder;
  const std::string file =
      "[ﾎﾞｰﾄﾞ1]\r\n一階\r\nC:\\a.csv\r\n[ﾎﾞｰﾄﾞ2]\r\n二階\r\nC:\\b.csv\r\n"
      "[ﾎﾞｰﾄﾞ3]\r\nﾎﾞｰﾄﾞ3\r\n\r\n[ﾎﾞｰﾄﾞ4]\r\nﾎﾞｰﾄﾞ4\r\n\r\n[ﾎﾞｰﾄﾞ5]\r\nﾎﾞｰﾄﾞ5\r\n\r\n"
      "[ﾒｰﾙﾌｫﾙﾀﾞ]\r\nC:\\mail\r\n[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n1\r\n[起動時ID入力設定]\r\n1\r\n[PC接続ｻｰﾁ許可]\r\n1\r\n"
      "[行き先ﾘｽﾄ]\r\n\r\n会議\r\n\r\n\r\n外出\r\n" +
      std::string(15, '\r') + "\n";  // not whole lines: the rest is odd
  writeBytes(folder / "Wabo.ini", file);
  SharedSettings read;
  setDefaultBoardPaths(read, "C:\\wabo");
  read.boardPaths[2] = "C:\\stale.csv";
  loadSharedSettings(read, folder / "Wabo.ini");
  EXPECT_EQ(read.boardNames[0], "一階");
  EXPECT_EQ(read.boardPaths[0], "C:\\a.csv");
  EXPECT_EQ(read.boardPaths[1], "C:\\b.csv");
  EXPECT_EQ(read.boardPaths[2], "");
  EXPECT_EQ(read.boardPaths[3], "");
  EXPECT_EQ(read.boardPaths[4], "");
  EXPECT_EQ(read.askUserIdAtStart, 1);
  EXPECT_EQ(read.destinationList[0], "");
  EXPECT_EQ(read.destinationList[1], "会議");
  EXPECT_EQ(read.destinationList[2], "");
  EXPECT_EQ(read.destinationList[4], "外出");
  // "\r\r" pairs: each CR ends a line and eats the next byte.
  for (int slot = 5; slot < kDestinationSlots; ++slot) EXPECT_EQ(read.destinationList[slot], "") << slot;
}

TEST(SharedSettingsFile, MissingOrEarlyEndingFilesKeepWhatWasNotRead) {
  TempFolder folder;
  SharedSettings untouched;
  setDefaultBoardPaths(untouched, "C:\\wabo");
  SharedSettings missing = untouched;
  loadSharedSettings(missing, folder / "none.ini");
  EXPECT_EQ(missing.boardPaths, untouched.boardPaths);
  EXPECT_EQ(missing.destinationList, untouched.destinationList);
  EXPECT_FALSE(exists(folder / "none.ini"));  // reading creates nothing

  // Cut after the third destination: slots 4..20 keep the defaults.
  const SharedSettings written = fiveBoards();
  ASSERT_TRUE(saveSharedSettings(written, folder / "Wabo.ini"));
  const std::string bytes = readBytes(folder / "Wabo.ini");
  std::size_t at = 0;
  for (int i = 0; i < 27; ++i) at = bytes.find("\r\n", at) + 2;
  writeBytes(folder / "cut.ini", bytes.substr(0, at));
  SharedSettings cut = untouched;
  loadSharedSettings(cut, folder / "cut.ini");
  EXPECT_EQ(cut.pcSearchAllowed, 0);
  EXPECT_EQ(cut.destinationList[0], "外出");
  EXPECT_EQ(cut.destinationList[1], "");
  EXPECT_EQ(cut.destinationList[2], "");
  EXPECT_EQ(cut.destinationList[3], "休み");
  EXPECT_EQ(cut.destinationList[19], "");

  // Cut after board 2's name: its path and everything after keep defaults.
  at = 0;
  for (int i = 0; i < 5; ++i) at = bytes.find("\r\n", at) + 2;
  writeBytes(folder / "early.ini", bytes.substr(0, at));
  SharedSettings early = untouched;
  loadSharedSettings(early, folder / "early.ini");
  EXPECT_EQ(early.boardNames[1], "総務ソ");
  EXPECT_EQ(early.boardPaths[1], "C:\\wabo\\boad2.csv");
  EXPECT_EQ(early.boardNames[2], "ﾎﾞｰﾄﾞ3");
  EXPECT_EQ(early.mailFolder, "");
  EXPECT_EQ(early.backupEnabled, 1);
  EXPECT_EQ(early.destinationList, untouched.destinationList);
}

TEST(SharedSettingsFile, NumericLinesThatDoNotScanKeepTheirDefault) {
  TempFolder folder;
  std::string file = expectedDefaultFile("C:\\w");
  file.replace(file.find("[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n1"), std::string("[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n1").size(),
               "[ﾊﾞｯｸｱｯﾌﾟ設定]\r\nno");
  file.replace(file.find("[起動時ID入力設定]\r\n0"), std::string("[起動時ID入力設定]\r\n0").size(),
               "[起動時ID入力設定]\r\n99999999999");
  writeBytes(folder / "Wabo.ini", file);
  SharedSettings read;
  read.backupEnabled = 1;
  loadSharedSettings(read, folder / "Wabo.ini");
  EXPECT_EQ(read.backupEnabled, 1);
  // The failed scan left "no" in the stream, so the next header skip takes
  // only "no" and the next scan meets a header: the values move down by one
  // line from here on, without resynchronising on the section names.
  EXPECT_EQ(read.askUserIdAtStart, 0);
  EXPECT_EQ(read.pcSearchAllowed, 2147483647);
  EXPECT_EQ(read.destinationList[0], "1");
  EXPECT_EQ(read.destinationList[1], "[行き先ﾘｽﾄ]");
  EXPECT_EQ(read.destinationList[2], "事務所");
  EXPECT_EQ(read.destinationList[19], "");
}

TEST(SharedSettingsFile, LongLinesAreCutToTheirBuffersWithoutShiftingTheRest) {
  TempFolder folder;
  SharedSettings written = fiveBoards();
  const std::string longPath = "\\\\srv\\" + std::string(200, 'p') + "\\表.csv";  // 213 bytes: fits
  written.boardPaths[2] = longPath;
  written.boardPaths[3] = std::string(300, 'q');
  written.boardNames[1] = std::string(27, 'n') + "表";  // 29 bytes: fits
  written.boardNames[4] = std::string(28, 'm') + "表";  // 30 bytes: 表 goes
  written.mailFolder = std::string(254, 'f');
  written.destinationList[5] = std::string(40, 'd');
  ASSERT_TRUE(saveSharedSettings(written, folder / "Wabo.ini"));

  SharedSettings read;
  loadSharedSettings(read, folder / "Wabo.ini");
  EXPECT_EQ(read.boardPaths[2], longPath);
  EXPECT_EQ(read.boardPaths[3], std::string(255, 'q'));
  EXPECT_EQ(read.boardPaths[4], "");
  EXPECT_EQ(read.boardNames[1], written.boardNames[1]);
  EXPECT_EQ(read.boardNames[4], std::string(28, 'm'));
  EXPECT_EQ(read.mailFolder, std::string(254, 'f'));
  EXPECT_EQ(read.backupEnabled, 0);
  EXPECT_EQ(read.pcSearchAllowed, 0);
  EXPECT_EQ(read.destinationList[5], std::string(29, 'd'));
  EXPECT_EQ(read.destinationList[6], "");
  EXPECT_EQ(read.destinationList[19], "最後");
}

TEST(SharedSettingsFile, AHandWrittenFileNamingFiveBoardsGivesEachItsNameAndPath) {
  TempFolder folder;
  const std::string file =
      "[ﾎﾞｰﾄﾞ1]\r\n営業部\r\n\\\\srv\\wabo\\eigyo.csv\r\n"
      "[ﾎﾞｰﾄﾞ2]\r\n総務ソ\r\nZ:\\表\\soumu.csv\r\n"
      "[ﾎﾞｰﾄﾞ3]\r\nDev Team\r\n\r\n"
      "[ﾎﾞｰﾄﾞ4]\r\n\r\nC:\\four.csv\r\n"
      "[ﾎﾞｰﾄﾞ5]\r\n倉庫\r\n\r\n"
      "[ﾒｰﾙﾌｫﾙﾀﾞ]\r\n\\\\srv\\mail\r\n"
      "[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n0\r\n"
      "[起動時ID入力設定]\r\n1\r\n"
      "[PC接続ｻｰﾁ許可]\r\n0\r\n"
      "[行き先ﾘｽﾄ]\r\n";
  std::string bytes = file;
  for (int slot = 0; slot < kDestinationSlots; ++slot) bytes += "\r\n";  // all slots empty
  writeBytes(folder / "Wabo.ini", bytes);

  SharedSettings read;
  setDefaultBoardPaths(read, "C:\\prog");
  loadSharedSettings(read, folder / "Wabo.ini");
  EXPECT_EQ(read.boardNames,
            (std::array<std::string, kBoardCount>{"営業部", "総務ソ", "Dev Team", "", "倉庫"}));
  EXPECT_EQ(read.boardPaths, (std::array<std::string, kBoardCount>{"\\\\srv\\wabo\\eigyo.csv", "Z:\\表\\soumu.csv",
                                                                   "", "C:\\four.csv", ""}));
  EXPECT_EQ(read.mailFolder, "\\\\srv\\mail");
  EXPECT_EQ(read.backupEnabled, 0);
  EXPECT_EQ(read.askUserIdAtStart, 1);
  EXPECT_EQ(read.pcSearchAllowed, 0);
  for (const std::string& slot : read.destinationList) EXPECT_EQ(slot, "");

  // Written again, the file is the same bytes.
  ASSERT_TRUE(saveSharedSettings(read, folder / "again.ini"));
  EXPECT_EQ(readBytes(folder / "again.ini"), bytes);
}
