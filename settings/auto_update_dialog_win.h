// Dialog 105 "自動更新の設定": auto update and its period, the PC search at
// each update, and the two row colours of the search.
#pragma once
#include <windows.h>

#include "settings/user_settings_forms.h"

namespace wabo {

struct AutoUpdateFields {
  HWND colourPickerOwner = nullptr;  // in: the member list view
  AutoUpdateForm form;               // in: what the dialog opens with; out on OK
};

// 0 when accepted (form holds the confirmed values), 1 when cancelled.
int runAutoUpdateDialog(HWND owner, AutoUpdateFields& fields);

}  // namespace wabo
