// Where the settings files are read and written, and the folder picker's
// hand-over. Paths are joined with '\' as on Windows; on Linux
// "prog\WaboM.ini" is a file beside "prog" whose name holds a backslash.
#include <gtest/gtest.h>

#include <cstring>

#include "settings/folder_choice.h"
#include "settings/local_settings.h"
#include "settings/shared_settings.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

using Paths = std::vector<std::string>;

TEST(SettingsLocation, UncFoldersAndThePlacesOfBothFiles) {
  EXPECT_TRUE(isUncFolder("\\\\server\\share\\wabo") && !isUncFolder("表\\wabo"));  // 表 is 95 5C
  EXPECT_EQ(localSettingsReadPaths("Z:\\office\\表", "C:\\WINDOWS"), (Paths{"Z:\\office\\表\\WaboM.ini"}));
  EXPECT_EQ(localSettingsReadPaths("\\\\srv\\share", "C:\\WINDOWS"),
            (Paths{"C:\\WINDOWS\\WaboM.ini", "\\\\srv\\share\\WaboM.ini"}));
  EXPECT_EQ(sharedSettingsPath("C:\\wabo", "") + sharedSettingsPath("Z:\\wabo", "Y:\\共有"),
            "C:\\wabo\\Wabo.iniY:\\共有\\Wabo.ini");
  EXPECT_EQ(sharedSettingsPath("\\\\srv\\wabo", "Y:\\共有"), "\\\\srv\\wabo\\Wabo.ini");
}

// A "\\srv\share" program folder is an ordinary relative name on Linux.
TEST(SettingsLocation, UncStartReadsTheProgramFolderFileWhenTheWindowsFolderHasNone) {
  TempFolder temp;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(temp.path());
  const std::string program = "\\\\srv\\share", windows = temp.file("win"), programFile = program + "\\WaboM.ini";
  LocalSettings beside, run, next;
  beside.userId = "beside", beside.autoUpdateMinutes = 0;
  ASSERT_TRUE(writeLocalSettingsFile(beside, programFile));
  loadLocalSettings(run, program, windows);
  EXPECT_EQ(run.userId + run.autoUpdateStatusText, "beside Manual");
  run.userId = "changed";  // the exit writes the Windows-folder file, which wins from then on
  ASSERT_TRUE(saveLocalSettings(run, program, windows));
  EXPECT_TRUE(exists(windows + "\\WaboM.ini"));
  loadLocalSettings(next, program, windows);
  EXPECT_EQ(next.userId, "changed");
  std::filesystem::current_path(previous);
}

TEST(SettingsLocation, LocalSettingsThatCannotBeWrittenReportFailure) {
  TempFolder temp;
  EXPECT_FALSE(saveLocalSettings(LocalSettings(), temp.file("missing/prog"), temp.file("win")));
  // The device takes the open but no byte: the failure shows at the checked write and close.
  EXPECT_FALSE(writeLocalSettingsFile(LocalSettings(), "/dev/full"));
}

TEST(FolderChoice, TakesAPathOnlyWhenItFitsWithItsTerminatingZero) {
  char result[16];
  const std::string fifteen(15, 'p');
  EXPECT_EQ(takeChosenFolder(fifteen, result, sizeof result), kFolderChosen);
  // One byte too long, no buffer, or a zero inside: cancelled, and the buffer keeps what it held.
  EXPECT_EQ(takeChosenFolder(std::string(16, 'q'), result, sizeof result), kFolderCancelled);
  EXPECT_EQ(takeChosenFolder("x", nullptr, 16), kFolderCancelled);
  EXPECT_EQ(takeChosenFolder(std::string("a\0b", 3), result, sizeof result), kFolderCancelled);
  EXPECT_EQ(std::string(result), fifteen);
}

// The system's conversion of the browser's choice writes up to 259 bytes and a zero, whatever the caller's
// buffer: it must land in the picker's own buffer (an overrun fails here under AddressSanitizer), and a path
// too long for the caller's 256 bytes is refused, leaving the caller's buffer as it was.
TEST(FolderChoice, TheLongestSystemPathFitsThePickersBufferAndIsRefusedWhenItDoesNotFitTheCallers) {
  const auto systemWrites = [](std::size_t length) {
    return [length](char* path) {
      std::memset(path, 'p', length);
      path[length] = '\0';
      return true;
    };
  };
  char result[kPathBytes] = "kept";
  for (std::size_t n : {256u, 259u})
    EXPECT_EQ(takeSystemFolderPath(systemWrites(n), result, sizeof result), kFolderCancelled) << n;
  EXPECT_STREQ(result, "kept");
  EXPECT_EQ(takeSystemFolderPath(systemWrites(255), result, sizeof result), kFolderChosen);
  EXPECT_EQ(std::string(result), std::string(255, 'p'));
  // A choice that is no file-system folder (a printer, the network) is cancelled.
  EXPECT_EQ(takeSystemFolderPath([](char*) { return false; }, result, 8), kFolderCancelled);
}
