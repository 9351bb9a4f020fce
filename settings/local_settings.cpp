// The local settings around their file: defaults, ranges, the auto-update
// values held beside the file, and loading and saving at the right place.
#include "settings/local_settings.h"

#include <climits>
#include <cstdint>

#include "common/decimal.h"
#include "common/platform_file.h"

namespace wabo {

LocalSettings::LocalSettings() {
  columnWidths.fill(kDefaultColumnWidths);
  columnOrder.fill(kDefaultColumnOrder);
}

namespace {

}  // namespace

void keepLocalSettingsInRange(LocalSettings& settings) {
  if (settings.selectedBoard < 1 || settings.selectedBoard > kBoardCount) settings.selectedBoard = 1;
  for (int& key : settings.sortKeys) {
    if (key < 0 || key > 19) key = 0;
  }
  for (auto& order : settings.columnOrder) {
    if (!isColumnPermutation(order)) order = kDefaultColumnOrder;
  }
}

std::string autoUpdateStatusFor(int enabled, const std::string& minutesText) {
  return enabled ? " Auto " + minutesText + "min" : " Manual";
}

void deriveAutoUpdateState(LocalSettings& settings) {
  if (settings.autoUpdateMinutes != 0) {
    settings.autoUpdateEnabled = 1;
    settings.autoUpdateMinutesText = std::to_string(settings.autoUpdateMinutes);
  } else {
    settings.autoUpdateEnabled = 0;
  }
  settings.autoUpdateStatusText = autoUpdateStatusFor(settings.autoUpdateEnabled, settings.autoUpdateMinutesText);
}

void takeWindowRectangle(LocalSettings& settings, int left, int top, int right, int bottom, bool normalShowState) {
  if (!normalShowState) {
    settings.windowLeft = 119;
    settings.windowTop = 135;
    settings.windowWidth = 580;
    settings.windowHeight = 338;
    return;
  }
  settings.windowLeft = left;
  settings.windowTop = top;
  // Screen coordinates stay far inside the 32-bit range; the 64-bit
  // difference only keeps odd values from overflowing.
  auto clamp = [](std::int64_t v) {
    return static_cast<int>(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v);
  };
  settings.windowWidth = clamp(static_cast<std::int64_t>(right) - left);
  settings.windowHeight = clamp(static_cast<std::int64_t>(bottom) - top);
}

int integerValueOf(const std::string& text) { return leadingInteger(text, /*anyWhiteSpace=*/true).value; }

void takeAutoUpdateMinutes(LocalSettings& settings) {
  settings.autoUpdateMinutes = settings.autoUpdateEnabled == 1 ? integerValueOf(settings.autoUpdateMinutesText) : 0;
}

void loadLocalSettings(LocalSettings& settings, const std::string& programFolder, const std::string& windowsFolder) {
  for (const std::string& path : localSettingsReadPaths(programFolder, windowsFolder)) {
    if (readLocalSettingsFile(settings, path)) break;
  }
  deriveAutoUpdateState(settings);
}

bool saveLocalSettings(const LocalSettings& settings, const std::string& programFolder,
                       const std::string& windowsFolder) {
  const std::string path = localSettingsPath(programFolder, windowsFolder);
  bool written = writeLocalSettingsFile(settings, path);
  if (settings.discardLocalSettings == 1) platform::removeFile(path);
  return written;
}

}  // namespace wabo
