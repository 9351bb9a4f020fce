#include "messaging/mail_recipients_dialog_win.h"

#include "common/dialog_win.h"
#include "common/messages.h"
#include "res/resource.h"

namespace wabo {
namespace {

class MailRecipientsDialog : public ModalDialog {
 public:
  explicit MailRecipientsDialog(MailRecipientsFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    for (const MailMember& member : fields_.members)
      SendDlgItemMessageA(window(), IDC_MR_LIST, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(recipientEntry(member).c_str()));
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    LRESULT count = SendDlgItemMessageA(window(), IDC_MR_LIST, LB_GETSELCOUNT, 0, 0);
    std::vector<int> selected(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (!selected.empty()) {
      LRESULT got = SendDlgItemMessageA(window(), IDC_MR_LIST, LB_GETSELITEMS, selected.size(),
                                        reinterpret_cast<LPARAM>(selected.data()));
      selected.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    if (!joinSelectedIds(fields_.members, selected, fields_.recipientList)) {
      DialogUi(window()).warn(msg::kMailTooManyRecipients);
      return;
    }
    close(0);
  }

 private:
  MailRecipientsFields& fields_;
};

}  // namespace

int runMailRecipientsDialog(HWND owner, MailRecipientsFields& fields) {
  MailRecipientsDialog dialog(fields);
  return dialog.run(IDD_MAIL_RECIPIENTS, owner);
}

}  // namespace wabo
