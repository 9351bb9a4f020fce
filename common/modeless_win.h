// Windows from resource templates that stay open beside the main window
// (the PC search's legend, the change history, the find box), each run by
// an object of its own that outlives its window. The base keeps the list
// of open windows: the message loop gives them their dialog keys, and they
// are all closed when the main window hides into the tray and at exit. One
// window procedure turns messages into calls of the object and never lets
// an exception reach the system's code.
#pragma once
#include <windows.h>

namespace wabo {

class ModelessWindow {
 public:
  ModelessWindow() = default;
  ModelessWindow(const ModelessWindow&) = delete;
  ModelessWindow& operator=(const ModelessWindow&) = delete;
  // Objects live until exit (the windows are closed before it).
  virtual ~ModelessWindow() = default;

  // Opens template `templateId` over `owner`, visible. A window already
  // open is brought to the front instead. False when it cannot be made.
  bool open(int templateId, HWND owner);
  // Destroys the window, if open.
  void close();
  bool isOpen() const { return window_ != nullptr; }
  HWND window() const { return window_; }

  // For the message loop: the keys of the open window that `message` is
  // for (its own keys first, then Tab, Enter, Esc); true when taken.
  static bool takeMessage(MSG& message);
  // Closes every open window: hiding into the tray, exit.
  static void closeAll();
  // True when `window` is one of the open windows.
  static bool isOneOf(HWND window);

 protected:
  // WM_INITDIALOG. Return true to let the system put the focus on the first
  // control, false when the window has set the focus itself.
  virtual bool onInit() = 0;
  // IDCANCEL (Esc, the close box, a button with that ID); closes.
  virtual void onCancel() { close(); }
  // Other WM_COMMAND messages; true when handled.
  virtual bool onCommand(int /*control*/, int /*code*/) { return false; }
  // Any other message; true when handled, with the procedure's value in `result`.
  virtual bool onMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
    return false;
  }
  // A key for the window or one of its controls, before the dialog keys;
  // true when taken.
  virtual bool onKey(const MSG& /*message*/) { return false; }
  // WM_DESTROY: release what onInit made, keep what outlives the window.
  virtual void onDestroy() {}

  HWND item(int control) const { return GetDlgItem(window_, control); }

 private:
  static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
  void forget();

  HWND window_ = nullptr;
};

}  // namespace wabo
