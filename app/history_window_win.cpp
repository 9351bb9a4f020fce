#include "app/history_window_win.h"

#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/shell_win.h"
#include "board/columns.h"
#include "board/history_view.h"
#include "common/dpi_scale.h"
#include "common/dpi_win.h"
#include "common/platform_file.h"
#include "common/sjis.h"
#include "res/resource.h"

namespace wabo {
namespace {

struct HistoryWindow {
  bool* adopted = nullptr;  // set once the window has taken the state over
  std::string memberId;     // "" : the whole board
  HistoryRead read;
  bool mayMissLines = false;
  // The rows shown: the list holds none of its own and asks for each
  // cell it draws (a full file is some ten thousand rows).
  std::vector<std::size_t> rows;  // indexes into read.entries
};

HWND window = nullptr;

struct ListColumn {
  const char* caption;
  int width;
};
// In the order of HistoryListColumn.
constexpr ListColumn kListColumns[kHistoryListColumns] = {
    {"日時", 150}, {"ID", 70}, {"変更者", 110}, {"内容", 110}, {"変更前 → 変更後", 260}};

HistoryWindow* stateOf(HWND w) { return reinterpret_cast<HistoryWindow*>(GetWindowLongPtrA(w, DWLP_USER)); }
HWND listOf(HWND w) { return GetDlgItem(w, IDC_HISTORY_LIST); }

void makeColumns(HWND view) {
  ListView_SetExtendedListViewStyle(view, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  int i = 0;
  for (const ListColumn& c : kListColumns) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = scaledFor(view, c.width);
    column.pszText = const_cast<char*>(c.caption);
    column.iSubItem = i;
    SendMessageA(view, LVM_INSERTCOLUMNA, i++, reinterpret_cast<LPARAM>(&column));
  }
}

// The rows of the scope chosen in the drop-down.
void fillList(HWND w) {
  HistoryWindow* state = stateOf(w);
  const bool wholeBoard = SendDlgItemMessageA(w, IDC_HISTORY_SCOPE, CB_GETCURSEL, 0, 0) == 1;
  state->rows = historyListRows(state->read.entries, wholeBoard ? std::string() : state->memberId);
  HWND view = listOf(w);
  ListView_SetItemCountEx(view, static_cast<int>(state->rows.size()), 0);
  InvalidateRect(view, nullptr, TRUE);
}

// The text of a cell the list asks for.
void answerCellText(HWND w, NMLVDISPINFOA* info) {
  HistoryWindow* state = stateOf(w);
  LVITEMA& item = info->item;
  if (state == nullptr || !(item.mask & LVIF_TEXT) || item.pszText == nullptr || item.cchTextMax <= 0) return;
  item.pszText[0] = '\0';
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= state->rows.size()) return;
  const HistoryEntry& entry = state->read.entries[state->rows[static_cast<std::size_t>(item.iItem)]];
  const std::string text =
      sjis::cut(historyCellText(entry, item.iSubItem), static_cast<std::size_t>(item.cchTextMax - 1));
  std::memcpy(item.pszText, text.c_str(), text.size() + 1);
}

// The drop-down keeps its place at the top, the note its line at the
// bottom; the list takes the rest.
void layout(HWND w) {
  RECT client = {};
  GetClientRect(w, &client);
  RECT scope = {};
  GetWindowRect(GetDlgItem(w, IDC_HISTORY_SCOPE), &scope);
  MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&scope), 2);
  RECT note = {};
  HWND noteWindow = GetDlgItem(w, IDC_HISTORY_NOTE);
  GetWindowRect(noteWindow, &note);
  const int noteHeight = note.bottom - note.top;
  const int margin = scope.left;
  const int top = scope.bottom + margin;
  // The note's line is kept only while the note is shown.
  const int bottom = client.bottom - margin - (IsWindowVisible(noteWindow) ? noteHeight + margin : 0);
  MoveWindow(noteWindow, margin, bottom + margin, client.right - 2 * margin, noteHeight, TRUE);
  MoveWindow(listOf(w), margin, top, client.right - 2 * margin, bottom - top > 0 ? bottom - top : 0, TRUE);
}

