// Dialog 152 "行き先の変更": the form in which a member's row is edited, or a
// new member is added. It edits its fields' buffers; the command that opened
// it brings the board up to date and writes them into the row.
#include "members/destination_dialog_win.h"

#include <commctrl.h>

#include "common/dialog_win.h"
#include "common/dpi_win.h"
#include "common/messages.h"
#include "members/destination_form.h"
#include "members/member_icons_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

constexpr char kNewMemberTitle[] = "新規ﾒﾝﾊﾞｰの追加";
constexpr int kIconUnits = 32;  // 96-DPI units
constexpr UINT_PTR kFrameSubclassId = 1;

// The field controls in the order of DestinationField.
constexpr int kFieldControls[kDestinationFieldCount] = {IDC_DEST_ID,     IDC_DEST_NAME,    IDC_DEST_DESTINATION,
                                                         IDC_DEST_RETURN, IDC_DEST_MOBILE,  IDC_DEST_CONTACT,
                                                         IDC_DEST_SCHEDULE, IDC_DEST_OTHER};
// The labels and the column caption (1..8) each shows; caption 4, the write
// time, has no field.
constexpr struct {
  int control;
  int caption;
} kLabels[] = {{IDC_DEST_LABEL_NAME, 1},   {IDC_DEST_LABEL_DESTINATION, 2}, {IDC_DEST_LABEL_RETURN, 3},
               {IDC_DEST_LABEL_MOBILE, 5}, {IDC_DEST_LABEL_CONTACT, 6},     {IDC_DEST_LABEL_SCHEDULE, 7},
               {IDC_DEST_LABEL_OTHER, 8}};

// The icon frame paints itself, then the member's icon at its top-left corner.
LRESULT CALLBACK iconFrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(frame, iconFrameProc, kFrameSubclassId);
  LRESULT result = DefSubclassProc(frame, message, wParam, lParam);
  if (message == WM_PAINT) {
    HICON icon = reinterpret_cast<HICON>(data);
    HDC dc = GetDC(frame);
    if (dc != nullptr) {
      const int size = scaledFor(frame, kIconUnits);
      if (icon != nullptr) DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
      ReleaseDC(frame, dc);
    }
  }
  return result;
}

class DestinationDialog : public ModalDialog {
 public:
  explicit DestinationDialog(DestinationDialogFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    const EditBuffers& edit = fields_.edit;
    icon_ = loadMemberIcon(formIconNumber(edit), scaledFor(window(), kIconUnits));
    HWND frame = item(IDC_DEST_ICON);
    if (frame != nullptr)
      SetWindowSubclass(frame, iconFrameProc, kFrameSubclassId, reinterpret_cast<DWORD_PTR>(icon_));

    DestinationForm shown = formFromBuffers(edit);
    for (int i = 0; i < kDestinationFieldCount; ++i) setText(kFieldControls[i], shown.texts[i]);
    EnableWindow(item(IDC_DEST_ID), formIdEditable(edit) ? TRUE : FALSE);
    for (const auto& label : kLabels) setText(label.control, destinationCaption(fields_.columnNames, label.caption));

    HWND combo = item(IDC_DEST_DESTINATION);
    for (const std::string& word : fields_.destinationChoices)
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
    setText(IDC_DEST_DESTINATION, edit.editDestination);

    if (formAddsMember(edit)) {
      SetWindowTextA(window(), kNewMemberTitle);
      focus(IDC_DEST_ID);
    } else {
      focus(IDC_DEST_DESTINATION);
    }
    return false;
  }

  void onOk() override {
    DestinationForm typed;
    for (int i = 0; i < kDestinationFieldCount; ++i) typed.texts[i] = rawText(kFieldControls[i]);
    DestinationVerdict verdict = acceptDestinationForm(typed, fields_.edit);
    DialogUi ui(window());
    if (!verdict.accepted) {
      ui.warn(verdict.warning);
      focus(kFieldControls[static_cast<int>(verdict.focus)]);
      return;
    }
    if (verdict.commasReplaced) ui.inform(msg::kCommaConverted);
    close(0);
  }

  void onDestroy() override {
    if (icon_ != nullptr) DestroyIcon(icon_);
    icon_ = nullptr;
  }

 private:
  DestinationDialogFields& fields_;
  HICON icon_ = nullptr;
};

}  // namespace

int runDestinationDialog(HWND owner, DestinationDialogFields& fields) {
  DestinationDialog dialog(fields);
  return dialog.run(IDD_DESTINATION, owner);
}

}  // namespace wabo
