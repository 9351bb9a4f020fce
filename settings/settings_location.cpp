// Where the two settings files live. Paths are joined with '\', as the
// program builds them on Windows.
#include "common/sjis.h"
#include "settings/local_settings.h"
#include "settings/settings_location.h"
#include "settings/shared_settings.h"

namespace wabo {

namespace {

const char kLocalFileName[] = "WaboM.ini";
const char kSharedFileName[] = "Wabo.ini";

}  // namespace

std::string joinPath(const std::string& folder, const std::string& fileName) { return folder + "\\" + fileName; }

bool isUncFolder(const std::string& programFolder) {
  // The second character, not the second byte: a double-byte character
  // whose trail byte is 0x5C does not make a UNC path.
  return programFolder.size() >= 2 && !sjis::isLeadByte(static_cast<unsigned char>(programFolder[0])) &&
         programFolder[1] == '\\';
}

std::string localSettingsPath(const std::string& programFolder, const std::string& windowsFolder) {
  return joinPath(isUncFolder(programFolder) ? windowsFolder : programFolder, kLocalFileName);
}

std::vector<std::string> localSettingsReadPaths(const std::string& programFolder, const std::string& windowsFolder) {
  std::vector<std::string> paths{localSettingsPath(programFolder, windowsFolder)};
  if (isUncFolder(programFolder)) paths.push_back(joinPath(programFolder, kLocalFileName));
  return paths;
}

std::string sharedSettingsPath(const std::string& programFolder, const std::string& sharedSettingsFolder) {
  if (!isUncFolder(programFolder) && !sharedSettingsFolder.empty()) return joinPath(sharedSettingsFolder, kSharedFileName);
  return joinPath(programFolder, kSharedFileName);
}

void setDefaultBoardPaths(SharedSettings& settings, const std::string& programFolder) {
  settings.boardPaths[0] = joinPath(programFolder, "boad1.csv");
  settings.boardPaths[1] = joinPath(programFolder, "boad2.csv");
}

}  // namespace wabo
