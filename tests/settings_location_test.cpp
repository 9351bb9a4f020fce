// Where the settings files are read and written, and the whole load/save
// round at start and exit on real folders. Paths are joined with '\' as on
// Windows; on Linux "folder\WaboM.ini" is simply a file whose name holds a
// backslash, so a program folder "<temp>/prog" puts it beside "prog".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/local_settings.h"
#include "settings/shared_settings.h"
#include "settings_test_files.h"

using namespace wabo;
using wabo::testing::exists;
using wabo::testing::readBytes;
using wabo::testing::TempFolder;
using wabo::testing::writeBytes;

namespace {

// Runs a test body inside a folder, so that a relative path such as
// "\\server\share\WaboM.ini" lands there on Linux.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& path) : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

}  // namespace

TEST(SettingsLocation, UncProgramFoldersAreRecognisedByTheirSecondCharacter) {
  EXPECT_TRUE(isUncFolder("\\\\server\\share\\wabo"));
  EXPECT_TRUE(isUncFolder("\\\\s"));
  EXPECT_FALSE(isUncFolder("C:\\Program Files\\wabo"));
  EXPECT_FALSE(isUncFolder("Z:"));
  EXPECT_FALSE(isUncFolder("\\"));
  EXPECT_FALSE(isUncFolder(""));
  EXPECT_FALSE(isUncFolder("/tmp/wabo"));
  // 表 is 95 5C: its second byte is not a second character.
  EXPECT_FALSE(isUncFolder("表\\wabo"));
}

TEST(SettingsLocation, LocalFileLivesInTheProgramFolderOrForUncInTheWindowsFolder) {
  EXPECT_EQ(localSettingsPath("C:\\wabo", "C:\\WINDOWS"), "C:\\wabo\\WaboM.ini");
  EXPECT_EQ(localSettingsPath("Z:\\office\\表", "C:\\WINDOWS"), "Z:\\office\\表\\WaboM.ini");
  EXPECT_EQ(localSettingsPath("\\\\srv\\share", "C:\\WINDOWS"), "C:\\WINDOWS\\WaboM.ini");

  EXPECT_EQ(localSettingsReadPaths("C:\\wabo", "C:\\WINDOWS"), (std::vector<std::string>{"C:\\wabo\\WaboM.ini"}));
  EXPECT_EQ(localSettingsReadPaths("\\\\srv\\share", "C:\\WINDOWS"),
            (std::vector<std::string>{"C:\\WINDOWS\\WaboM.ini", "\\\\srv\\share\\WaboM.ini"}));
}

TEST(SettingsLocation, SharedFileFollowsTheSharedFolderExceptForUnc) {
  EXPECT_EQ(sharedSettingsPath("C:\\wabo", ""), "C:\\wabo\\Wabo.ini");
  EXPECT_EQ(sharedSettingsPath("C:\\wabo", "\\\\srv\\common"), "\\\\srv\\common\\Wabo.ini");
  EXPECT_EQ(sharedSettingsPath("Z:\\wabo", "Y:\\共有"), "Y:\\共有\\Wabo.ini");
  EXPECT_EQ(sharedSettingsPath("\\\\srv\\wabo", "Y:\\共有"), "\\\\srv\\wabo\\Wabo.ini");
  EXPECT_EQ(sharedSettingsPath("\\\\srv\\wabo", ""), "\\\\srv\\wabo\\Wabo.ini");

  SharedSettings shared;
  setDefaultBoardPaths(shared, "C:\\wabo");
  EXPECT_EQ(shared.boardPaths[0], "C:\\wabo\\boad1.csv");
  EXPECT_EQ(shared.boardPaths[1], "C:\\wabo\\boad2.csv");
  EXPECT_EQ(shared.boardPaths[2], "");
  EXPECT_EQ(shared.boardPaths[4], "");
}

