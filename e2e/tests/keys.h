// Real key presses through the system's input (SendInput) to the
// program's window in front, and the list's selection read from outside.
#pragma once
#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "steps.h"

namespace e2e {

// Keys pressed on the keyboard while `window` is in front.
class Keyboard {
 public:
  explicit Keyboard(HWND window) {
    SetCursorPos(2, 2);  // the mouse stays out of the way: menus must open where the keys ask
    if (!waitUntil([&] { return SetForegroundWindow(window), GetForegroundWindow() == window; }))
      throw HarnessError("the program's window does not come to the front");
  }
  // `key` pressed and let go while the `held` keys are down.
  void press(WORD key, std::initializer_list<WORD> held = {}) {
    std::vector<INPUT> in;
    for (WORD h : held) in.push_back(virtualKey(h, 0));
    in.push_back(virtualKey(key, 0));
    in.push_back(virtualKey(key, KEYEVENTF_KEYUP));
    for (auto h = held.end(); h != held.begin();) in.push_back(virtualKey(*--h, KEYEVENTF_KEYUP));
    send(in);
  }
  // Characters typed, whatever the keyboard layout.
  void type(const std::wstring& text) {
    std::vector<INPUT> in;
    for (wchar_t c : text)
      for (DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wScan = c;
        i.ki.dwFlags = KEYEVENTF_UNICODE | up;
        in.push_back(i);
      }
    send(in);
  }

 private:
  static INPUT virtualKey(WORD key, DWORD flags) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = key;
    i.ki.dwFlags = flags;
    return i;
  }
  static void send(std::vector<INPUT>& in) {
    if (SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT)) != in.size())
      throw HarnessError("SendInput failed");
  }
};

// The rows selected in the list, top to bottom.
inline std::vector<int> selectedRows(ProgramCopy& program) {
  std::vector<int> rows;
  HWND list = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  for (int row = 0, n = program.list().rowCount(); row < n; ++row)
    if (sendOrThrow(list, LVM_GETITEMSTATE, row, LVIS_SELECTED, "LVM_GETITEMSTATE") & LVIS_SELECTED)
      rows.push_back(row);
  return rows;
}

inline bool selectionBecomes(ProgramCopy& program, int row) {
  return waitUntil([&] { return selectedRows(program) == std::vector<int>{row}; });
}

// The program's open popup menu; null while there is none.
inline HWND popupMenu(ProgramCopy& program) {
  return findTopLevel(GetProcessId(program.process()), "#32768", nullptr);
}

}  // namespace e2e
