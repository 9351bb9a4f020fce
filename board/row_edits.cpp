// Edits of single rows. Each finds its row again by ID, since a reload
// between the dialog and the edit may have moved or removed it, then saves
// the whole board.
#include "board/row_edits.h"

#include "board/board_byte_reader.h"
#include "board/board_save.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/sjis.h"

namespace wabo {

bool applyIconNumber(MemberList& list, AppState& app, Ui& ui) {
  const int row = list.findId(app.edit.iconDialogId);
  std::int32_t icon = 0;
  if (row >= 0 && parseDecimal(app.edit.editIconNumberText, icon) && icon >= 0 && icon < kMemberIconCount) {
    list.setImage(row, icon);
  }
  return saveBoard(list, app, ui);
}

bool deleteMember(MemberList& list, AppState& app, Ui& ui) {
  const int row = list.findId(app.edit.deleteId);
  if (row < 0) {
    ui.warn(msg::kDeleteIdNotFound);
    return false;
  }
  list.deleteRow(row);
  // Row keys stay 0..n-1, which the sort relies on.
  const int n = list.rowCount();
  for (int i = 0; i < n; ++i) list.setKey(i, i);
  return saveBoard(list, app, ui);
}

bool applyEditedRow(MemberList& list, AppState& app, Ui& ui) {
  EditBuffers& e = app.edit;
  bool isNew = false;
  if (e.editRowIndex == -1) {
    // "END" would end the rows of the board file at the next load.
    if (e.editId.empty() || e.editId[0] == ' ' || e.editId == "END") return false;
    const int count = list.rowCount();
    list.insertRow(0, sjis::cut(e.editId, textLimit(kShortTextBytes)), 0, count);
    isNew = true;
  }
  const int row = e.editRowIndex = list.findId(e.editId);
  if (row >= 0) {
    list.setText(row, 1, sjis::cut(e.editName, textLimit(kShortTextBytes)));
    list.setText(row, 2, sjis::cut(e.editDestination, textLimit(kShortTextBytes)));
    list.setText(row, 3, sjis::cut(e.editReturnTime, textLimit(kShortTextBytes)));
    list.setText(row, 5, sjis::cut(e.editMobile, textLimit(kLongTextBytes)));
    list.setText(row, 6, sjis::cut(e.editContact, textLimit(kLongTextBytes)));
    list.setText(row, 7, sjis::cut(e.editSchedule, textLimit(kLongTextBytes)));
    list.setText(row, 8, sjis::cut(e.editOther, textLimit(kLongTextBytes)));
    if (isNew) list.setText(row, 9, "");
  }
  stampTimes(app.times);
  if (row >= 0) list.setText(row, 4, app.times.writeTimeText);
  return saveBoard(list, app, ui);
}

}  // namespace wabo
