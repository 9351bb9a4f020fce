#include "messaging/mail_compose_dialog_win.h"

#include "common/dialog_win.h"
#include "common/limits.h"
#include "messaging/mail_recipients_dialog_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

// A little more than a field keeps, so that the cut to the limit happens at
// a character boundary in the core.
constexpr std::size_t kReadSlack = 8;

class MailComposeDialog : public ModalDialog {
 public:
  explicit MailComposeDialog(MailComposeFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    SendDlgItemMessageA(window(), IDC_MC_RECIPIENTS, EM_LIMITTEXT, kMailRecipientListMaxBytes, 0);
    setText(IDC_MC_RECIPIENTS, fields_.recipientId);
    focus(IDC_MC_TEXT);
    return false;
  }

  // Enter in the receiver field sends, as the default button does.
  void onOk() override { send(); }

  bool onCommand(int control, int code) override {
    if (code != BN_CLICKED) return false;
    if (control == IDC_MC_SEND) {
      send();
      return true;
    }
    if (control == IDC_MC_CHOOSE) {
      chooseRecipients();
      return true;
    }
    return false;
  }

 private:
  void send() {
    std::string text = rawText(IDC_MC_TEXT, kMailTextMaxBytes + kReadSlack);
    std::string recipients = rawText(IDC_MC_RECIPIENTS, kMailRecipientListMaxBytes + kReadSlack);
    DialogUi ui(window());
    if (fields_.send && fields_.send(ui, text, recipients)) close(0);
  }

  void chooseRecipients() {
    MailRecipientsFields chosen;
    if (fields_.members) chosen.members = fields_.members();
    if (runMailRecipientsDialog(window(), chosen) == 0) setText(IDC_MC_RECIPIENTS, chosen.recipientList);
  }

  MailComposeFields& fields_;
};

}  // namespace

int runMailComposeDialog(HWND owner, MailComposeFields& fields) {
  MailComposeDialog dialog(fields);
  return dialog.run(IDD_MAIL_COMPOSE, owner);
}

}  // namespace wabo
