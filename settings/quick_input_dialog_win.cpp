#include "settings/quick_input_dialog_win.h"

#include "common/dialog_win.h"
#include "common/limits.h"
#include "res/resource.h"

namespace wabo {
namespace {

class QuickInputDialog : public ModalDialog {
 public:
  explicit QuickInputDialog(QuickInputFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    setText(IDC_QI_WORD1, fields_.form.word1);
    setText(IDC_QI_WORD2, fields_.form.word2);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    fields_.form.word1 = fieldText(IDC_QI_WORD1, kShortTextBytes);
    fields_.form.word2 = fieldText(IDC_QI_WORD2, kShortTextBytes);
    close(0);
  }

 private:
  QuickInputFields& fields_;
};

}  // namespace

int runQuickInputDialog(HWND owner, QuickInputFields& fields) {
  QuickInputDialog dialog(fields);
  return dialog.run(IDD_QUICK_INPUT, owner);
}

}  // namespace wabo
