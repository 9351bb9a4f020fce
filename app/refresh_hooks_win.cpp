// Where the refresh cycle hands over to the mail subsystem: the tick, the
// 更新 command and a board switch call the pickup at their fixed points. The
// background PC search is in app/pc_search_glue_win.cpp.
#include "app/board_dialogs_win.h"
#include "app/mail_commands.h"
#include "app/mail_commands_win.h"
#include "app/shell_win.h"
#include "common/messages.h"
#include "messaging/mail_view_dialog_win.h"

namespace wabo {
namespace {

// The pickup's view of the main window. The placement is taken once per
// pickup and put back as normal before the first view when it said
// minimised.
class MainWindowMail : public MailPickupShell {
 public:
  bool mainWindowMinimised() override {
    placement_ = WINDOWPLACEMENT{};
    placement_.length = sizeof placement_;
    if (!GetWindowPlacement(shell.mainWindow, &placement_)) return false;
    return placement_.showCmd == SW_SHOWMINIMIZED;
  }
  void restoreMainWindow() override {
    placement_.showCmd = SW_SHOWNORMAL;
    SetWindowPlacement(shell.mainWindow, &placement_);
  }
  void announce(const std::string& text) override {
    MessageBoxA(shell.mainWindow, text.c_str(), msg::kCaption, MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
  }
  int viewMail() override {
    MailViewFields fields{app.mail.receivedMail};
    return runMailViewDialog(shell.mainWindow, fields);
  }
  int composeMail() override { return composeMailOverMainWindow(); }

 private:
  WINDOWPLACEMENT placement_{};
};

}  // namespace

void pickUpMailForUser() {
  static MainWindowMail window;
  MailPickupContext ctx = mailPickupContext(shellBoardCommands(), window);
  pickUpMail(ctx);
}

}  // namespace wabo
