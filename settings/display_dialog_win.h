// Dialog 296 "表示の設定": icons, grid lines, font size, row height and the
// two colours of the member list.
#pragma once
#include <windows.h>

#include "settings/user_settings_forms.h"

namespace wabo {

struct DisplayFields {
  HWND colourPickerOwner = nullptr;  // in: the member list view
  DisplayForm form;                  // in: what the dialog opens with; out on OK
};

// 0 when accepted (form holds the confirmed values), 1 when cancelled.
int runDisplayDialog(HWND owner, DisplayFields& fields);

}  // namespace wabo
