// Dialog 342 "ｸｲｯｸ入力設定": the two words of the quick-input commands.
#pragma once
#include <windows.h>

#include "settings/user_settings_forms.h"

namespace wabo {

struct QuickInputFields {
  QuickInputForm form;  // in: the words the dialog opens with; out on OK
};

// 0 when accepted, 1 when cancelled.
int runQuickInputDialog(HWND owner, QuickInputFields& fields);

}  // namespace wabo
