// WaboM.ini: the settings of one PC, read once at start and written once at
// exit. The file is positional: one header line per section is skipped and
// the values follow in a fixed order.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/column_order.h"
#include "common/limits.h"

namespace wabo {

using ColumnWidths = std::array<int, kColumnCount>;

struct LocalSettings {
  int windowLeft = 119, windowTop = 135, windowWidth = 648, windowHeight = 338;
  std::array<ColumnWidths, kBoardCount> columnWidths;  // per board; column 8 -1 = fill
  std::array<ColumnOrder, kBoardCount> columnOrder;    // per board; display position -> column
  std::string userId;                                  // 30-byte buffer
  int selectedBoard = 1;                               // 1..5
  std::string quickInputWord1 = "出社";                 // 32-byte buffers
  std::string quickInputWord2 = "帰宅";
  std::string sharedSettingsFolder;                    // 256-byte buffer; "" = program folder
  std::array<int, kBoardCount> sortKeys{};             // direction * 10 + column
  int showGridLines = 1;
  std::int32_t backgroundColour = 16056319;  // RGB(255, 255, 244)
  std::int32_t textColour = 0;
  int autoUpdateMinutes = 10;
  int showIcons = 1;
  int rowHeight = 16;
  int fontSize = 12;
  int autoPcSearch = 0;
  std::int32_t connectedColour = 13697023;     // RGB(255, 255, 208)
  std::int32_t notConnectedColour = 14737632;  // RGB(224, 224, 224)

  // The section added at the end of the file (settings/added_section.h).
  int historyWindowWidth = 0;   // size of the change history window; 0: as first shown
  int historyWindowHeight = 0;
  bool markOverdueRows = true;  // rows whose return time has passed stand out (app/overdue_rows.h)
  // Members whose next change of destination this copy tells (app/return_watch.h), by ID.
  std::vector<std::string> returnWatchIds;

  // Held beside the file, not stored in it.
  int autoUpdateEnabled = 0;
  std::string autoUpdateMinutesText;
  std::string autoUpdateStatusText;
  int discardLocalSettings = 0;

  LocalSettings();
};

constexpr ColumnWidths kDefaultColumnWidths = {70, 70, 70, 70, 105, 90, 150, 150, -1, 0};

// True when the program runs from a UNC path (second character '\').
bool isUncFolder(const std::string& programFolder);

// Where WaboM.ini is written: the Windows folder for a UNC program folder,
// else the program folder.
std::string localSettingsPath(const std::string& programFolder, const std::string& windowsFolder);

// Where WaboM.ini is looked for, in order: the write place, then, for a UNC
// program folder only, the program folder.
std::vector<std::string> localSettingsReadPaths(const std::string& programFolder, const std::string& windowsFolder);

// Reads the 25 lines of one file (and the added section behind them, if
// any) into `settings` and brings the values that
// index something into range. A value the file does not supply keeps what
// `settings` held. False (nothing changed) when the file cannot be opened.
bool readLocalSettingsFile(LocalSettings& settings, const std::string& path);

// Writes the 25 lines (and the added section where it holds anything); false
// when the file could not be written completely.
bool writeLocalSettingsFile(const LocalSettings& settings, const std::string& path);

// selectedBoard outside 1..5 becomes 1; a sort key outside 0..19 becomes 0;
// a column order that is not an arrangement of the columns 0..9 becomes the
// default order.
void keepLocalSettingsInRange(LocalSettings& settings);

// After reading: autoUpdateEnabled, autoUpdateMinutesText and
// autoUpdateStatusText from autoUpdateMinutes.
void deriveAutoUpdateState(LocalSettings& settings);

// Before saving: the window rectangle (screen coordinates), or 119, 135,
// 580, 338 when the window is minimised or maximised.
void takeWindowRectangle(LocalSettings& settings, int left, int top, int right, int bottom, bool normalShowState);

// Before saving: autoUpdateMinutes from autoUpdateMinutesText when auto
// update is on, else 0.
void takeAutoUpdateMinutes(LocalSettings& settings);

// The integer value of a decimal text as the C library's atoi reads it
// (leading blanks, sign, digits; 0 when there are none), saturated to the
// 32-bit range.
int integerValueOf(const std::string& text);

// Reads the file (with the read fallback to the program folder in the UNC
// case), then derives autoUpdateEnabled, autoUpdateMinutesText and
// autoUpdateStatusText. A missing file leaves the defaults. Values that
// would index out of range (selectedBoard, sortKeys) are brought into range.
void loadLocalSettings(LocalSettings& settings, const std::string& programFolder, const std::string& windowsFolder);

// Writes all 25 lines from `settings` as they stand (the caller has already
// taken the window rectangle, the shown board's columns and the minutes),
// then deletes the file again when discardLocalSettings is 1. False when the
// file could not be written.
bool saveLocalSettings(const LocalSettings& settings, const std::string& programFolder,
                       const std::string& windowsFolder);

// " Auto 10min" or " Manual", as status-bar part 1 shows it.
std::string autoUpdateStatusFor(int enabled, const std::string& minutesText);

}  // namespace wabo
