// The change history window (template 350): modeless, one at a time, beside
// the main window. It lists the history file of the shown board for one
// member or for the whole board, newest first, and remembers its size.
#pragma once
#include <windows.h>

namespace wabo {

// Command 変更履歴: the selected row's member (the whole board when no row
// is selected). An open window is brought forward and shows that member.
void openHistoryWindow();
// Closes the window, keeping its size for WaboM.ini: at hiding into the tray
// and at exit.
void closeHistoryWindow();
// The window's own keys (Tab, Esc) from the message loop; true when taken.
bool historyWindowMessage(MSG& message);

}  // namespace wabo
