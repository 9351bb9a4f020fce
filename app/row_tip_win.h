// The tip over the member list's rows (app/row_tip_win.cpp).
#pragma once
#include "app/shell_win.h"

namespace wabo {

// At window creation, after the list view: the tooltip and its one tool.
void createRowTip();
// After the list font or the DPI changed: the tip's font and line width.
void fitRowTip();
// From the message loop: the list's mouse messages, for the tip to know
// where the pointer rests.
void relayToRowTip(const MSG& message);
// WM_NOTIFY from the tooltip (its text is asked for); false for any other sender.
bool answerRowTip(NMHDR* header);

}  // namespace wabo
