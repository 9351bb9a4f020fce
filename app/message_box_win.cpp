// Message boxes: failures and refusals with the warning icon, reports of
// success with the information icon, questions with OK and Cancel.
#include "app/shell_win.h"
#include "common/messages.h"

namespace wabo {
namespace {

void warnOwnedBy(HWND owner, const char* text) { MessageBoxA(owner, text, msg::kCaption, MB_OK | MB_ICONWARNING); }

void informOwnedBy(HWND owner, const char* text) {
  MessageBoxA(owner, text, msg::kCaption, MB_OK | MB_ICONINFORMATION);
}

bool confirmOwnedBy(HWND owner, const char* text) {
  return MessageBoxA(owner, text, msg::kConfirmCaption, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) == IDOK;
}

// Owned by the main window, whatever its handle is when the box is shown.
class MainWindowUi : public Ui {
 public:
  void warn(const char* text) override { warnOwnedBy(shell.mainWindow, text); }
  void inform(const char* text) override { informOwnedBy(shell.mainWindow, text); }
  bool confirm(const char* text) override { return confirmOwnedBy(shell.mainWindow, text); }
};

}  // namespace

Ui& mainUi() {
  static MainWindowUi ui;
  return ui;
}

void DialogUi::warn(const char* text) { warnOwnedBy(owner_, text); }
void DialogUi::inform(const char* text) { informOwnedBy(owner_, text); }
bool DialogUi::confirm(const char* text) { return confirmOwnedBy(owner_, text); }

}  // namespace wabo
