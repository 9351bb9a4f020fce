// The change history window (template 350): modeless, one at a time, beside
// the main window. It lists the history file of the shown board for one
// member or for the whole board, newest first, and remembers its size.
#pragma once
#include <windows.h>

namespace wabo {

// Command 変更履歴: the selected row's member (the whole board when no row
// is selected). An open window is brought forward and shows that member.
void openHistoryWindow();
// It is one of the windows that stay open (common/modeless_win.h): closed
// at hiding into the tray and at exit, when it keeps its size for WaboM.ini.

}  // namespace wabo
