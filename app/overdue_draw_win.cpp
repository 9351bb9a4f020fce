// Rows whose return time has passed, on screen: the member list's custom
// draw gives them their colour and the bold face, and a timer of the main
// window looks at them again once a minute while the window is shown. The
// rule and the colour are in app/overdue_rows.h; nothing here writes a file.
#include "app/overdue_draw_win.h"

#include "app/overdue_rows.h"
#include "common/clock.h"
#include "res/resource.h"

namespace wabo {
namespace {

constexpr UINT kOverdueLookMs = 60 * 1000;

bool timerRunning = false;
std::tm paintTime{};  // the local time of the paint under way: one time for all its rows

}  // namespace

void beginOverduePaint() { paintTime = localTime(clockNow()); }

bool drawOverdueRow(NMLVCUSTOMDRAW* draw, COLORREF background) {
  if (!app.local.markOverdueRows || shell.listBoldFont == nullptr) return false;
  const int row = static_cast<int>(draw->nmcd.dwItemSpec);
  if (!rowIsOverdue(memberList(), row, app.local.quickInputWord1, paintTime)) return false;
  draw->clrText = static_cast<COLORREF>(overdueTextColour(static_cast<std::int32_t>(background)));
  SelectObject(draw->nmcd.hdc, shell.listBoldFont);
  return true;
}

void syncOverdueTimer() {
  HWND window = shell.mainWindow;
  const bool wanted = window != nullptr && app.local.markOverdueRows && IsWindowVisible(window) && !IsIconic(window);
  if (wanted == timerRunning) return;
  if (wanted) {
    timerRunning = SetTimer(window, ID_OVERDUE_TIMER, kOverdueLookMs, nullptr) != 0;
    lookAtOverdueRows();  // what passed while it was hidden shows at once
  } else {
    KillTimer(window, ID_OVERDUE_TIMER);
    timerRunning = false;
  }
}

void lookAtOverdueRows() {
  if (shell.memberListView != nullptr) InvalidateRect(shell.memberListView, nullptr, FALSE);
}

}  // namespace wabo
