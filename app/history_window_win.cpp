#include "app/history_window_win.h"

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/shell_win.h"
#include "board/columns.h"
#include "board/history_view.h"
#include "common/dpi_scale.h"
#include "common/dpi_win.h"
#include "common/modeless_win.h"
#include "common/platform_file.h"
#include "common/sjis.h"
#include "res/resource.h"

namespace wabo {
namespace {

// What the window shows; kept by the window object, which outlives it.
struct HistoryState {
  std::string memberId;  // "" : the whole board
  HistoryRead read;
  bool mayMissLines = false;
  // The rows shown: the list holds none of its own and asks for each
  // cell it draws (a full file is some ten thousand rows).
  std::vector<std::size_t> rows;  // indexes into read.entries
};

HistoryState state;

struct ListColumn {
  const char* caption;
  int width;
};
// In the order of HistoryListColumn.
constexpr ListColumn kListColumns[kHistoryListColumns] = {
    {"日時", 150}, {"ID", 70}, {"変更者", 110}, {"内容", 110}, {"変更前 → 変更後", 260}};

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
  const bool wholeBoard = SendDlgItemMessageA(w, IDC_HISTORY_SCOPE, CB_GETCURSEL, 0, 0) == 1;
  state.rows = historyListRows(state.read.entries, wholeBoard ? std::string() : state.memberId);
  HWND view = listOf(w);
  ListView_SetItemCountEx(view, static_cast<int>(state.rows.size()), 0);
  InvalidateRect(view, nullptr, TRUE);
}

// The text of a cell the list asks for.
void answerCellText(NMLVDISPINFOA* info) {
  LVITEMA& item = info->item;
  if (!(item.mask & LVIF_TEXT) || item.pszText == nullptr || item.cchTextMax <= 0) return;
  item.pszText[0] = '\0';
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= state.rows.size()) return;
  const HistoryEntry& entry = state.read.entries[state.rows[static_cast<std::size_t>(item.iItem)]];
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
  state.memberId = memberId;
  const std::string path = historyPath(app.board.currentBoardPath);
  state.read = readHistory(path);
  state.mayMissLines = app.board.historyIncomplete || platform::isReadOnly(path);
  HWND scope = GetDlgItem(w, IDC_HISTORY_SCOPE);
  SendMessageA(scope, CB_RESETCONTENT, 0, 0);
  const std::string member = "このﾒﾝﾊﾞｰ (" + (memberId.empty() ? std::string("-") : memberId) + ")";
  SendMessageA(scope, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(member.c_str()));
  SendMessageA(scope, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("ﾎﾞｰﾄﾞ全体"));
  SendMessageA(scope, CB_SETCURSEL, memberId.empty() ? 1 : 0, 0);
  ShowWindow(GetDlgItem(w, IDC_HISTORY_NOTE), state.mayMissLines ? SW_SHOW : SW_HIDE);
  layout(w);
  fillList(w);
}

class HistoryWindow : public ModelessWindow {
 protected:
  bool onInit() override {
    HWND w = window();
    makeColumns(listOf(w));
    // The size is kept in 96-DPI units, as the main window's.
    if (app.local.historyWindowWidth > 0 && app.local.historyWindowHeight > 0)
      SetWindowPos(w, nullptr, 0, 0, scaledFor(w, app.local.historyWindowWidth),
                   scaledFor(w, app.local.historyWindowHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    showFor(w, state.memberId);
    return true;
  }
  bool onCommand(int control, int code) override {
    if (control == IDC_HISTORY_SCOPE && code == CBN_SELCHANGE) fillList(window());
    return true;
  }
  bool onMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, INT_PTR& result) override {
    result = TRUE;
    switch (message) {
      case WM_SIZE:
        layout(window());
        return true;
      case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {scaledFor(window(), 320), scaledFor(window(), 200)};
        return true;
      case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom != IDC_HISTORY_LIST || header->code != LVN_GETDISPINFOA) return false;
        answerCellText(reinterpret_cast<NMLVDISPINFOA*>(lParam));
        return true;
      }
      default:
        return false;
    }
  }
  void onDestroy() override {
    RECT rect = {};
    HWND w = window();
    if (!IsIconic(w) && GetWindowRect(w, &rect)) {
      const int dpi = windowDpi(w);
      app.local.historyWindowWidth = unscaleFromDpi(rect.right - rect.left, dpi);
      app.local.historyWindowHeight = unscaleFromDpi(rect.bottom - rect.top, dpi);
    }
    state = HistoryState();
  }
};

HistoryWindow historyWindow;

std::string selectedMemberId() {
  MemberList& list = memberList();
  const int row = list.firstSelected();
  return row < 0 ? std::string() : list.text(row, kIdColumn, kColumns[kIdColumn].bufferBytes);
}

}  // namespace

void openHistoryWindow() {
  const std::string memberId = selectedMemberId();
  if (historyWindow.isOpen()) {
    showFor(historyWindow.window(), memberId);
    SetForegroundWindow(historyWindow.window());
    return;
  }
  state.memberId = memberId;
  historyWindow.open(IDD_HISTORY, shell.mainWindow);
}

}  // namespace wabo
