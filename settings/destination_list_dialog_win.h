// Dialog 300 "行き先ﾘｽﾄ設定": up to 20 destination words, added and deleted.
#pragma once
#include <windows.h>

#include "settings/admin_dialog_fields.h"

namespace wabo {

// 0 when accepted (OK and Yes), 1 when cancelled or answered No.
int runDestinationListDialog(HWND owner, DestinationListFields& fields);

}  // namespace wabo
