// The small input dialogs: one procedure serves them all. Each field starts
// with a text, and OK takes every field that is not shown only (28 bytes at
// most, one line).
#include "app/id_dialogs_win.h"

#include "common/dialog_win.h"
#include "common/field_text.h"
#include "common/limits.h"

namespace wabo {
namespace {

class IdDialog : public ModalDialog {
 public:
  explicit IdDialog(std::vector<IdDialogField>& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    for (const IdDialogField& f : fields_) setText(f.control, f.text);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    for (IdDialogField& f : fields_)
      if (!f.shownOnly) f.text = singleLineFieldText(rawText(f.control), kShortTextBytes);
    close(0);
  }

 private:
  std::vector<IdDialogField>& fields_;
};

}  // namespace

int runIdDialog(HWND owner, int templateId, std::vector<IdDialogField>& fields) {
  // The caller's texts change only when the dialog is accepted.
  std::vector<IdDialogField> working = fields;
  IdDialog dialog(working);
  int result = dialog.run(templateId, owner);
  if (result == 0) fields = working;
  return result;
}

}  // namespace wabo
