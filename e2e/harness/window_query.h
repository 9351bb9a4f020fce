// Finding and driving the top-level windows of another process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Top-level windows of the process, in z-order (EnumWindows).
std::vector<HWND> topLevelWindows(DWORD pid);
// First visible top-level window of the process with this class (and this
// exact title when `title` is not null); null when there is none.
HWND findTopLevel(DWORD pid, const char* className, const char* title);

// The process's visible top-level windows as "class 'title'" items, for
// messages that say what was on screen instead of what was awaited.
std::string describeWindows(DWORD pid);

std::string windowClass(HWND window);
// Title of a window or text of a control, read with WM_GETTEXT (bounded).
std::string windowText(HWND window);
RECT windowRect(HWND window);
std::string controlText(HWND dialog, int controlId);

// Sets a control's text, as SetDlgItemTextA does (WM_SETTEXT); throws on failure.
void setControlText(HWND dialog, int controlId, const std::string& text);
// Presses a button by posting BM_CLICK, so that a dialog the button opens does
// not block the driver. Throws when the button is missing or disabled.
void pressButton(HWND dialog, int controlId);

// SendMessageTimeout with the driver's step timeout; throws on timeout.
LRESULT sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what);

}  // namespace e2e
