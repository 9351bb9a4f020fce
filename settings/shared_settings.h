// Wabo.ini: the settings every member shares (boards, mail folder, options,
// destination list), read once at start; written only by the administrator
// dialogs.
#pragma once
#include <array>
#include <string>

#include "common/limits.h"

namespace wabo {

struct SharedSettings {
  std::array<std::string, kBoardCount> boardNames{"ﾎﾞｰﾄﾞ1", "ﾎﾞｰﾄﾞ2", "ﾎﾞｰﾄﾞ3", "ﾎﾞｰﾄﾞ4", "ﾎﾞｰﾄﾞ5"};
  std::array<std::string, kBoardCount> boardPaths;  // "" = board not configured
  std::string mailFolder;
  int backupEnabled = 1;
  int askUserIdAtStart = 0;
  int pcSearchAllowed = 1;
  std::array<std::string, kDestinationSlots> destinationList{"事務所", "会議室", "出張", "休み"};
};

// Sets the default paths of boards 1 and 2 in the program folder.
void setDefaultBoardPaths(SharedSettings& settings, const std::string& programFolder);

// sharedSettingsFolder + "\Wabo.ini", unless the program runs from a UNC path
// or the folder is empty: then programFolder + "\Wabo.ini".
std::string sharedSettingsPath(const std::string& programFolder, const std::string& sharedSettingsFolder);

// Reads the file; a missing file leaves everything as it is.
void loadSharedSettings(SharedSettings& settings, const std::string& path);

// Writes all 44 lines. False when the file could not be written completely,
// so that the administrator who confirmed a change is told.
bool saveSharedSettings(const SharedSettings& settings, const std::string& path);

}  // namespace wabo
