// Dialog 324 "行き先表示ﾎﾞｰﾄﾞの設定": the names and files of the five boards,
// and the two buttons that create a new board file at once.
#pragma once
#include <windows.h>

#include "settings/admin_dialog_fields.h"

namespace wabo {

// 0 when accepted (OK and Yes), 1 when cancelled or answered No.
int runBoardSettingsDialog(HWND owner, BoardSettingsFields& fields);

}  // namespace wabo
