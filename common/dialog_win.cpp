#include "common/dialog_win.h"

#include <vector>

#include "common/field_text.h"
#include "common/messages.h"

namespace wabo {

void warnBox(HWND owner, const char* text) { MessageBoxA(owner, text, msg::kCaption, MB_OK | MB_ICONWARNING); }

void informBox(HWND owner, const char* text) { MessageBoxA(owner, text, msg::kCaption, MB_OK | MB_ICONINFORMATION); }

bool confirmBox(HWND owner, const char* text) {
  return MessageBoxA(owner, text, msg::kConfirmCaption, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) == IDOK;
}

int ModalDialog::run(int templateId, HWND owner) {
  // The templates are in the program file itself.
  INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, procedure,
                                   reinterpret_cast<LPARAM>(this));
  return result == 0 ? 0 : 1;
}

void ModalDialog::close(int result) { EndDialog(window_, result); }

std::string ModalDialog::rawText(int control, std::size_t maxBytes) const {
  std::vector<char> buffer(maxBytes + 1, '\0');
  GetDlgItemTextA(window_, control, buffer.data(), static_cast<int>(buffer.size()));
  buffer.back() = '\0';
  return std::string(buffer.data());
}

std::string ModalDialog::fieldText(int control, std::size_t bufferBytes) const {
  return wabo::fieldText(rawText(control), bufferBytes);
}

void ModalDialog::setText(int control, const std::string& text) { SetDlgItemTextA(window_, control, text.c_str()); }

void ModalDialog::focus(int control) {
  HWND target = item(control);
  if (target != nullptr) SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

INT_PTR CALLBACK ModalDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ModalDialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<ModalDialog*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    if (self != nullptr) self->window_ = window;
  } else {
    self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  try {
    return self->handle(message, wParam, lParam);
  } catch (...) {
    // A failing handler ends the dialog as cancelled; nothing is changed.
    if (message != WM_DESTROY) EndDialog(window, 1);
    return TRUE;
  }
}

INT_PTR ModalDialog::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return onInit() ? TRUE : FALSE;
    case WM_COMMAND: {
      int control = LOWORD(wParam);
      int code = HIWORD(wParam);
      if (control == IDOK && code == BN_CLICKED) {
        onOk();
        return TRUE;
      }
      if (control == IDCANCEL) {
        onCancel();
        return TRUE;
      }
      return onCommand(control, code) ? TRUE : FALSE;
    }
    case WM_NOTIFY:
      return onNotify(reinterpret_cast<NMHDR*>(lParam)) ? TRUE : FALSE;
    case WM_CTLCOLORSTATIC: {
      INT_PTR handled = FALSE;
      if (onMessage(message, wParam, lParam, handled)) return handled;
      HBRUSH brush = onStaticColour(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      return reinterpret_cast<INT_PTR>(brush);  // null: the system paints as usual
    }
    case WM_CLOSE:
      onCancel();
      return TRUE;
    case WM_DESTROY:
      onDestroy();
      return FALSE;
    default: {
      INT_PTR result = FALSE;
      return onMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

}  // namespace wabo
