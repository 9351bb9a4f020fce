// Modal dialogs from resource templates, each run with an object of its own.
// One dialog procedure turns messages into calls of the object and never
// lets an exception reach the system's code. A dialog's caller fills its
// input fields before run() and reads its output fields after an accepted
// run; the dialog itself touches no state of the program.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

#include "common/ui.h"

namespace wabo {

// Message boxes owned by `owner`: failures and refusals with the warning
// icon, reports of success with the information icon, questions with OK and
// Cancel (true for OK).
void warnBox(HWND owner, const char* text);
void informBox(HWND owner, const char* text);
bool confirmBox(HWND owner, const char* text);

// Message boxes owned by a dialog.
class DialogUi : public Ui {
 public:
  explicit DialogUi(HWND owner) : owner_(owner) {}
  void warn(const char* text) override { warnBox(owner_, text); }
  void inform(const char* text) override { informBox(owner_, text); }
  bool confirm(const char* text) override { return confirmBox(owner_, text); }

 private:
  HWND owner_;
};

class ModalDialog {
 public:
  virtual ~ModalDialog() = default;

  // Runs dialog template `templateId` modally over `owner`. Returns the
  // dialog's result: 0 accepted, 1 cancelled (also when the template could
  // not be opened or a handler failed).
  int run(int templateId, HWND owner);

 protected:
  // WM_INITDIALOG. Return true to let the system put the focus on the first
  // control, false when the dialog has set the focus itself.
  virtual bool onInit() = 0;
  // IDOK; the default closes with 0.
  virtual void onOk() { close(0); }
  // IDCANCEL (the button or the window's close box); closes with 1.
  virtual void onCancel() { close(1); }
  // Other WM_COMMAND and WM_NOTIFY messages; true when handled.
  virtual bool onCommand(int /*control*/, int /*code*/) { return false; }
  virtual bool onNotify(NMHDR* /*header*/) { return false; }
  // WM_DESTROY: release what onInit made.
  virtual void onDestroy() {}
  // Any other message (WM_CTLCOLORSTATIC, ...); true when handled, with the
  // value the dialog procedure returns for it in `result`.
  virtual bool onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
    return false;
  }
  // WM_CTLCOLORSTATIC: the brush that paints the background of static
  // control `control`, or null for the system's colours.
  virtual HBRUSH onStaticColour(int /*control*/) { return nullptr; }

  void close(int result);
  HWND window() const { return window_; }
  HWND item(int control) const { return GetDlgItem(window_, control); }

  // The text of a control, read into a buffer larger than any field of the
  // program, then cut to what a buffer of `bufferBytes` takes from a field
  // (never half a double-byte character).
  std::string fieldText(int control, std::size_t bufferBytes) const;
  // The whole text of a control, bounded by `maxBytes`.
  std::string rawText(int control, std::size_t maxBytes = 4096) const;
  void setText(int control, const std::string& text);
  void focus(int control);
  bool isChecked(int control) const { return IsDlgButtonChecked(window_, control) == BST_CHECKED; }
  void setChecked(int control, bool on) { CheckDlgButton(window_, control, on ? BST_CHECKED : BST_UNCHECKED); }
  void enable(int control, bool on) { EnableWindow(item(control), on ? TRUE : FALSE); }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

}  // namespace wabo
