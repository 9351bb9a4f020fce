// The legend window 344 ("ｻｰﾁ中"), modeless: two colour swatches, a note, OK
// (close; the search goes on) and 中止 (close and stop the search after the
// probe under way). It shows no progress of its own.
#include "res/resource.h"
#include "search/pc_search_win.h"

namespace wabo {
namespace {

struct ProgressWindow {
  ProgressWindowSetup setup;
  bool* adopted;  // set once the window has taken the state over
  HBRUSH connectedBrush = nullptr;
  HBRUSH notConnectedBrush = nullptr;
};

ProgressWindow* stateOf(HWND window) { return reinterpret_cast<ProgressWindow*>(GetWindowLongPtrA(window, DWLP_USER)); }

void onInit(HWND window, ProgressWindow* state) {
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  *state->adopted = true;
  state->connectedBrush = CreateSolidBrush(state->setup.connectedColour);
  state->notConnectedBrush = CreateSolidBrush(state->setup.notConnectedColour);
  SetFocus(GetDlgItem(window, IDCANCEL));
}

// The swatches take their brushes; every other static is drawn as usual.
INT_PTR onStaticColour(HWND window, HWND control) {
  ProgressWindow* state = stateOf(window);
  if (state == nullptr) return FALSE;
  switch (GetDlgCtrlID(control)) {
    case IDC_SP_CONNECTED:
      return reinterpret_cast<INT_PTR>(state->connectedBrush);
    case IDC_SP_NOT_CONNECTED:
      return reinterpret_cast<INT_PTR>(state->notConnectedBrush);
    default:
      return FALSE;
  }
}

void onCommand(HWND window, int id) {
  ProgressWindow* state = stateOf(window);
  if (id == IDCANCEL && state != nullptr) *state->setup.stopFlag = 1;  // 中止 and the close box
  if (id == IDOK || id == IDCANCEL) DestroyWindow(window);
}

void onDestroy(HWND window) {
  ProgressWindow* state = stateOf(window);
  if (state == nullptr) return;
  SetWindowLongPtrA(window, DWLP_USER, 0);
  if (*state->setup.handleSlot == window) *state->setup.handleSlot = nullptr;
  if (state->connectedBrush != nullptr) DeleteObject(state->connectedBrush);
  if (state->notConnectedBrush != nullptr) DeleteObject(state->notConnectedBrush);
  delete state;
}

INT_PTR CALLBACK progressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      onInit(window, reinterpret_cast<ProgressWindow*>(lParam));
      return FALSE;  // the focus is set
    case WM_CTLCOLORSTATIC:
      return onStaticColour(window, reinterpret_cast<HWND>(lParam));
    case WM_COMMAND:
      onCommand(window, LOWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      onDestroy(window);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

HWND openSearchProgressWindow(HINSTANCE instance, HWND owner, const ProgressWindowSetup& setup) {
  bool adopted = false;
  auto* state = new ProgressWindow{setup, &adopted};
  HWND window = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_SEARCH_PROGRESS), owner, progressProc,
                                   reinterpret_cast<LPARAM>(state));
  // A window that took the state over frees it when it goes.
  if (!adopted) delete state;
  return window;
}

}  // namespace wabo
