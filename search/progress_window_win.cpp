// The legend window 344 ("ｻｰﾁ中"), modeless: two colour swatches, a note, OK
// (close; the search goes on) and 中止 (close and stop the search after the
// probe under way). It shows no progress of its own.
#include "common/modeless_win.h"
#include "res/resource.h"
#include "search/pc_search_win.h"

namespace wabo {
namespace {

class ProgressWindow : public ModelessWindow {
 public:
  ProgressWindowSetup setup{};

 protected:
  bool onInit() override {
    connectedBrush_ = CreateSolidBrush(setup.connectedColour);
    notConnectedBrush_ = CreateSolidBrush(setup.notConnectedColour);
    SetFocus(item(IDCANCEL));
    return false;  // the focus is set
  }
  // 中止 and the close box.
  void onCancel() override {
    *setup.stopFlag = 1;
    close();
  }
  bool onCommand(int control, int /*code*/) override {
    if (control == IDOK) close();
    return control == IDOK;
  }
  // The swatches take their brushes; every other static is drawn as usual.
  bool onMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, INT_PTR& result) override {
    if (message != WM_CTLCOLORSTATIC) return false;
    switch (GetDlgCtrlID(reinterpret_cast<HWND>(lParam))) {
      case IDC_SP_CONNECTED:
        result = reinterpret_cast<INT_PTR>(connectedBrush_);
        return true;
      case IDC_SP_NOT_CONNECTED:
        result = reinterpret_cast<INT_PTR>(notConnectedBrush_);
        return true;
      default:
        return false;
    }
  }
  void onDestroy() override {
    if (connectedBrush_ != nullptr) DeleteObject(connectedBrush_);
    if (notConnectedBrush_ != nullptr) DeleteObject(notConnectedBrush_);
    connectedBrush_ = notConnectedBrush_ = nullptr;
  }

 private:
  HBRUSH connectedBrush_ = nullptr;
  HBRUSH notConnectedBrush_ = nullptr;
};

ProgressWindow progressWindow;

}  // namespace

bool openSearchProgressWindow(HWND owner, const ProgressWindowSetup& setup) {
  if (progressWindow.isOpen()) return true;
  progressWindow.setup = setup;
  return progressWindow.open(IDD_SEARCH_PROGRESS, owner);
}

void closeSearchProgressWindow() { progressWindow.close(); }

}  // namespace wabo