// The history file again, for `memberId`, with the drop-down on that member
// (or on the whole board when there is none).
void showFor(HWND w, const std::string& memberId) {
  HistoryWindow* state = stateOf(w);
  state->memberId = memberId;
  const std::string path = historyPath(app.board.currentBoardPath);
  state->read = readHistory(path);
  state->mayMissLines = app.board.historyIncomplete || platform::isReadOnly(path);
  HWND scope = GetDlgItem(w, IDC_HISTORY_SCOPE);
  SendMessageA(scope, CB_RESETCONTENT, 0, 0);
  const std::string member = "このﾒﾝﾊﾞｰ (" + (memberId.empty() ? std::string("-") : memberId) + ")";
  SendMessageA(scope, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(member.c_str()));
  SendMessageA(scope, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("ﾎﾞｰﾄﾞ全体"));
  SendMessageA(scope, CB_SETCURSEL, memberId.empty() ? 1 : 0, 0);
  ShowWindow(GetDlgItem(w, IDC_HISTORY_NOTE), state->mayMissLines ? SW_SHOW : SW_HIDE);
  layout(w);
  fillList(w);
}

void onInit(HWND w, HistoryWindow* state) {
  SetWindowLongPtrA(w, DWLP_USER, reinterpret_cast<LONG_PTR>(state));
  *state->adopted = true;
  makeColumns(listOf(w));
  // The size is kept in 96-DPI units, as the main window's.
  if (app.local.historyWindowWidth > 0 && app.local.historyWindowHeight > 0)
    SetWindowPos(w, nullptr, 0, 0, scaledFor(w, app.local.historyWindowWidth),
                 scaledFor(w, app.local.historyWindowHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  showFor(w, state->memberId);
}

void onDestroy(HWND w) {
  std::unique_ptr<HistoryWindow> state(stateOf(w));
  SetWindowLongPtrA(w, DWLP_USER, 0);
  RECT rect = {};
  if (!IsIconic(w) && GetWindowRect(w, &rect)) {
    const int dpi = windowDpi(w);
    app.local.historyWindowWidth = unscaleFromDpi(rect.right - rect.left, dpi);
    app.local.historyWindowHeight = unscaleFromDpi(rect.bottom - rect.top, dpi);
  }
  if (window == w) window = nullptr;
}

INT_PTR handle(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      onInit(w, reinterpret_cast<HistoryWindow*>(lParam));
      return TRUE;
    case WM_SIZE:
      layout(w);
      return TRUE;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {scaledFor(w, 320), scaledFor(w, 200)};
      return TRUE;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->idFrom != IDC_HISTORY_LIST || header->code != LVN_GETDISPINFOA) return FALSE;
      answerCellText(w, reinterpret_cast<NMLVDISPINFOA*>(lParam));
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_HISTORY_SCOPE && HIWORD(wParam) == CBN_SELCHANGE) fillList(w);
      if (LOWORD(wParam) == IDCANCEL) DestroyWindow(w);
      return TRUE;
    case WM_DESTROY:
      onDestroy(w);
      return TRUE;
    default:
      return FALSE;
  }
}

// No exception leaves for the system's code.
INT_PTR CALLBACK historyProc(HWND w, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return handle(w, message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

std::string selectedMemberId() {
  MemberList& list = memberList();
  const int row = list.firstSelected();
  return row < 0 ? std::string() : list.text(row, kIdColumn, kColumns[kIdColumn].bufferBytes);
}

}  // namespace

void openHistoryWindow() {
  const std::string memberId = selectedMemberId();
  if (window != nullptr) {
    showFor(window, memberId);
    SetForegroundWindow(window);
    return;
  }
  bool adopted = false;
  auto state = std::make_unique<HistoryWindow>();
  state->adopted = &adopted;
  state->memberId = memberId;
  HWND created = CreateDialogParamA(shell.instanceHandle, MAKEINTRESOURCEA(IDD_HISTORY), shell.mainWindow,
                                    historyProc, reinterpret_cast<LPARAM>(state.get()));
  // A window that took the state over frees it when it goes.
  if (adopted) state.release();
  if (created == nullptr) return;
  window = created;
  ShowWindow(window, SW_SHOW);
}

void closeHistoryWindow() {
  if (window != nullptr) DestroyWindow(window);
}

bool historyWindowMessage(MSG& message) { return window != nullptr && IsDialogMessageA(window, &message); }

}  // namespace wabo
