// The overdue rows of the member list on screen (app/overdue_draw_win.cpp).
#pragma once
#include "app/shell_win.h"

namespace wabo {

// At the list's pre-paint stage: takes the time that the paint's rows are
// judged by.
void beginOverduePaint();

// At a row's pre-paint stage: when the marking is on and the row is
// overdue, sets its text colour (readable on `background`, the row's own)
// and selects the bold list font into its DC; true when it did (the caller
// returns CDRF_NEWFONT).
bool drawOverdueRow(NMLVCUSTOMDRAW* draw, COLORREF background);

// Runs the once-a-minute timer exactly while the window is shown (not
// hidden into the tray, not minimised) and the marking is on.
void syncOverdueTimer();

// Has the list drawn again, and so its rows judged again: at the timer, at
// each tick and when the window comes back.
void lookAtOverdueRows();

}  // namespace wabo
