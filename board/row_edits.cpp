// Edits of single rows. Each is a change that finds its row by ID, since a
// reload between the dialog and the edit, or under the save's lock, may
// have moved or removed it; then the whole board is saved.
#include "board/row_edits.h"

#include "board/board_byte_reader.h"
#include "board/board_save.h"
#include "board/columns.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/sjis.h"

namespace wabo {

namespace {

std::string shortText(const std::string& text) { return sjis::cut(text, textLimit(kShortTextBytes)); }

// The destination dialog's fields and the write time into `row`.
void writeEditedTexts(MemberList& list, int row, const EditBuffers& e, const std::string& writeTime) {
  for (Column column : kFormColumns) {
    if (column == kIdColumn) continue;
    const ColumnInfo& info = kColumns[column];
    list.setText(row, column, sjis::cut(e.*info.editBuffer, textLimit(info.bufferBytes)));
  }
  list.setText(row, kWriteTimeColumn, writeTime);
}

}  // namespace

bool applyIconNumber(MemberList& list, const ShownBoard& shown, Ui& ui) {
  const std::string id = shown.edit.iconDialogId, number = shown.edit.editIconNumberText;
  return applyAndSave(list, shown, ui, [id, number](MemberList& l) -> const char* {
    const int row = l.findId(id);
    if (row < 0) return msg::kIdNotFound;
    std::int32_t icon = 0;
    if (parseDecimal(number, icon) && icon >= 0 && icon < kMemberIconCount) l.setImage(row, icon);
    return nullptr;
  });
}

bool deleteMember(MemberList& list, const ShownBoard& shown, Ui& ui) {
  const std::string id = shown.edit.deleteId;
  return applyAndSave(list, shown, ui, [id](MemberList& l) -> const char* {
    const int row = l.findId(id);
    if (row < 0) return msg::kDeleteIdNotFound;
    l.deleteRow(row);
    // Row keys stay 0..n-1, which the sort relies on.
    const int n = l.rowCount();
    for (int i = 0; i < n; ++i) l.setKey(i, i);
    return nullptr;
  });
}

bool applyEditedRow(MemberList& list, const ShownBoard& shown, Ui& ui) {
  EditBuffers& e = shown.edit;
  const bool isNew = e.editRowIndex == -1;
  // "END" would end the rows of the board file at the next load.
  if (isNew && (e.editId.empty() || e.editId[0] == ' ' || e.editId == "END")) return false;
  stampTimes(shown.times);
  const EditBuffers typed = e;
  const std::string writeTime = shown.times.writeTimeText;
  return applyAndSave(list, shown, ui, [&e, typed, writeTime, isNew](MemberList& l) -> const char* {
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
    if (isNew) l.setText(row, kPcNameColumn, "");
    return nullptr;
  });
}

bool applyPcName(MemberList& list, const ShownBoard& shown, Ui& ui) {
  const std::string id = shown.edit.editId, pcName = shortText(shown.edit.editPcName);
  return applyAndSave(list, shown, ui, [id, pcName](MemberList& l) -> const char* {
    const int row = l.findId(id);
    if (row < 0) return msg::kIdNotFound;
    l.setText(row, kPcNameColumn, pcName);
    return nullptr;
  });
}

bool applyAllMembersMessage(MemberList& list, const ShownBoard& shown, Ui& ui, const std::string& message) {
  BoardState& board = shown.board;
  return applyAndSave(list, shown, ui, [&board, message](MemberList&) -> const char* {
    board.allMembersMessage = message;
    return nullptr;
  });
}

bool renameMember(MemberList& list, const ShownBoard& shown, Ui& ui, const std::string& oldId, const std::string& newId) {
  return applyAndSave(list, shown, ui, [oldId, newId](MemberList& l) -> const char* {
    const int row = l.findId(oldId);
    if (row < 0) return msg::kIdNotFound;
    const int holder = l.findId(newId);
    if (holder >= 0 && holder != row) return msg::kDuplicateId;
    l.setText(row, kIdColumn, newId);
    return nullptr;
  });
}

}  // namespace wabo
