// Where the settings files are read and written, and the load/save round at
// start and exit on real folders. Paths are joined with '\' as on Windows; on
// Linux "prog\WaboM.ini" is a file beside "prog" whose name holds a backslash.
#include <gtest/gtest.h>

#include "settings/local_settings.h"
#include "settings/shared_settings.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

TEST(SettingsLocation, UncFoldersAndThePlacesOfBothFiles) {
  EXPECT_TRUE(isUncFolder("\\\\server\\share\\wabo"));
  for (const char* folder : {"C:\\Program Files\\wabo", "\\", "", "/tmp/wabo", "表\\wabo"})  // 表 is 95 5C
    EXPECT_FALSE(isUncFolder(folder)) << folder;
  EXPECT_EQ(localSettingsPath("Z:\\office\\表", "C:\\WINDOWS"), "Z:\\office\\表\\WaboM.ini");
  EXPECT_EQ(localSettingsPath("\\\\srv\\share", "C:\\WINDOWS"), "C:\\WINDOWS\\WaboM.ini");
  EXPECT_EQ(localSettingsReadPaths("C:\\wabo", "C:\\WINDOWS"), (std::vector<std::string>{"C:\\wabo\\WaboM.ini"}));
  EXPECT_EQ(localSettingsReadPaths("\\\\srv\\share", "C:\\WINDOWS"),
            (std::vector<std::string>{"C:\\WINDOWS\\WaboM.ini", "\\\\srv\\share\\WaboM.ini"}));
  EXPECT_EQ(sharedSettingsPath("C:\\wabo", ""), "C:\\wabo\\Wabo.ini");
  EXPECT_EQ(sharedSettingsPath("Z:\\wabo", "Y:\\共有"), "Y:\\共有\\Wabo.ini");
  EXPECT_EQ(sharedSettingsPath("\\\\srv\\wabo", "Y:\\共有"), "\\\\srv\\wabo\\Wabo.ini");
  SharedSettings shared;
  setDefaultBoardPaths(shared, "C:\\wabo");
  EXPECT_EQ(shared.boardPaths, (std::array<std::string, 5>{"C:\\wabo\\boad1.csv", "C:\\wabo\\boad2.csv", "", "", ""}));
}

TEST(SettingsLocation, StartAndExitRoundOnAProgramFolder) {
  TempFolder temp;
  const std::string program = temp.file("prog"), windows = temp.file("win"), file = program + "\\WaboM.ini";
  LocalSettings first;
  loadLocalSettings(first, program, windows);  // no file: defaults, auto update every 10 minutes
  EXPECT_EQ(first.autoUpdateStatusText, " Auto 10min");
  EXPECT_EQ(first.autoUpdateMinutesText, "10");
  first.userId = "taro";
  ASSERT_TRUE(saveLocalSettings(first, program, windows));
  EXPECT_TRUE(exists(file));
  EXPECT_FALSE(exists(windows + "\\WaboM.ini"));
  LocalSettings second;
  loadLocalSettings(second, program, windows);
  EXPECT_EQ(second.userId, "taro");
  // A confirmed initialisation of the user settings: written, then deleted.
  second.discardLocalSettings = 1;
  EXPECT_TRUE(saveLocalSettings(second, program, windows));
  EXPECT_FALSE(exists(file));
}

// A "\\srv\share" program folder is an ordinary relative name on Linux.
TEST(SettingsLocation, UncStartReadsTheProgramFolderFileWhenTheWindowsFolderHasNone) {
  TempFolder temp;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(temp.path());
  const std::string program = "\\\\srv\\share", windows = temp.file("win"), programFile = program + "\\WaboM.ini";
  LocalSettings beside;
  beside.userId = "beside";
  beside.autoUpdateMinutes = 0;
  ASSERT_TRUE(writeLocalSettingsFile(beside, programFile));
  const std::string before = readFile(programFile);
  LocalSettings run;
  loadLocalSettings(run, program, windows);
  EXPECT_EQ(run.userId, "beside");
  EXPECT_EQ(run.autoUpdateStatusText, " Manual");
  run.userId = "changed";  // the exit writes the Windows-folder file, which wins from then on
  ASSERT_TRUE(saveLocalSettings(run, program, windows));
  EXPECT_EQ(readFile(programFile), before);
  LocalSettings next, drive;
  loadLocalSettings(next, program, windows);
  EXPECT_EQ(next.userId, "changed");
  loadLocalSettings(drive, "Q:", windows);  // a drive letter never looks in the Windows folder
  EXPECT_EQ(drive.userId, "");
  std::filesystem::current_path(previous);
}

TEST(SettingsLocation, SavesThatCannotBeWrittenReportFailure) {
  TempFolder temp;
  LocalSettings local;
  SharedSettings shared;
  EXPECT_FALSE(saveLocalSettings(local, temp.file("missing/prog"), temp.file("win")));
  EXPECT_FALSE(saveSharedSettings(shared, temp.file("missing/Wabo.ini")));
  std::filesystem::create_directory(temp.file("Wabo.ini"));
  EXPECT_FALSE(saveSharedSettings(shared, temp.file("Wabo.ini")));
  // The device takes the open but no byte: the failure shows at the checked write and close.
  EXPECT_FALSE(writeLocalSettingsFile(local, "/dev/full"));

  // A shared file that cannot be written anew stays as it was for everybody.
  const std::string path = temp.file("kept.ini");
  SharedSettings before;
  before.boardNames[0] = "前の名前";
  ASSERT_TRUE(saveSharedSettings(before, path));
  const std::string previous = readFile(path);
  std::filesystem::create_directory(path + ".new");
  shared.boardNames[0] = "新しい名前";
  EXPECT_FALSE(saveSharedSettings(shared, path));
  EXPECT_EQ(readFile(path), previous);
}
