#include "harness/window_query.h"

#include <cstring>

#include "harness/wait.h"

namespace e2e {

namespace {

struct EnumState {
  DWORD pid;
  std::vector<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<EnumState*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == state->pid) state->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows(DWORD pid) {
  EnumState state{pid, {}};
  EnumWindows(collect, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

HWND findTopLevel(DWORD pid, const char* className, const char* title) {
  for (HWND window : topLevelWindows(pid)) {
    if (!IsWindowVisible(window)) continue;
    if (className && windowClass(window) != className) continue;
    if (title) {
      // The title of another process's window is read without a message, so
      // a busy program does not slow the search.
      char text[1024] = {};
      GetWindowTextA(window, text, sizeof text);
      if (std::strcmp(text, title) != 0) continue;
    }
    return window;
  }
  return nullptr;
}

std::string describeWindows(DWORD pid) {
  std::string out;
  for (HWND window : topLevelWindows(pid)) {
    if (!IsWindowVisible(window)) continue;
    if (!out.empty()) out += ", ";
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    out += windowClass(window) + " '" + title + "'";
  }
  return out.empty() ? "none" : out;
}

std::string windowClass(HWND window) {
  char name[256] = {};
  int n = GetClassNameA(window, name, sizeof name);
  return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

LRESULT sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kStepTimeoutMs,
                           &result))
    throw HarnessError(std::string("no answer from the program to ") + what);
  return static_cast<LRESULT>(result);
}

std::string windowText(HWND window) {
  char text[2048] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, kStepTimeoutMs, &copied))
    throw HarnessError("WM_GETTEXT got no answer");
  size_t n = strnlen(text, sizeof text - 1);
  return std::string(text, n);
}

RECT windowRect(HWND window) {
  RECT rect = {};
  if (!GetWindowRect(window, &rect)) throw HarnessError("GetWindowRect failed");
  return rect;
}

std::string controlText(HWND dialog, int controlId) {
  HWND control = GetDlgItem(dialog, controlId);
  if (!control) throw HarnessError("no control " + std::to_string(controlId));
  return windowText(control);
}

void setControlText(HWND dialog, int controlId, const std::string& text) {
  HWND control = GetDlgItem(dialog, controlId);
  if (!control) throw HarnessError("no control " + std::to_string(controlId));
  if (!sendOrThrow(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "WM_SETTEXT"))
    throw HarnessError("WM_SETTEXT refused by control " + std::to_string(controlId));
}

void pressButton(HWND dialog, int controlId) {
  HWND button = GetDlgItem(dialog, controlId);
  if (!button) throw HarnessError("no button " + std::to_string(controlId));
  if (!IsWindowEnabled(button))
    throw HarnessError("button " + std::to_string(controlId) + " is disabled");
  if (!PostMessageA(button, BM_CLICK, 0, 0)) throw HarnessError("cannot post BM_CLICK");
}

}  // namespace e2e
