// Dialog 345 "共有設定ﾌｧｲﾙ位置": the folder of the shared settings file,
// used from the next start.
#pragma once
#include <windows.h>

#include "settings/user_settings_forms.h"

namespace wabo {

struct SharedLocationFields {
  SharedLocationForm form;  // in: the stored folder and whether it is greyed; out on OK
};

// 0 when accepted, 1 when cancelled.
int runSharedLocationDialog(HWND owner, SharedLocationFields& fields);

}  // namespace wabo
