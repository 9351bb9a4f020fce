// Edits of single rows. Each is a change that finds its row by ID, since a
// reload between the dialog and the edit, or under the save's lock, may
// have moved or removed it; then the whole board is saved.
#include "board/row_edits.h"

#include "board/board_byte_reader.h"
#include "board/board_save.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/sjis.h"

namespace wabo {

namespace {

std::string shortText(const std::string& text) { return sjis::cut(text, textLimit(kShortTextBytes)); }
std::string longText(const std::string& text) { return sjis::cut(text, textLimit(kLongTextBytes)); }

// The destination dialog's fields and the write time into `row`.
void writeEditedTexts(MemberList& list, int row, const EditBuffers& e, const std::string& writeTime) {
  list.setText(row, 1, shortText(e.editName));
  list.setText(row, 2, shortText(e.editDestination));
  list.setText(row, 3, shortText(e.editReturnTime));
  list.setText(row, 4, writeTime);
  list.setText(row, 5, longText(e.editMobile));
  list.setText(row, 6, longText(e.editContact));
  list.setText(row, 7, longText(e.editSchedule));
  list.setText(row, 8, longText(e.editOther));
}

}  // namespace

bool applyIconNumber(MemberList& list, AppState& app, Ui& ui) {
  const std::string id = app.edit.iconDialogId, number = app.edit.editIconNumberText;
  return applyAndSave(list, app, ui, [id, number](MemberList& l) -> const char* {
    const int row = l.findId(id);
    if (row < 0) return msg::kIdNotFound;
    std::int32_t icon = 0;
    if (parseDecimal(number, icon) && icon >= 0 && icon < kMemberIconCount) l.setImage(row, icon);
    return nullptr;
  });
}

bool deleteMember(MemberList& list, AppState& app, Ui& ui) {
  const std::string id = app.edit.deleteId;
  return applyAndSave(list, app, ui, [id](MemberList& l) -> const char* {
    const int row = l.findId(id);
    if (row < 0) return msg::kDeleteIdNotFound;
    l.deleteRow(row);
    // Row keys stay 0..n-1, which the sort relies on.
    const int n = l.rowCount();
    for (int i = 0; i < n; ++i) l.setKey(i, i);
    return nullptr;
  });
}

bool applyEditedRow(MemberList& list, AppState& app, Ui& ui) {
  EditBuffers& e = app.edit;
  const bool isNew = e.editRowIndex == -1;
  // "END" would end the rows of the board file at the next load.
  if (isNew && (e.editId.empty() || e.editId[0] == ' ' || e.editId == "END")) return false;
  stampTimes(app.times);
  const EditBuffers typed = e;
  const std::string writeTime = app.times.writeTimeText;
  return applyAndSave(list, app, ui, [&e, typed, writeTime, isNew](MemberList& l) -> const char* {
    if (isNew) {
      if (l.findId(typed.editId) >= 0) return msg::kDuplicateId;
      // A board file holds at most 500 rows; a new first row would push the
      // last member out of the file at the next load.
      if (l.rowCount() >= kMaxBoardRows) return msg::kBoardFull;
      l.insertRow(0, shortText(typed.editId), 0, l.rowCount());
    }
    const int row = e.editRowIndex = l.findId(typed.editId);
    if (row < 0) return msg::kIdNotFound;
    writeEditedTexts(l, row, typed, writeTime);
    if (isNew) l.setText(row, 9, "");
    return nullptr;
  });
}

bool applyPcName(MemberList& list, AppState& app, Ui& ui) {
  const std::string id = app.edit.editId, pcName = shortText(app.edit.editPcName);
  return applyAndSave(list, app, ui, [id, pcName](MemberList& l) -> const char* {
    const int row = l.findId(id);
    if (row < 0) return msg::kIdNotFound;
    l.setText(row, 9, pcName);
    return nullptr;
  });
}

bool applyAllMembersMessage(MemberList& list, AppState& app, Ui& ui, const std::string& message) {
  BoardState& board = app.board;
  return applyAndSave(list, app, ui, [&board, message](MemberList&) -> const char* {
    board.allMembersMessage = message;
    return nullptr;
  });
}

bool renameMember(MemberList& list, AppState& app, Ui& ui, const std::string& oldId, const std::string& newId) {
  return applyAndSave(list, app, ui, [oldId, newId](MemberList& l) -> const char* {
    const int row = l.findId(oldId);
    if (row < 0) return msg::kIdNotFound;
    const int holder = l.findId(newId);
    if (holder >= 0 && holder != row) return msg::kDuplicateId;
    l.setText(row, 0, newId);
    return nullptr;
  });
}

}  // namespace wabo
