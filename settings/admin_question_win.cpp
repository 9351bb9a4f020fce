#include "settings/admin_question_win.h"

#include "common/messages.h"

namespace wabo {

bool confirmChangeForEveryone(HWND dialog) {
  return MessageBoxA(dialog, msg::kAffectsEveryone, msg::kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

}  // namespace wabo
