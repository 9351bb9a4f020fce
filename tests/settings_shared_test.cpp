// Wabo.ini: the exact layout, files that end early, long lines. Random bytes
// in either settings file are the fuzz targets' work.
#include <gtest/gtest.h>

#include "settings/shared_settings.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

const std::string kDefaultFile =
    "[ﾎﾞｰﾄﾞ1]\r\nﾎﾞｰﾄﾞ1\r\nC:\\wabo\\boad1.csv\r\n[ﾎﾞｰﾄﾞ2]\r\nﾎﾞｰﾄﾞ2\r\nC:\\wabo\\boad2.csv\r\n"
    "[ﾎﾞｰﾄﾞ3]\r\nﾎﾞｰﾄﾞ3\r\n\r\n[ﾎﾞｰﾄﾞ4]\r\nﾎﾞｰﾄﾞ4\r\n\r\n[ﾎﾞｰﾄﾞ5]\r\nﾎﾞｰﾄﾞ5\r\n\r\n[ﾒｰﾙﾌｫﾙﾀﾞ]\r\n\r\n"
    "[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n1\r\n[起動時ID入力設定]\r\n0\r\n[PC接続ｻｰﾁ許可]\r\n1\r\n[行き先ﾘｽﾄ]\r\n事務所\r\n会議室\r\n出張\r\n休み\r\n"
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
  SharedSettings read(const std::string& bytes, const std::string& name = "r.ini") {
    writeFile(folder.file("r.ini"), bytes);
    SharedSettings s;
    setDefaultBoardPaths(s, "C:\\wabo");
    loadSharedSettings(s, folder.file(name));
    return s;
  }
};

}  // namespace

TEST_F(SharedSettingsFile, DefaultsAreWrittenByteForByteAndFiveBoardsSurviveARoundTrip) {
  EXPECT_EQ(written(read("")), kDefaultFile);
  const std::string bytes = written(fiveBoards());
  EXPECT_EQ(written(read(bytes)), bytes);
  EXPECT_EQ(written(read(bytes, "none.ini")), kDefaultFile) << "a missing file leaves the defaults";
  EXPECT_FALSE(exists(folder.file("none.ini")));
}

TEST_F(SharedSettingsFile, AFileThatEndsEarlyKeepsWhatWasNotRead) {
  const std::string bytes = written(fiveBoards());
  SharedSettings cut = read(firstLines(bytes, 27));  // after the third destination
  EXPECT_EQ(cut.pcSearchAllowed, 0);
  EXPECT_EQ(cut.destinationList[0] + "|" + cut.destinationList[2] + "|" + cut.destinationList[3], "外出||休み");
  SharedSettings early = read(firstLines(bytes, 5));  // after board 2's name
  EXPECT_EQ(early.boardNames[1] + "|" + early.boardPaths[1] + "|" + early.boardNames[2],
            "総務ソ|C:\\wabo\\boad2.csv|ﾎﾞｰﾄﾞ3");
}

TEST_F(SharedSettingsFile, LongLinesAreCutToTheirBuffersWithoutShiftingTheRest) {
  SharedSettings s = fiveBoards();
  s.boardPaths[3] = std::string(300, 'q');
  s.boardNames[4] = std::string(28, 'm') + "表";  // 30 bytes: 表 goes
  s.destinationList[5] = std::string(40, 'd');
  SharedSettings back = read(written(s));
  EXPECT_EQ(back.boardPaths[3] + "|" + back.boardNames[4] + "|" + back.destinationList[5],
            std::string(255, 'q') + "|" + std::string(28, 'm') + "|" + std::string(29, 'd'));
  EXPECT_EQ(back.boardPaths[4] + back.destinationList[19], "最後");
}
