// Message boxes owned by the main window, whatever its handle is when the
// box is shown.
#include "app/shell_win.h"
#include "common/dialog_win.h"

namespace wabo {
namespace {

class MainWindowUi : public Ui {
 public:
  void warn(const char* text) override { warnBox(shell.mainWindow, text); }
  void inform(const char* text) override { informBox(shell.mainWindow, text); }
  bool confirm(const char* text) override { return confirmBox(shell.mainWindow, text); }
};

}  // namespace

Ui& mainUi() {
  static MainWindowUi ui;
  return ui;
}

}  // namespace wabo
