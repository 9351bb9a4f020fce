// The tip over the member list: while the pointer rests on a row, a
// tooltip in the list's font shows the whole row (app/row_tip.h). One tool
// covers the list; when the pointer moves to another row the tip shown is
// taken away, and the next one asks for that row's text. The message loop
// hands the tooltip the list's mouse messages: a subclass of the list would
// put every one of the list's messages (500 inserts at a load) through it.
#include "app/row_tip_win.h"

#include <string>

#include "app/row_tip.h"
#include "res/resource.h"

namespace wabo {
namespace {

constexpr int kTipWidth = 480;           // 96-DPI units; longer lines wrap
constexpr int kTipShownMs = 30 * 1000;   // long enough to read a long note

HWND tip = nullptr;
int rowUnderPointer = -1;
std::string tipText;   // the text the tip shows: it reads it after the notification
std::wstring tipTextW;

int rowAt(POINT point) {
  LVHITTESTINFO hit = {};
  hit.pt = point;
  const auto row = static_cast<int>(SendMessageA(shell.memberListView, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & LVHT_ONITEM) != 0 ? row : -1;
}

// The text of the row under the pointer now.
const std::string& currentTipText() {
  POINT point = {};
  GetCursorPos(&point);
  ScreenToClient(shell.memberListView, &point);
  tipText = rowTipText(memberList(), rowAt(point), app.board.columnNames);
  return tipText;
}

}  // namespace

void createRowTip() {
  tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, shell.mainWindow, nullptr,
                        shell.instanceHandle, nullptr);
  if (tip == nullptr) return;
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = shell.mainWindow;
  tool.uId = reinterpret_cast<UINT_PTR>(shell.memberListView);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(tip, TTM_SETDELAYTIME, TTDT_AUTOPOP, kTipShownMs);
  fitRowTip();
}

void fitRowTip() {
  if (tip == nullptr) return;
  SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, scaled(kTipWidth));
  SendMessageA(tip, WM_SETFONT, reinterpret_cast<WPARAM>(shell.listFont), FALSE);
}

void relayToRowTip(const MSG& message) {
  if (message.hwnd != shell.memberListView || message.message < WM_MOUSEFIRST || message.message > WM_MOUSELAST)
    return;
  // Made when the pointer first comes over the list, not at the start:
  // nothing is shown before then, and the start has a window less to make.
  static bool made = false;
  if (!made) {
    made = true;
    createRowTip();
  }
  if (tip == nullptr) return;
  if (message.message == WM_MOUSEMOVE) {
    const int row = rowAt({static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))});
    if (row != rowUnderPointer) SendMessageA(tip, TTM_POP, 0, 0);
    rowUnderPointer = row;
  }
  SendMessageA(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));
}

bool answerRowTip(NMHDR* header) {
  if (tip == nullptr || header->hwndFrom != tip) return false;
  if (header->code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    info->hinst = nullptr;
    info->lpszText = const_cast<char*>(currentTipText().c_str());
  } else if (header->code == TTN_GETDISPINFOW) {
    const std::string& text = currentTipText();
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    tipTextW.assign(n > 0 ? n : 1, L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &tipTextW[0], n);
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    info->hinst = nullptr;
    info->lpszText = &tipTextW[0];
  }
  return true;
}

}  // namespace wabo
