// What the four administrator dialogs show and give back. The commands
// fill the inputs, run the dialog and act on the outputs when it returns 0;
// the dialogs themselves never touch the program's state. Kept free of
// <windows.h> so that the command flows and their tests can use them.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "common/limits.h"
#include "common/ui.h"

namespace wabo {

// The two creation buttons of the board settings.
enum class NewBoardKind {
  fromDisplay,  // 現在の表示内容で作成: the rows shown
  empty,        // 空の行き先ﾌｧｲﾙ作成: one sample row
};

// Dialog 324.
struct BoardSettingsFields {
  // In: the shared settings; out: the texts typed (names at most 28 bytes,
  // paths at most 254 bytes).
  std::array<std::string, kBoardCount> boardNames;
  std::array<std::string, kBoardCount> boardPaths;
  // Called by a creation button with the path picked (never empty) and the
  // message boxes of the dialog; it writes the new board file at once.
  std::function<void(NewBoardKind kind, const std::string& path, Ui& ui)> createBoardFile;
};

// Dialog 300. In: the slots; out: the words in slots 1..n, the rest empty.
struct DestinationListFields {
  std::array<std::string, kDestinationSlots> destinationList;
};

// Dialog 336. In: the captions of the board shown; out: the eight edits'
// texts (at most 28 bytes each; caption 4 is shown read-only and given back
// as it came in).
struct ColumnNamesFields {
  std::array<std::string, kColumnNameCount> columnNames;
};

// Dialog 337. Boxes in and out as 0 or 1; the mail folder at most 254 bytes.
struct OtherSettingsFields {
  int backupEnabled = 1;
  int askUserIdAtStart = 0;
  int pcSearchAllowed = 1;
  std::string mailFolder;
};

}  // namespace wabo
