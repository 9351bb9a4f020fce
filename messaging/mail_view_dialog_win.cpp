#include "messaging/mail_view_dialog_win.h"

#include "common/dialog_win.h"
#include "messaging/mail_pickup.h"
#include "res/resource.h"
#include "settings/file_picker_win.h"

namespace wabo {
namespace {

constexpr int kReplyResult = 2;

class MailViewDialog : public ModalDialog {
 public:
  explicit MailViewDialog(MailViewFields& fields) : fields_(fields) {}
  bool replyWanted = false;

 protected:
  bool onInit() override {
    setText(IDC_MV_SENDER, fields_.mail.senderId);
    setText(IDC_MV_TIME, fields_.mail.sentTime);
    setText(IDC_MV_TEXT, fields_.mail.body);
    // On 閉じる, so that Enter closes and the text is not shown selected.
    focus(IDOK);
    return false;
  }

  bool onCommand(int control, int code) override {
    if (code != BN_CLICKED) return false;
    if (control == IDC_MV_REPLY) {
      replyWanted = true;
      close(kReplyResult);
      return true;
    }
    if (control == IDC_MV_SAVE) {
      // The view stays open: the user can still reply or close.
      std::string path = pickFile(window(), FilePickKind::save, "*.txt");
      if (!path.empty()) saveMailAsText(path, fields_.mail);
      return true;
    }
    return false;
  }

 private:
  MailViewFields& fields_;
};

}  // namespace

int runMailViewDialog(HWND owner, MailViewFields& fields) {
  MailViewDialog dialog(fields);
  int result = dialog.run(IDD_MAIL_VIEW, owner);
  return dialog.replyWanted ? kReplyResult : result;
}

}  // namespace wabo
