#include <gtest/gtest.h>

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
