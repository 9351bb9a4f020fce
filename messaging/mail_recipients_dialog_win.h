// The receiver selection (341, "ﾒｰﾙ送信先の選択"): every member of the board
// shown as "ID,  name"; several can be chosen.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "messaging/mail_send.h"

namespace wabo {

struct MailRecipientsFields {
  std::vector<MailMember> members;  // in: the board shown, top to bottom
  std::string recipientList;        // out: IDs of the chosen entries joined by ","
};

// 0 OK (recipientList set, "" when nothing is chosen), 1 cancelled.
int runMailRecipientsDialog(HWND owner, MailRecipientsFields& fields);

}  // namespace wabo
