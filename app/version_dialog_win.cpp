#include "app/version_dialog_win.h"

#include "common/dialog_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

class VersionDialog : public ModalDialog {
 protected:
  bool onInit() override {
    focus(IDCANCEL);
    return false;
  }
};

}  // namespace

int runVersionDialog(HWND owner) {
  VersionDialog dialog;
  return dialog.run(IDD_VERSION, owner);
}

}  // namespace wabo
