#include "settings/display_dialog_win.h"

#include "common/dialog_win.h"
#include "common/limits.h"
#include "settings/colour_swatch_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

class DisplayDialog : public SwatchDialog {
 public:
  explicit DisplayDialog(DisplayFields& fields) : SwatchDialog(fields.colourPickerOwner), fields_(fields) {}

 protected:
  bool onInit() override {
    const DisplayForm& form = fields_.form;
    setChecked(IDC_DISP_SHOW_ICONS, form.showIcons == 1);
    setChecked(IDC_DISP_GRID_LINES, form.showGridLines == 1);
    setChecked(IDC_DISP_MARK_OVERDUE, form.markOverdueRows);
    setText(IDC_DISP_FONT_SIZE, form.fontSizeText);
    setText(IDC_DISP_ROW_HEIGHT, form.rowHeightText);
    addSwatch(IDC_DISP_BACK_SWATCH, IDC_DISP_BACK_PICK, form.backgroundColour);
    addSwatch(IDC_DISP_TEXT_SWATCH, IDC_DISP_TEXT_PICK, form.textColour);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    DisplayForm form;
    form.showIcons = isChecked(IDC_DISP_SHOW_ICONS) ? 1 : 0;
    form.showGridLines = isChecked(IDC_DISP_GRID_LINES) ? 1 : 0;
    form.markOverdueRows = isChecked(IDC_DISP_MARK_OVERDUE);
    form.fontSizeText = fieldText(IDC_DISP_FONT_SIZE, kShortTextBytes);
    form.rowHeightText = fieldText(IDC_DISP_ROW_HEIGHT, kShortTextBytes);
    form.backgroundColour = swatchColour(IDC_DISP_BACK_SWATCH);
    form.textColour = swatchColour(IDC_DISP_TEXT_SWATCH);
    fields_.form = form;
    close(0);
  }

 private:
  DisplayFields& fields_;
};

}  // namespace

int runDisplayDialog(HWND owner, DisplayFields& fields) {
  DisplayDialog dialog(fields);
  return dialog.run(IDD_DISPLAY, owner);
}

}  // namespace wabo
