#include "settings/other_settings_dialog_win.h"

#include "common/dialog_win.h"
#include "common/field_text.h"
#include "res/resource.h"
#include "settings/admin_question_win.h"
#include "settings/folder_picker_win.h"

namespace wabo {
namespace {

class OtherSettingsDialog : public ModalDialog {
 public:
  explicit OtherSettingsDialog(OtherSettingsFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    CheckDlgButton(window(), IDC_OS_BACKUP, fields_.backupEnabled ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window(), IDC_OS_ASK_USER_ID, fields_.askUserIdAtStart ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window(), IDC_OS_PC_SEARCH, fields_.pcSearchAllowed ? BST_CHECKED : BST_UNCHECKED);
    setText(IDC_OS_MAIL_FOLDER, fields_.mailFolder);
    focus(IDCANCEL);
    return false;
  }

  bool onCommand(int control, int code) override {
    if (control != IDC_OS_BROWSE || code != BN_CLICKED) return false;
    char folder[kPathBytes] = {};
    if (pickFolder(window(), "", folder, sizeof folder) == kFolderChosen) setText(IDC_OS_MAIL_FOLDER, folder);
    return true;
  }

  void onOk() override {
    if (!confirmChangeForEveryone(window())) {
      close(1);
      return;
    }
    fields_.backupEnabled = ticked(IDC_OS_BACKUP);
    fields_.askUserIdAtStart = ticked(IDC_OS_ASK_USER_ID);
    fields_.pcSearchAllowed = ticked(IDC_OS_PC_SEARCH);
    fields_.mailFolder = singleLineFieldText(rawText(IDC_OS_MAIL_FOLDER), kPathBytes);
    close(0);
  }

 private:
  int ticked(int control) const { return IsDlgButtonChecked(window(), control) == BST_CHECKED ? 1 : 0; }

  OtherSettingsFields& fields_;
};

}  // namespace

int runOtherSettingsDialog(HWND owner, OtherSettingsFields& fields) {
  OtherSettingsDialog dialog(fields);
  return dialog.run(IDD_OTHER_SETTINGS, owner);
}

}  // namespace wabo
