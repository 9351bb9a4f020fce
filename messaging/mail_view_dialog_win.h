// The mail view (305, "ﾒｰﾙ内容"): the mail just picked up, with 返信を書く
// and 保存する (as a text file through the save picker).
#pragma once
#include <windows.h>

#include "messaging/mail_state.h"

namespace wabo {

struct MailViewFields {
  ReceivedMail mail;  // in: shown; the export writes it as received
};

// 0 closed with 閉じる, 1 closed by Esc or the close box, 2 reply wanted.
int runMailViewDialog(HWND owner, MailViewFields& fields);

}  // namespace wabo
