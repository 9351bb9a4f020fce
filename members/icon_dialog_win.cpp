// Dialog 137 "アイコンの選択": the 70 member icons in an icon view; a click
// writes the picture's number into the number field.
#include "members/icon_dialog_win.h"

#include <commctrl.h>

#include "common/dialog_win.h"
#include "common/dpi_win.h"
#include "common/limits.h"
#include "members/icon_form.h"
#include "members/member_icons_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

constexpr int kIconUnits = 32;  // 96-DPI units

class IconDialog : public ModalDialog {
 public:
  explicit IconDialog(IconDialogFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    HWND list = item(IDC_ICON_LIST);
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    // 16-bit colour without a mask: the icons are drawn onto the window colour.
    images_ = createMemberIconList(scaledFor(window(), kIconUnits), GetSysColor(COLOR_WINDOW));
    if (images_ != nullptr) {
      SendMessageA(list, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
    }
    for (int n = 0; n < kMemberIconCount; ++n) {
      std::string label = iconLabel(n);
      LVITEMA entry = {};
      entry.mask = LVIF_TEXT | LVIF_IMAGE;
      entry.iItem = n;
      entry.pszText = const_cast<char*>(label.c_str());
      entry.iImage = n;
      SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    }
    setText(IDC_ICON_TARGET_ID, fields_.targetId);
    setText(IDC_ICON_NUMBER, fields_.numberText);
    focus(IDCANCEL);
    return false;
  }

  bool onNotify(NMHDR* header) override {
    if (header == nullptr || header->idFrom != IDC_ICON_LIST || header->code != NM_CLICK) return false;
    int selected = static_cast<int>(SendMessageA(header->hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                                 MAKELPARAM(LVNI_SELECTED, 0)));
    if (selected >= 0) setText(IDC_ICON_NUMBER, iconLabel(selected));
    return true;
  }

  void onOk() override {
    IconVerdict verdict = acceptIconForm(rawText(IDC_ICON_TARGET_ID), rawText(IDC_ICON_NUMBER), *fields_.list,
                                         fields_.targetId, fields_.numberText);
    if (!verdict.accepted) {
      DialogUi(window()).warn(verdict.warning);
      focus(verdict.numberAtFault ? IDC_ICON_NUMBER : IDC_ICON_TARGET_ID);
      return;
    }
    close(0);
  }

  void onDestroy() override {
    // The list view would destroy its image list with itself; the dialog
    // owns this one, so it takes it back first.
    SendMessageA(item(IDC_ICON_LIST), LVM_SETIMAGELIST, LVSIL_NORMAL, 0);
    if (images_ != nullptr) ImageList_Destroy(images_);
    images_ = nullptr;
  }

 private:
  IconDialogFields& fields_;
  HIMAGELIST images_ = nullptr;
};

}  // namespace

int runIconDialog(HWND owner, IconDialogFields& fields) {
  if (fields.list == nullptr) return 1;
  IconDialog dialog(fields);
  return dialog.run(IDD_ICON, owner);
}

}  // namespace wabo
