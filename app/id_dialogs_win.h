// The small input dialogs 103 (delete ID), 104 (target ID), 298 (user ID)
// and 343 (PC-Name): a few one-line fields, OK and ｷｬﾝｾﾙ.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace wabo {

struct IdDialogField {
  int control;
  std::string text;        // in: shown at opening; out, when accepted: as typed (28 bytes, one line)
  bool shownOnly = false;  // a read-only field: its text is not taken back
};

// Runs dialog `templateId` with `fields`; 0 accepted, 1 cancelled. The focus
// starts on ｷｬﾝｾﾙ.
int runIdDialog(HWND owner, int templateId, std::vector<IdDialogField>& fields);

}  // namespace wabo
