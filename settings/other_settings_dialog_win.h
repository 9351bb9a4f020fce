// Dialog 337 "その他設定": backup, user-ID question at start, PC connection
// search for users, and the mail folder.
#pragma once
#include <windows.h>

#include "settings/admin_dialog_fields.h"

namespace wabo {

// 0 when accepted (OK and Yes), 1 when cancelled or answered No.
int runOtherSettingsDialog(HWND owner, OtherSettingsFields& fields);

}  // namespace wabo
