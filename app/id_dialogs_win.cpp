// The small input dialogs: 103 (delete ID), 104 (target ID), 298 (user ID)
// and 343 (PC-Name). One procedure serves them all: each field starts with
// a value, OK copies the fields back (28 bytes at most, one line), and the
// focus starts on ｷｬﾝｾﾙ.
#include <string>
#include <vector>

#include "app/board_dialogs_win.h"
#include "app/shell_win.h"
#include "common/dialog_win.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "res/resource.h"

namespace wabo {
namespace {

struct Field {
  int control;
  const std::string* initial;
  std::string* result;  // nullptr: shown only
};

class IdDialog : public ModalDialog {
 public:
  explicit IdDialog(std::vector<Field> fields) : fields_(std::move(fields)) {}

 protected:
  bool onInit() override {
    for (const Field& f : fields_) setText(f.control, *f.initial);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    // All fields are read before any buffer changes: a field may show the
    // buffer another field writes.
    std::vector<std::string> taken;
    for (const Field& f : fields_) taken.push_back(singleLineFieldText(rawText(f.control), kShortTextBytes));
    for (std::size_t i = 0; i < fields_.size(); ++i)
      if (fields_[i].result != nullptr) *fields_[i].result = taken[i];
    close(0);
  }

 private:
  std::vector<Field> fields_;
};

}  // namespace

int runDeleteIdDialog(HWND owner) {
  IdDialog dialog({{IDC_DELETE_ID, &app.edit.deleteId, &app.edit.deleteId}});
  return dialog.run(IDD_DELETE_ID, owner);
}

int runTargetIdDialog(HWND owner) {
  IdDialog dialog({{IDC_TARGET_ID, &app.local.userId, &app.edit.targetId}});
  return dialog.run(IDD_TARGET_ID, owner);
}

int runUserIdDialog(HWND owner) {
  IdDialog dialog({{IDC_USER_ID, &app.local.userId, &app.edit.enteredUserId}});
  return dialog.run(IDD_USER_ID, owner);
}

int runPcNameDialog(HWND owner) {
  // ID and name are shown only (read-only fields): the ID is not read back.
  IdDialog dialog({{IDC_PCN_ID, &app.edit.editId, nullptr},
                   {IDC_PCN_NAME, &app.edit.editName, nullptr},
                   {IDC_PCN_PC_NAME, &app.edit.editPcName, &app.edit.editPcName}});
  return dialog.run(IDD_PC_NAME, owner);
}

}  // namespace wabo
