// Dialog 310 "全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成": the board's message to all members.
#include "members/message_dialog_win.h"

#include "common/dialog_win.h"
#include "common/dpi_win.h"
#include "common/messages.h"
#include "members/member_icons_win.h"
#include "members/message_form.h"
#include "res/resource.h"

namespace wabo {
namespace {

class MessageDialog : public ModalDialog {
 public:
  explicit MessageDialog(MessageDialogFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    HICON icon = loadSmallIcon(IDI_MESSAGE, scaledFor(window(), 16));
    if (icon != nullptr) SendMessageA(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    setText(IDC_MESSAGE_TEXT, fields_.message);
    focus(IDC_MESSAGE_TEXT);
    return false;
  }

  void onOk() override {
    if (acceptMessageText(rawText(IDC_MESSAGE_TEXT), fields_.message))
      DialogUi(window()).inform(msg::kCommaConverted);
    close(0);
  }

 private:
  MessageDialogFields& fields_;
};

}  // namespace

int runMessageDialog(HWND owner, MessageDialogFields& fields) {
  MessageDialog dialog(fields);
  return dialog.run(IDD_MESSAGE, owner);
}

}  // namespace wabo
