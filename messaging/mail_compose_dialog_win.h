// The compose dialog (304, "ﾒｰﾙ作成"): a text, the receivers' IDs separated
// by ",", and 送信先選択 to fill them from the board shown.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/ui.h"
#include "messaging/mail_send.h"

namespace wabo {

struct MailComposeFields {
  // In: the receiver field at opening ("" for none).
  std::string recipientId;
  // In: 送信 with the typed text and receiver field; the dialog's own
  // messages go through `dialogUi`. False keeps the dialog open.
  std::function<bool(Ui& dialogUi, const std::string& text, const std::string& recipients)> send;
  // In: the members 送信先選択 offers, taken when it is pressed.
  std::function<std::vector<MailMember>()> members;
};

// 0 after a send attempt, 1 cancelled (nothing sent).
int runMailComposeDialog(HWND owner, MailComposeFields& fields);

}  // namespace wabo
