#include "app/mail_commands_win.h"

#include "app/board_dialogs_win.h"
#include "app/mail_commands.h"
#include "app/shell_win.h"
#include "messaging/mail_compose_dialog_win.h"

namespace wabo {
namespace {

class ShellComposer : public MailComposer {
 public:
  int composeMail() override { return composeMailOverMainWindow(); }
};

MailCommandContext& mailCommands() {
  static ShellComposer composer;
  static MailCommandContext context{shellBoardCommands(), composer};
  return context;
}

}  // namespace

int composeMailOverMainWindow() {
  MailComposeFields fields;
  fields.recipientId = app.mail.mailRecipientId;
  // Both read the board as it is when the button is pressed: a tick may
  // have reloaded it while the dialog was open.
  fields.send = [](Ui& dialogUi, const std::string& text, const std::string& recipients) {
    MailSendContext send = mailSendContext(shellBoardCommands());
    return sendToRecipientList(send, dialogUi, text, recipients);
  };
  fields.members = [] { return mailMembers(memberList()); };
  return runMailComposeDialog(shell.mainWindow, fields);
}

void onMailToSelectedMember() { mailToSelectedMember(mailCommands()); }

void onMailFromMenu() { mailFromMenu(mailCommands()); }

}  // namespace wabo
