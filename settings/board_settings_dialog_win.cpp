#include "settings/board_settings_dialog_win.h"

#include "common/dialog_win.h"
#include "common/field_text.h"
#include "res/resource.h"
#include "settings/admin_question_win.h"
#include "settings/file_picker_win.h"

namespace wabo {
namespace {

struct BoardRow {
  int name, file, browse;
};

constexpr BoardRow kRows[kBoardCount] = {
    {IDC_BS_NAME1, IDC_BS_FILE1, IDC_BS_BROWSE1}, {IDC_BS_NAME2, IDC_BS_FILE2, IDC_BS_BROWSE2},
    {IDC_BS_NAME3, IDC_BS_FILE3, IDC_BS_BROWSE3}, {IDC_BS_NAME4, IDC_BS_FILE4, IDC_BS_BROWSE4},
    {IDC_BS_NAME5, IDC_BS_FILE5, IDC_BS_BROWSE5},
};

class BoardSettingsDialog : public ModalDialog {
 public:
  explicit BoardSettingsDialog(BoardSettingsFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    for (int b = 0; b < kBoardCount; ++b) {
      setText(kRows[b].name, fields_.boardNames[b]);
      setText(kRows[b].file, fields_.boardPaths[b]);
    }
    focus(IDCANCEL);
    return false;
  }

  bool onCommand(int control, int code) override {
    if (code != BN_CLICKED) return false;
    if (control == IDC_BS_CREATE_FROM_DISPLAY || control == IDC_BS_CREATE_EMPTY) {
      createBoard(control == IDC_BS_CREATE_FROM_DISPLAY ? NewBoardKind::fromDisplay : NewBoardKind::empty);
      return true;
    }
    for (const BoardRow& row : kRows) {
      if (control != row.browse) continue;
      // The select kind gives back the text it was given when cancelled.
      setText(row.file, pickFile(window(), FilePickKind::select, lineText(row.file, kPathBytes)));
      return true;
    }
    return false;
  }

  void onOk() override {
    if (!confirmChangeForEveryone(window())) {
      close(1);
      return;
    }
    for (int b = 0; b < kBoardCount; ++b) {
      fields_.boardNames[b] = lineText(kRows[b].name, kShortTextBytes);
      fields_.boardPaths[b] = lineText(kRows[b].file, kPathBytes);
    }
    close(0);
  }

 private:
  // Wabo.ini keeps one value per line: a text never takes a line break along.
  std::string lineText(int control, std::size_t bufferBytes) const {
    return singleLineFieldText(rawText(control), bufferBytes);
  }

  // Acts at once, whatever OK or Cancel follow; the new file is not entered
  // into any row.
  void createBoard(NewBoardKind kind) {
    std::string path = pickFile(window(), FilePickKind::create, std::string());
    if (path.empty() || !fields_.createBoardFile) return;
    DialogUi ui(window());
    fields_.createBoardFile(kind, path, ui);
  }

  BoardSettingsFields& fields_;
};

}  // namespace

int runBoardSettingsDialog(HWND owner, BoardSettingsFields& fields) {
  BoardSettingsDialog dialog(fields);
  return dialog.run(IDD_BOARD_SETTINGS, owner);
}

}  // namespace wabo
