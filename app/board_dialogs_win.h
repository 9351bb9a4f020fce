// The dialogs of the board commands, for the shell files that open them
// (the command table, the first timer tick, the mail commands).
#pragma once
#include <windows.h>

#include "app/board_commands.h"

namespace wabo {

// Each runs its dialog modally over `owner` on the program's state and
// returns 0 when accepted, 1 when cancelled.
int runDestinationDialog(HWND owner);  // 152
int runIconDialog(HWND owner);         // 137
int runMessageDialog(HWND owner, std::string& message);  // 310: shows `message`, OK puts the typed text there
int runDeleteIdDialog(HWND owner);     // 103
int runTargetIdDialog(HWND owner);     // 104
int runUserIdDialog(HWND owner);       // 298
int runPcNameDialog(HWND owner);       // 343

// The board commands over the real list view, dialogs and status bar.
BoardCommandContext& shellBoardCommands();

}  // namespace wabo
