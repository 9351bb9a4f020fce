#include "settings/auto_update_dialog_win.h"

#include "common/dialog_win.h"
#include "common/limits.h"
#include "res/resource.h"
#include "settings/colour_swatch_win.h"

namespace wabo {
namespace {

class AutoUpdateDialog : public SwatchDialog {
 public:
  explicit AutoUpdateDialog(AutoUpdateFields& fields) : SwatchDialog(fields.colourPickerOwner), fields_(fields) {}

 protected:
  bool onInit() override {
    const AutoUpdateForm& form = fields_.form;
    setChecked(IDC_AU_ENABLED, form.enabled == 1);
    setText(IDC_AU_MINUTES, form.minutesText);
    setChecked(IDC_AU_PC_SEARCH, form.pcSearch == 1);
    addSwatch(IDC_AU_CONNECTED_SWATCH, IDC_AU_CONNECTED_PICK, form.connectedColour);
    addSwatch(IDC_AU_NOT_CONNECTED_SWATCH, IDC_AU_NOT_CONNECTED_PICK, form.notConnectedColour);
    // Shown, and stored again on OK, but not to be changed here.
    for (int control : {IDC_AU_PC_SEARCH, IDC_AU_CONNECTED_PICK, IDC_AU_NOT_CONNECTED_PICK})
      enable(control, form.pcSearchAllowed);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    AutoUpdateForm form = fields_.form;
    form.enabled = isChecked(IDC_AU_ENABLED) ? 1 : 0;
    form.pcSearch = isChecked(IDC_AU_PC_SEARCH) ? 1 : 0;
    form.minutesText = fieldText(IDC_AU_MINUTES, kShortTextBytes);
    form.connectedColour = swatchColour(IDC_AU_CONNECTED_SWATCH);
    form.notConnectedColour = swatchColour(IDC_AU_NOT_CONNECTED_SWATCH);
    if (const char* refusal = checkAutoUpdateForm(form)) {
      DialogUi(window()).warn(refusal);
      return;
    }
    fields_.form = form;
    close(0);
  }

 private:
  AutoUpdateFields& fields_;
};

}  // namespace

int runAutoUpdateDialog(HWND owner, AutoUpdateFields& fields) {
  AutoUpdateDialog dialog(fields);
  return dialog.run(IDD_AUTO_UPDATE, owner);
}

}  // namespace wabo
