#include "common/modeless_win.h"

#include <algorithm>
#include <vector>

namespace wabo {
namespace {

// The windows open now, in the order they were opened.
std::vector<ModelessWindow*>& openWindows() {
  static std::vector<ModelessWindow*> windows;
  return windows;
}

}  // namespace

bool ModelessWindow::open(int templateId, HWND owner) {
  if (window_ != nullptr) {
    SetForegroundWindow(window_);
    return true;
  }
  // The templates are in the program file itself. WM_INITDIALOG sets window_.
  HWND made = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, procedure,
                                 reinterpret_cast<LPARAM>(this));
  if (made == nullptr) return false;
  ShowWindow(made, SW_SHOW);
  return true;
}

void ModelessWindow::close() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void ModelessWindow::forget() {
  auto& windows = openWindows();
  windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
  window_ = nullptr;
}

bool ModelessWindow::takeMessage(MSG& message) {
  // A copy: a key may close a window.
  const std::vector<ModelessWindow*> windows = openWindows();
  for (ModelessWindow* w : windows) {
    if (w->window_ == nullptr) continue;
    const bool forIt = message.hwnd == w->window_ || IsChild(w->window_, message.hwnd);
    if (forIt && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN)) {
      bool taken = false;
      try {
        taken = w->onKey(message);
      } catch (...) {
        taken = true;
      }
      if (taken) return true;
    }
    if (w->window_ != nullptr && IsDialogMessageA(w->window_, &message)) return true;
  }
  return false;
}

bool ModelessWindow::isOneOf(HWND window) {
  if (window == nullptr) return false;
  for (const ModelessWindow* w : openWindows())
    if (w->window_ == window) return true;
  return false;
}

void ModelessWindow::closeAll() {
  const std::vector<ModelessWindow*> windows = openWindows();
  for (ModelessWindow* w : windows) w->close();
}

INT_PTR CALLBACK ModelessWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ModelessWindow* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<ModelessWindow*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    if (self != nullptr) {
      self->window_ = window;
      openWindows().push_back(self);
    }
  } else {
    self = reinterpret_cast<ModelessWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  try {
    return self->handle(message, wParam, lParam);
  } catch (...) {
    // A failing handler closes the window; its object stays usable.
    if (message != WM_DESTROY) DestroyWindow(window);
    return TRUE;
  }
}

INT_PTR ModelessWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return onInit() ? TRUE : FALSE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        onCancel();
        return TRUE;
      }
      return onCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_CLOSE:
      onCancel();
      return TRUE;
    case WM_DESTROY: {
      // The object forgets its window even when its own handler fails.
      struct Forget {
        ModelessWindow* self;
        HWND window;
        ~Forget() {
          SetWindowLongPtrA(window, DWLP_USER, 0);
          self->forget();
        }
      } forget{this, window_};
      onDestroy();
      return TRUE;
    }
    default: {
      INT_PTR result = FALSE;
      return onMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

}  // namespace wabo
