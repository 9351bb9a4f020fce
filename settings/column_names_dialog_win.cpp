#include "settings/column_names_dialog_win.h"

#include "common/dialog_win.h"
#include "common/field_text.h"
#include "res/resource.h"
#include "settings/admin_question_win.h"

namespace wabo {
namespace {

// The edit of caption 1..8; caption 4 (the write time) is shown read-only.
constexpr int kCaptionEdits[kColumnNameCount] = {IDC_CN_CAPTION1, IDC_CN_CAPTION2, IDC_CN_CAPTION3,
                                                 IDC_CN_CAPTION4, IDC_CN_CAPTION5, IDC_CN_CAPTION6,
                                                 IDC_CN_CAPTION7, IDC_CN_CAPTION8};
constexpr int kReadOnlyCaption = 3;

class ColumnNamesDialog : public ModalDialog {
 public:
  explicit ColumnNamesDialog(ColumnNamesFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    for (int i = 0; i < kColumnNameCount; ++i) setText(kCaptionEdits[i], fields_.columnNames[i]);
    focus(IDCANCEL);
    return false;
  }

  void onOk() override {
    if (!confirmChangeForEveryone(window())) {
      close(1);
      return;
    }
    // The read-only caption is not read back: cut to the edit's limit it
    // could differ from the caption without anybody having changed it.
    for (int i = 0; i < kColumnNameCount; ++i)
      if (i != kReadOnlyCaption)
        fields_.columnNames[i] = singleLineFieldText(rawText(kCaptionEdits[i]), kShortTextBytes);
    close(0);
  }

 private:
  ColumnNamesFields& fields_;
};

}  // namespace

int runColumnNamesDialog(HWND owner, ColumnNamesFields& fields) {
  ColumnNamesDialog dialog(fields);
  return dialog.run(IDD_COLUMN_NAMES, owner);
}

}  // namespace wabo
