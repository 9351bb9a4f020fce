#include "messaging/bulletin_post_dialog_win.h"

#include "common/dialog_win.h"
#include "messaging/bulletin_board.h"
#include "res/resource.h"

namespace wabo {
namespace {

class BulletinPostDialog : public ModalDialog {
 public:
  explicit BulletinPostDialog(BulletinPostFields& fields) : fields_(fields) {}

 protected:
  bool onInit() override {
    focus(IDC_BN_SUBJECT);
    return false;
  }

  // Command 1 is Enter with no button focused: the dialog has no default
  // button, and the texts typed so far stay.
  void onOk() override {}

  bool onCommand(int control, int code) override {
    if (control != IDC_BN_WRITE || code != BN_CLICKED) return false;
    if (fields_.board != nullptr) {
      DialogUi ui(window());
      fields_.board->writeNewPost(rawText(IDC_BN_SUBJECT), rawText(IDC_BN_TEXT), rawText(IDC_BN_WRITER), ui);
    }
    close(0);
    return true;
  }

 private:
  BulletinPostFields& fields_;
};

}  // namespace

int runBulletinPostDialog(HWND owner, BulletinPostFields& fields) {
  BulletinPostDialog dialog(fields);
  return dialog.run(IDD_BULLETIN_NEW, owner);
}

}  // namespace wabo
