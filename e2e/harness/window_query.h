// Finding and driving the windows of another process.
#pragma once
#include <windows.h>

#include <string>

namespace e2e {

// First visible top-level window of the process with this class (and this
// exact title when `title` is not null); null when there is none.
HWND findTopLevel(DWORD pid, const char* className, const char* title);
// "class 'title', ..." of the visible top-level windows, for error messages.
std::string describeWindows(DWORD pid);

// SendMessageTimeout with the step timeout; throws when there is no answer.
LRESULT sendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const char* what);
// Title of a window or text of a control (WM_GETTEXT, bounded).
std::string windowText(HWND window);
RECT windowRect(HWND window);
bool isShown(HWND window);
// Waits until the window is destroyed or hidden; throws when it stays.
void waitUntilGone(HWND window);

std::string controlText(HWND dialog, int controlId);
void setControlText(HWND dialog, int controlId, const std::string& text);
// Posts BM_CLICK, so that a dialog the button opens does not block the
// driver. Throws when the button is missing or disabled.
void pressButton(HWND dialog, int controlId);

}  // namespace e2e
