// Edits of single rows of the shown board and of its message. Each is made
// on the row found by ID (a reload may have moved it) and then the whole
// board is saved; should another copy save in between, the save makes the
// edit again on the rows it reloads (saveBoard).
#pragma once
#include <string>

#include "board/member_list.h"
#include "board/shown_board.h"
#include "common/ui.h"

namespace wabo {

// Each returns true when the board was saved. A row that is no longer there
// gets its warning and nothing is saved; saveBoard reports its own failures.

// The row of iconDialogId takes the icon number in editIconNumberText
// (0..69; anything else leaves the icon alone). "IDが見つかりません".
bool applyIconNumber(MemberList& list, const ShownBoard& shown, Ui& ui);
// Removes the row of deleteId and numbers the row keys 0..n-1 again.
// "削除するIDが見つかりません".
bool deleteMember(MemberList& list, const ShownBoard& shown, Ui& ui);
// Writes the edit buffers into the row of editId, or with editRowIndex -1
// into a new row at the top (icon 0, row key = the old row count; an ID that
// is empty, begins with a blank or is "END" changes and saves nothing; one
// that is taken gets "ＩＤが重複しています", a full board its warning).
// Stamps the write time, sets editRowIndex to the row found and saves.
// "IDが見つかりません" when an existing row has gone.
bool applyEditedRow(MemberList& list, const ShownBoard& shown, Ui& ui);
// The row of editId takes editPcName as its PC-Name. "IDが見つかりません".
bool applyPcName(MemberList& list, const ShownBoard& shown, Ui& ui);
// allMembersMessage becomes `message`.
bool applyAllMembersMessage(MemberList& list, const ShownBoard& shown, Ui& ui, const std::string& message);
// The row of `oldId` takes the ID `newId` (already tested, see id_edit.h);
// "IDが見つかりません" when it has gone, "ＩＤが重複しています" when
// another row has taken `newId` meanwhile.
bool renameMember(MemberList& list, const ShownBoard& shown, Ui& ui, const std::string& oldId, const std::string& newId);

}  // namespace wabo
