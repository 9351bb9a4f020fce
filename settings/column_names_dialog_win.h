// Dialog 336 "列名称設定": the eight column captions of the board shown.
#pragma once
#include <windows.h>

#include "settings/admin_dialog_fields.h"

namespace wabo {

// 0 when accepted (OK and Yes), 1 when cancelled or answered No.
int runColumnNamesDialog(HWND owner, ColumnNamesFields& fields);

}  // namespace wabo