TEST(SettingsLocation, StartAndExitRoundOnAProgramFolder) {
  TempFolder temp;
  const std::string program = temp / "prog";
  const std::string windows = temp / "win";
  const std::string file = program + "\\WaboM.ini";
  // On Linux the file sits beside these folders, on Windows inside them.
  std::filesystem::create_directory(program);
  std::filesystem::create_directory(windows);

  // First start: no file, defaults, auto update on every 10 minutes.
  LocalSettings first;
  loadLocalSettings(first, program, windows);
  EXPECT_EQ(first.autoUpdateEnabled, 1);
  EXPECT_EQ(first.autoUpdateMinutesText, "10");
  EXPECT_EQ(first.autoUpdateStatusText, " Auto 10min");
  EXPECT_FALSE(exists(file));

  first.userId = "taro";
  first.selectedBoard = 2;
  ASSERT_TRUE(saveLocalSettings(first, program, windows));
  ASSERT_TRUE(exists(file));
  EXPECT_FALSE(exists(windows + "\\WaboM.ini"));

  LocalSettings second;
  loadLocalSettings(second, program, windows);
  EXPECT_EQ(second.userId, "taro");
  EXPECT_EQ(second.selectedBoard, 2);

  // A confirmed user-settings initialisation: written, then deleted.
  second.discardLocalSettings = 1;
  EXPECT_TRUE(saveLocalSettings(second, program, windows));
  EXPECT_FALSE(exists(file));
  LocalSettings third;
  loadLocalSettings(third, program, windows);
  EXPECT_EQ(third.userId, "");
  EXPECT_EQ(third.selectedBoard, 1);
}

#ifndef _WIN32
// Needs a "\\srv\share" program folder that is an ordinary relative file
// name, as it is on Linux.
TEST(SettingsLocation, UncStartReadsTheProgramFolderFileWhenTheWindowsFolderHasNone) {
  TempFolder temp;
  WorkingFolder inside(temp.path());
  const std::string program = "\\\\srv\\share";
  const std::string windows = temp / "win";
  const std::string programFile = "\\\\srv\\share\\WaboM.ini";  // relative: lands in temp
  const std::string windowsFile = windows + "\\WaboM.ini";

  LocalSettings beside;
  beside.userId = "beside";
  beside.autoUpdateMinutes = 0;
  ASSERT_TRUE(writeLocalSettingsFile(beside, programFile));
  const std::string before = readBytes(programFile);

  LocalSettings run;
  loadLocalSettings(run, program, windows);
  EXPECT_EQ(run.userId, "beside");
  EXPECT_EQ(run.autoUpdateStatusText, " Manual");

  // The end of that run writes the Windows-folder file and leaves the other.
  run.userId = "changed";
  ASSERT_TRUE(saveLocalSettings(run, program, windows));
  EXPECT_EQ(readBytes(programFile), before);
  ASSERT_TRUE(exists(windowsFile));

  // Once the Windows-folder file exists it wins.
  LocalSettings next;
  loadLocalSettings(next, program, windows);
  EXPECT_EQ(next.userId, "changed");

  // A drive-letter program folder never looks in the Windows folder.
  LocalSettings drive;
  loadLocalSettings(drive, "Q:", windows);
  EXPECT_EQ(drive.userId, "");
}
#endif

TEST(SettingsLocation, SavesThatCannotBeWrittenReportFailure) {
  TempFolder temp;
  LocalSettings local;
  EXPECT_FALSE(saveLocalSettings(local, temp / "missing/prog", temp / "win"));
  EXPECT_FALSE(writeLocalSettingsFile(local, temp / "missing/WaboM.ini"));
  SharedSettings shared;
  EXPECT_FALSE(saveSharedSettings(shared, temp / "missing/Wabo.ini"));
  // A folder where the file should be cannot be opened for writing either.
  std::filesystem::create_directory(temp / "Wabo.ini");
  EXPECT_FALSE(saveSharedSettings(shared, temp / "Wabo.ini"));
  if (exists("/dev/full")) {
    // The device accepts the open but no byte: the failure shows at the
    // checked write and close.
    EXPECT_FALSE(saveSharedSettings(shared, "/dev/full"));
    EXPECT_FALSE(writeLocalSettingsFile(local, "/dev/full"));
  }
}
