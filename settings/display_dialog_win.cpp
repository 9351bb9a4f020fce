#include "settings/display_dialog_win.h"

#include "common/dialog_win.h"
#include "common/limits.h"
#include "settings/colour_swatch_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

class DisplayDialog : public ModalDialog {
 public:
  explicit DisplayDialog(DisplayFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    const DisplayForm& form = fields_.form;
    setChecked(IDC_DISP_SHOW_ICONS, form.showIcons == 1);
    setChecked(IDC_DISP_GRID_LINES, form.showGridLines == 1);
    setText(IDC_DISP_FONT_SIZE, form.fontSizeText);
    setText(IDC_DISP_ROW_HEIGHT, form.rowHeightText);
    swatches_.add(IDC_DISP_BACK_SWATCH, form.backgroundColour);
    swatches_.add(IDC_DISP_TEXT_SWATCH, form.textColour);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    DisplayForm form;
    form.showIcons = isChecked(IDC_DISP_SHOW_ICONS) ? 1 : 0;
    form.showGridLines = isChecked(IDC_DISP_GRID_LINES) ? 1 : 0;
    form.fontSizeText = fieldText(IDC_DISP_FONT_SIZE, kShortTextBytes);
    form.rowHeightText = fieldText(IDC_DISP_ROW_HEIGHT, kShortTextBytes);
    form.backgroundColour = swatches_.colour(IDC_DISP_BACK_SWATCH);
    form.textColour = swatches_.colour(IDC_DISP_TEXT_SWATCH);
    if (const char* refusal = checkDisplayForm(form)) {
      DialogUi(window()).warn(refusal);
      return;
    }
    fields_.form = form;
    close(0);
  }

  bool onCommand(int control, int code) override {
    if (code != BN_CLICKED) return false;
    if (control == IDC_DISP_BACK_PICK) swatches_.pick(window(), fields_.colourPickerOwner, IDC_DISP_BACK_SWATCH);
    else if (control == IDC_DISP_TEXT_PICK) swatches_.pick(window(), fields_.colourPickerOwner, IDC_DISP_TEXT_SWATCH);
    else return false;
    return true;
  }

  HBRUSH onStaticColour(int control) override { return swatches_.brushFor(control); }
  void onDestroy() override { swatches_.release(); }

 private:
  DisplayFields& fields_;
  ColourSwatches swatches_;
};

}  // namespace

int runDisplayDialog(HWND owner, DisplayFields& fields) {
  DisplayDialog dialog(fields);
  return dialog.run(IDD_DISPLAY, owner);
}

}  // namespace wabo
