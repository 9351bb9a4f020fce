// The four dialogs of each member's own settings, as forms: what a dialog
// shows when it opens, which texts it refuses on OK and with which message,
// and what it stores into the local settings when accepted. The dialogs only
// move text between their controls and these forms.
#pragma once
#include <cstdint>
#include <string>

#include "settings/local_settings.h"

namespace wabo {

// Dialog 296, 表示の設定.
struct DisplayForm {
  int showIcons = 1;
  int showGridLines = 1;
  std::string fontSizeText;   // control 1059
  std::string rowHeightText;  // control 1060
  std::int32_t backgroundColour = 0;  // working copies of the two swatches
  std::int32_t textColour = 0;
  bool markOverdueRows = true;  // control IDC_DISP_MARK_OVERDUE
};

// The font size and row height are shown as unsigned numbers (a stored -14
// as 4294967282) and taken back the same way, so OK keeps a value it did
// not change. Any unsigned number is accepted; text that is none gives 0.
// Where the list uses them, they are held to what it can show.
DisplayForm displayFormFrom(const LocalSettings& settings);
void storeDisplayForm(LocalSettings& settings, const DisplayForm& form);

// Dialog 342, ｸｲｯｸ入力設定. No check: an empty word is accepted.
struct QuickInputForm {
  std::string word1;  // control 1059
  std::string word2;  // control 1095
};
QuickInputForm quickInputFormFrom(const LocalSettings& settings);
void storeQuickInputForm(LocalSettings& settings, const QuickInputForm& form);

// Dialog 105, 自動更新の設定.
struct AutoUpdateForm {
  int enabled = 0;          // control 1012
  std::string minutesText;  // control 1013
  int pcSearch = 0;         // control 1102
  std::int32_t connectedColour = 0;
  std::int32_t notConnectedColour = 0;
  bool pcSearchAllowed = true;  // false: 1102, 1103 and 1104 greyed, their values kept
};
AutoUpdateForm autoUpdateFormFrom(const LocalSettings& settings, int pcSearchAllowed);
const char* checkAutoUpdateForm(const AutoUpdateForm& form);
// Stores the states, the colours and the minutes as the text's integer value
// ("0" for an empty field).
void storeAutoUpdateForm(LocalSettings& settings, const AutoUpdateForm& form);

// Dialog 345, 共有設定ﾌｧｲﾙ位置.
struct SharedLocationForm {
  std::string folder;    // control 1107
  bool fromUnc = false;  // program started from a UNC path: 1107 and 1108 greyed
};
SharedLocationForm sharedLocationFormFrom(const LocalSettings& settings, const std::string& programFolder);
// A program on a UNC path always uses the Wabo.ini beside itself, so the
// stored folder is kept as it is.
void storeSharedLocationForm(LocalSettings& settings, const SharedLocationForm& form);

}  // namespace wabo
