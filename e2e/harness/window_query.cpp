#include "harness/window_query.h"

#include <cstring>
#include <vector>

#include "harness/wait.h"

namespace e2e {

namespace {

std::vector<HWND> visibleTopLevel(DWORD pid) {
  std::vector<HWND> found;
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == pid && IsWindowVisible(window)) found.push_back(window);
  }
  return found;
}

// Class and title are read without a message, so a busy program does not
// slow the search.
std::string className(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string plainTitle(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND control(HWND dialog, int controlId) {
  HWND found = GetDlgItem(dialog, controlId);
  if (!found) throw HarnessError("no control " + std::to_string(controlId));
  return found;
}

}  // namespace

HWND findTopLevel(DWORD pid, const char* wantedClass, const char* title) {
  for (HWND window : visibleTopLevel(pid))
    if ((!wantedClass || className(window) == wantedClass) && (!title || plainTitle(window) == title)) return window;
  return nullptr;
}

std::string describeWindows(DWORD pid) {
  std::string out;
  for (HWND window : visibleTopLevel(pid)) out += className(window) + " '" + plainTitle(window) + "' ";
  return out.empty() ? "none" : out;
}

LRESULT sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kStepTimeoutMs, &result))
    throw HarnessError(std::string("no answer from the program to ") + what);
  return static_cast<LRESULT>(result);
}

std::string windowText(HWND window) {
  char text[2048] = {};
  sendOrThrow(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), "WM_GETTEXT");
  return std::string(text, strnlen(text, sizeof text - 1));
}

RECT windowRect(HWND window) {
  RECT rect = {};
  if (!GetWindowRect(window, &rect)) throw HarnessError("GetWindowRect failed");
  return rect;
}

bool isShown(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

void waitUntilGone(HWND window) {
  if (!waitUntil([&] { return !isShown(window); }))
    throw HarnessError("the window '" + plainTitle(window) + "' did not close");
}

std::string controlText(HWND dialog, int controlId) { return windowText(control(dialog, controlId)); }

void setControlText(HWND dialog, int controlId, const std::string& text) {
  if (!sendOrThrow(control(dialog, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), "WM_SETTEXT"))
    throw HarnessError("WM_SETTEXT refused by control " + std::to_string(controlId));
}

void pressButton(HWND dialog, int controlId) {
  HWND button = control(dialog, controlId);
  if (!IsWindowEnabled(button) || !PostMessageA(button, BM_CLICK, 0, 0))
    throw HarnessError("cannot press button " + std::to_string(controlId));
}

}  // namespace e2e
