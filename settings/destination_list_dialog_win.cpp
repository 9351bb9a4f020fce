#include "settings/destination_list_dialog_win.h"

#include "common/dialog_win.h"
#include "common/field_text.h"
#include "res/resource.h"
#include "settings/admin_question_win.h"
#include "settings/destination_list_edit.h"

namespace wabo {
namespace {

class DestinationListDialog : public ModalDialog {
 public:
  explicit DestinationListDialog(DestinationListFields& fields)
      : fields_(fields), edit_(fields.destinationList) {}

 protected:
  bool onInit() override {
    showWords();
    focus(IDCANCEL);
    return false;
  }

  bool onCommand(int control, int code) override {
    if (code != BN_CLICKED) return false;
    if (control == IDC_DL_ADD) {
      if (edit_.add(singleLineFieldText(rawText(IDC_DL_NEW_WORD), kShortTextBytes))) {
        setText(IDC_DL_NEW_WORD, std::string());
        showWords();
      }
      return true;
    }
    if (control == IDC_DL_DELETE) {
      edit_.remove(static_cast<int>(SendDlgItemMessageA(window(), IDC_DL_LIST, LB_GETCURSEL, 0, 0)));
      showWords();
      return true;
    }
    return false;
  }

  void onOk() override {
    if (!confirmChangeForEveryone(window())) {
      close(1);
      return;
    }
    fields_.destinationList = edit_.slots();
    close(0);
  }

 private:
  void showWords() {
    SendDlgItemMessageA(window(), IDC_DL_LIST, LB_RESETCONTENT, 0, 0);
    for (const std::string& word : edit_.words())
      SendDlgItemMessageA(window(), IDC_DL_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
  }

  DestinationListFields& fields_;
  DestinationListEdit edit_;
};

}  // namespace

int runDestinationListDialog(HWND owner, DestinationListFields& fields) {
  DestinationListDialog dialog(fields);
  return dialog.run(IDD_DESTINATION_LIST, owner);
}

}  // namespace wabo
