// Edits of single rows of the shown board; each finds its row again by ID
// (a reload may have moved it) and then saves the whole board.
#pragma once
#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

// Each returns true when the board was saved (saveBoard has reported any
// failure through `ui`).

// The row of iconDialogId takes the icon number in editIconNumberText
// (0..69; anything else leaves the icon alone). Saves even when the ID is
// gone.
bool applyIconNumber(MemberList& list, AppState& app, Ui& ui);
// Removes the row of deleteId and numbers the row keys 0..n-1 again. An ID
// that is not there: the warning, and nothing is saved.
bool deleteMember(MemberList& list, AppState& app, Ui& ui);
// Writes the edit buffers into the row of editId, or with editRowIndex -1
// into a new row at the top (icon 0, row key = the old row count; an ID that
// is empty, begins with a blank or is "END" changes and saves nothing).
// Stamps the write time, sets editRowIndex to the row found (-1 if the ID is
// gone) and saves.
bool applyEditedRow(MemberList& list, AppState& app, Ui& ui);

}  // namespace wabo
