// Wabo.ini: the exact layout, round trips with empty slots, short and long
// lines; and junk in either settings file.
#include <gtest/gtest.h>

#include <random>

#include "common/sjis.h"
#include "settings/local_settings.h"
#include "settings/shared_settings.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

const std::string kDefaultFile =
    "[ﾎﾞｰﾄﾞ1]\r\nﾎﾞｰﾄﾞ1\r\nC:\\wabo\\boad1.csv\r\n[ﾎﾞｰﾄﾞ2]\r\nﾎﾞｰﾄﾞ2\r\nC:\\wabo\\boad2.csv\r\n[ﾎﾞｰﾄﾞ3]\r\nﾎﾞｰﾄﾞ3\r\n\r\n"
    "[ﾎﾞｰﾄﾞ4]\r\nﾎﾞｰﾄﾞ4\r\n\r\n[ﾎﾞｰﾄﾞ5]\r\nﾎﾞｰﾄﾞ5\r\n\r\n[ﾒｰﾙﾌｫﾙﾀﾞ]\r\n\r\n[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n1\r\n[起動時ID入力設定]\r\n0\r\n"
    "[PC接続ｻｰﾁ許可]\r\n1\r\n[行き先ﾘｽﾄ]\r\n事務所\r\n会議室\r\n出張\r\n休み\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";  // 16 empty slots

// Every value off its default; an empty path where the start-up default has one.
SharedSettings fiveBoards() {
  SharedSettings s;
  s.boardNames = {"営業部", "総務ソ", "表", "", "第5"};
  s.boardPaths = {"\\\\srv\\b\\1.csv", "", "Z:\\表\\3.csv", "C:\\4.csv", ""};
  s.mailFolder = "\\\\srv\\mail", s.backupEnabled = 0, s.askUserIdAtStart = 1, s.pcSearchAllowed = 0;
  s.destinationList = {};
  s.destinationList[0] = "外出", s.destinationList[3] = "本社", s.destinationList[19] = "最後";
  return s;
}

class SharedSettingsFile : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string written(const SharedSettings& s) {
    EXPECT_TRUE(saveSharedSettings(s, folder.file("w.ini")));
    return readFile(folder.file("w.ini"));
  }
  // Read over the start-up defaults of a program in C:\wabo.
  SharedSettings read(const std::string& bytes) {
    writeFile(folder.file("r.ini"), bytes);
    SharedSettings s;
    setDefaultBoardPaths(s, "C:\\wabo");
    loadSharedSettings(s, folder.file("r.ini"));
    return s;
  }
};

}  // namespace

TEST_F(SharedSettingsFile, DefaultsAreWrittenByteForByteAndFiveBoardsSurviveARoundTrip) {
  EXPECT_EQ(written(read("")), kDefaultFile);
  const std::string bytes = written(fiveBoards());
  EXPECT_EQ(written(read(bytes)), bytes);
}

TEST_F(SharedSettingsFile, MissingOrEarlyEndingFilesKeepWhatWasNotRead) {
  SharedSettings missing = read("");
  loadSharedSettings(missing, folder.file("none.ini"));
  EXPECT_EQ(written(missing), kDefaultFile);
  EXPECT_FALSE(exists(folder.file("none.ini")));
  const std::string bytes = written(fiveBoards());
  SharedSettings cut = read(firstLines(bytes, 27));  // after the third destination
  EXPECT_EQ(cut.pcSearchAllowed, 0);
  EXPECT_EQ(cut.destinationList[0] + "|" + cut.destinationList[2] + "|" + cut.destinationList[3], "外出||休み");
  SharedSettings early = read(firstLines(bytes, 5));  // after board 2's name
  EXPECT_EQ(early.boardNames[1] + "|" + early.boardPaths[1] + "|" + early.boardNames[2], "総務ソ|C:\\wabo\\boad2.csv|ﾎﾞｰﾄﾞ3");
  EXPECT_EQ(early.backupEnabled, 1);
}

TEST_F(SharedSettingsFile, LongLinesAreCutToTheirBuffersWithoutShiftingTheRest) {
  SharedSettings s = fiveBoards();
  const std::string longPath = "\\\\srv\\" + std::string(200, 'p') + "\\表.csv";
  s.boardPaths[2] = longPath, s.boardPaths[3] = std::string(300, 'q');
  s.boardNames[4] = std::string(28, 'm') + "表";  // 30 bytes: 表 goes
  s.destinationList[5] = std::string(40, 'd');
  SharedSettings back = read(written(s));
  EXPECT_EQ(back.boardPaths[2], longPath);
  EXPECT_EQ(back.boardPaths[3], std::string(255, 'q'));
  EXPECT_EQ(back.boardNames[4], std::string(28, 'm'));
  EXPECT_EQ(back.destinationList[5], std::string(29, 'd'));
  EXPECT_EQ(back.boardPaths[4] + back.destinationList[19], "最後");
}

namespace {

// No NUL, at most `limit` bytes, no double-byte character cut in half.
void expectSafeText(const std::string& text, std::size_t limit) {
  EXPECT_LE(text.size(), limit);
  EXPECT_EQ(text.find('\0'), std::string::npos);
  std::size_t i = 0;
  while (i < text.size()) i += sjis::isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  EXPECT_EQ(i, text.size()) << "half a character at the end";
}

}  // namespace

TEST(HostileSettingsFiles, RandomBytesAndHugeLinesNeverBreakTheLimits) {
  TempFolder folder;
  std::mt19937 random(20240601);
  const std::string alphabets[] = {"", "0123456789-+,\r\n \x81\x95\\", "\r\n", "9,", "\x81\r"};
  std::vector<std::string> files = {std::string(10 * 1024 * 1024, 'x')};
  for (int round = 0; round < 300; ++round) {
    std::string bytes(random() % 3000, '\0');
    const std::string& alphabet = alphabets[round % 5];
    for (char& c : bytes) c = alphabet.empty() ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
    files.push_back(bytes);
  }
  for (const std::string& bytes : files) {
    writeFile(folder.file("junk.ini"), bytes);
    LocalSettings local;
    ASSERT_TRUE(readLocalSettingsFile(local, folder.file("junk.ini")));
    EXPECT_TRUE(local.selectedBoard >= 1 && local.selectedBoard <= kBoardCount);
    for (int key : local.sortKeys) EXPECT_TRUE(key >= 0 && key <= 19);
    for (ColumnOrder order : local.columnOrder) {
      std::sort(order.begin(), order.end());
      EXPECT_EQ(order, kDefaultColumnOrder);
    }
    for (const std::string* text : {&local.userId, &local.quickInputWord1, &local.quickInputWord2})
      expectSafeText(*text, 29);
    expectSafeText(local.sharedSettingsFolder, 255);
    SharedSettings shared;
    loadSharedSettings(shared, folder.file("junk.ini"));
    for (int b = 0; b < kBoardCount; ++b) expectSafeText(shared.boardNames[b], 29), expectSafeText(shared.boardPaths[b], 255);
    for (const auto& slot : shared.destinationList) expectSafeText(slot, 29);
    expectSafeText(shared.mailFolder, 255);
  }
}
