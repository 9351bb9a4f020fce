// Dialog 310 "全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成": the board's message to all members.
#include "app/board_dialogs_win.h"
#include "app/shell_win.h"
#include "common/dialog_win.h"
#include "common/messages.h"
#include "members/message_form.h"
#include "res/resource.h"

namespace wabo {
namespace {

class MessageDialog : public ModalDialog {
 public:
  explicit MessageDialog(std::string& message) : message_(message) {}

 protected:
  bool onInit() override {
    HICON icon = static_cast<HICON>(
        LoadImageA(shell.instanceHandle, MAKEINTRESOURCEA(IDI_MESSAGE), IMAGE_ICON, 16, 16, LR_SHARED));
    if (icon != nullptr) SendMessageA(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    setText(IDC_MESSAGE_TEXT, message_);
    focus(IDC_MESSAGE_TEXT);
    return false;
  }

  void onOk() override {
    if (acceptMessageText(rawText(IDC_MESSAGE_TEXT), message_)) DialogUi(window()).inform(msg::kCommaConverted);
    close(0);
  }

 private:
  std::string& message_;
};

}  // namespace

int runMessageDialog(HWND owner, std::string& message) {
  MessageDialog dialog(message);
  return dialog.run(IDD_MESSAGE, owner);
}

}  // namespace wabo
