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
 protected:
  bool onInit() override {
    HICON icon = static_cast<HICON>(
        LoadImageA(shell.instanceHandle, MAKEINTRESOURCEA(IDI_MESSAGE), IMAGE_ICON, 16, 16, LR_SHARED));
    if (icon != nullptr) SendMessageA(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    setText(IDC_MESSAGE_TEXT, app.board.allMembersMessage);
    focus(IDC_MESSAGE_TEXT);
    return false;
  }

  void onOk() override {
    if (acceptMessageText(rawText(IDC_MESSAGE_TEXT), app.board)) DialogUi(window()).inform(msg::kCommaConverted);
    close(0);
  }
};

}  // namespace

int runMessageDialog(HWND owner) {
  MessageDialog dialog;
  return dialog.run(IDD_MESSAGE, owner);
}

}  // namespace wabo
