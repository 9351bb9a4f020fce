#include "settings/shared_location_dialog_win.h"

#include "common/dialog_win.h"
#include "common/limits.h"
#include "res/resource.h"
#include "settings/folder_picker_win.h"

namespace wabo {
namespace {

class SharedLocationDialog : public ModalDialog {
 public:
  explicit SharedLocationDialog(SharedLocationFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    setText(IDC_SL_FOLDER, fields_.form.folder);
    // A program on a UNC path always uses the Wabo.ini beside itself.
    enable(IDC_SL_FOLDER, !fields_.form.fromUnc);
    enable(IDC_SL_BROWSE, !fields_.form.fromUnc);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    fields_.form.folder = fieldText(IDC_SL_FOLDER, kPathBytes);
    close(0);
  }

  bool onCommand(int control, int code) override {
    if (control != IDC_SL_BROWSE || code != BN_CLICKED) return false;
    char chosen[kPathBytes] = {};
    if (pickFolder(window(), "", chosen, sizeof chosen) == kFolderChosen) setText(IDC_SL_FOLDER, chosen);
    return true;
  }

 private:
  SharedLocationFields& fields_;
};

}  // namespace

int runSharedLocationDialog(HWND owner, SharedLocationFields& fields) {
  SharedLocationDialog dialog(fields);
  return dialog.run(IDD_SHARED_LOCATION, owner);
}

}  // namespace wabo
