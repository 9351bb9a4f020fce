// The member list's columns and sorting, kept per board.
#pragma once
#include <string>
#include <vector>

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

// The board's stored sort as every load takes it: the key held to 0..19 and
// the direction flag of its column set from it. Returns the column.
int takeStoredSort(AppState& app);
// The order in which a sort puts rows whose texts in the sorted column are
// `texts` (in their present order): byte order of the first 29 bytes of each
// text, as a read from the list gives them, reversed when `descending`;
// equal texts keep their order. Returns positions into `texts`.
std::vector<std::size_t> sortOrder(const std::vector<std::string>& texts, bool descending);
// A click on column c flips its direction and sorts by it.
void sortByColumnClick(MemberList& list, AppState& app, int column);
// Sorts by column c in the direction of sortDescending[c]: byte order of the
// first 29 bytes of each text.
void sortByColumn(MemberList& list, AppState& app, int column);

}  // namespace wabo
