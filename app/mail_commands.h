// The two menu commands that open the compose dialog, and the main window's
// side of the mail pickup. The sender of every mail is userId, so both
// commands see to it that one is set before the dialog opens.
#pragma once
#include "app/board_commands.h"
#include "messaging/mail_pickup.h"
#include "messaging/mail_send.h"

namespace wabo {

// The compose dialog (304) over the main window, with mailRecipientId as its
// preset; 0 after a send attempt, 1 cancelled.
class MailComposer {
 public:
  virtual ~MailComposer() = default;
  virtual int composeMail() = 0;
};

struct MailCommandContext {
  BoardCommandContext& board;  // list, state, user ID dialog, main-window message boxes
  MailComposer& composer;
};

// 40031 (list context menu): asks for the user ID when none is set; then
// the compose dialog addressed to the first selected row, or to nobody.
// Without a user ID afterwards nothing opens.
void mailToSelectedMember(MailCommandContext& ctx);

// 40032 (menu bar): the own-row lookup; when the user's row is on the board
// shown, the compose dialog addressed to nobody.
void mailFromMenu(MailCommandContext& ctx);

// The send and pickup contexts over the program's state.
MailSendContext mailSendContext(BoardCommandContext& board);
MailPickupContext mailPickupContext(BoardCommandContext& board, MailPickupShell& shell);

}  // namespace wabo
