// The member list's columns and sorting, kept per board.
#pragma once
#include "app/app_state.h"
#include "app/board_reload.h"
#include "board/member_list.h"

namespace wabo {

// Column 8 of a board with width -1 takes the rest of the full-screen width.
void applyFillRule(AppState& app, int fullScreenWidth);
// At window creation: columns 0..9 with the fixed captions.
void createColumns(MemberList& list, AppState& app);
// Inside every load: columns 1..8 again with the board's column names; the
// widths and order as shown, or for a board switch from the settings.
void rebuildColumns(MemberList& list, AppState& app, ColumnLayout layout);
// Keeps the shown board's current widths and order in the settings.
void saveColumnLayout(const MemberList& list, AppState& app);

// The last step of a load: the board's stored sort.
void sortAfterLoad(MemberList& list, AppState& app);
// A click on column c flips its direction and sorts by it.
void sortByColumnClick(MemberList& list, AppState& app, int column);
// Sorts by column c in the direction of sortDescending[c]: byte order of the
// first 29 bytes of each text.
void sortByColumn(MemberList& list, AppState& app, int column);

}  // namespace wabo
