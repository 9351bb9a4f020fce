#include "app/board_commands.h"

#include <string>

#include "board/board_file.h"
#include "board/board_save.h"
#include "board/member_lookup.h"
#include "board/row_edits.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/sjis.h"
#include "res/resource.h"

namespace wabo {

namespace {

constexpr int kShownPcNameWidth = 100;

// Destination input for editRowIndex: the row into the buffers, the dialog,
// then the buffers into the row found again by editId.
void destinationInput(BoardCommandContext& ctx) {
  EditBuffers& e = ctx.app.edit;
  readRow(ctx.list, e.editRowIndex, e);
  if (ctx.dialogs.destinationDialog() != 0) return;
  if (!preSaveCheck(ctx)) return;
  applyEditedRow(ctx.list, ctx.app, ctx.ui);
  showBoardAfterSave(ctx);
}

void deleteMemberCommand(BoardCommandContext& ctx, bool startWithSelected) {
  EditBuffers& e = ctx.app.edit;
  e.deleteId.clear();
  if (startWithSelected) {
    int row = ctx.list.firstSelected();
    if (row >= 0) e.deleteId = cellText(ctx.list, row, kIdColumn);
  }
  if (ctx.dialogs.deleteIdDialog() != 0) return;
  if (!preSaveCheck(ctx)) return;
  deleteMember(ctx.list, ctx.app, ctx.ui);
  showBoardAfterSave(ctx);
}

void changeIcon(BoardCommandContext& ctx, bool preferSelected) {
  EditBuffers& e = ctx.app.edit;
  int row = preferSelected ? ctx.list.firstSelected() : -1;
  if (row < 0) row = findMember(ctx.list, ctx.app.local.userId);
  e.editRowIndex = row;
  if (row >= 0) {
    e.editIconNumberText = std::to_string(ctx.list.image(row));
    e.iconDialogId = cellText(ctx.list, row, kIdColumn);
  } else {
    e.editIconNumberText.clear();
    e.iconDialogId.clear();
  }
  if (ctx.dialogs.iconDialog() != 0) return;
  if (!preSaveCheck(ctx)) return;
  applyIconNumber(ctx.list, ctx.app, ctx.ui);
  showBoardAfterSave(ctx);
}

void quickInput(BoardCommandContext& ctx, const std::string& word) {
  EditBuffers& e = ctx.app.edit;
  if (ownRowLookup(ctx) < 0) return;
  readRow(ctx.list, e.editRowIndex, e, /*withDestination=*/false);
  e.editDestination = sjis::cut(word, textLimit(kShortTextBytes));
  sjis::commaToSlash(e.editDestination);
  if (!preSaveCheck(ctx)) return;
  ctx.app.quickInputSaving = true;
  applyEditedRow(ctx.list, ctx.app, ctx.ui);
  ctx.app.quickInputSaving = false;
  showBoardAfterSave(ctx);
}

}  // namespace

void destinationById(BoardCommandContext& ctx) {
  EditBuffers& e = ctx.app.edit;
  if (ctx.dialogs.targetIdDialog() != 0) return;
  e.editRowIndex = findMember(ctx.list, e.targetId);
  if (e.editRowIndex < 0) {
    ctx.ui.warn(msg::kIdNotFound);
    return;
  }
  destinationInput(ctx);
}

void destinationForOwnRow(BoardCommandContext& ctx) {
  if (ownRowLookup(ctx) < 0) return;
  destinationInput(ctx);
}

void destinationForSelectedRow(BoardCommandContext& ctx) {
  EditBuffers& e = ctx.app.edit;
  e.editRowIndex = ctx.list.firstSelected();
  if (e.editRowIndex < 0) return;
  destinationInput(ctx);
}

void addMember(BoardCommandContext& ctx) {
  EditBuffers& e = ctx.app.edit;
  e.clearRowTexts();
  e.editIconNumberText.clear();
  e.editRowIndex = -1;
  if (ctx.dialogs.destinationDialog() != 0) return;
  if (!preSaveCheck(ctx)) return;
  // A new member, whatever ran while the dialog was open. A taken ID or a
  // full board is refused by the edit itself, also when another copy's save
  // is met under the lock.
  e.editRowIndex = -1;
  applyEditedRow(ctx.list, ctx.app, ctx.ui);
  showBoardAfterSave(ctx);
}

void allMembersMessage(BoardCommandContext& ctx) {
  // The dialog works on a copy: the board's message stays the one last
  // loaded (a tick may reload it while the dialog is open), so a change the
  // check drops never rides along with the next save of another edit.
  std::string typed = ctx.app.board.allMembersMessage;
  if (ctx.dialogs.messageDialog(typed) != 0) return;
  if (!preSaveCheck(ctx)) return;
  // Over the message a reload has read, here or under the save's lock.
  applyAllMembersMessage(ctx.list, ctx.app, ctx.ui, typed);
  showBoardAfterSave(ctx);
}

void deleteMemberById(BoardCommandContext& ctx) { deleteMemberCommand(ctx, false); }
void deleteSelectedMember(BoardCommandContext& ctx) { deleteMemberCommand(ctx, true); }
void changeSelectedIcon(BoardCommandContext& ctx) { changeIcon(ctx, true); }
void changeOwnIcon(BoardCommandContext& ctx) { changeIcon(ctx, false); }
void quickInput1(BoardCommandContext& ctx) { quickInput(ctx, ctx.app.local.quickInputWord1); }
void quickInput2(BoardCommandContext& ctx) { quickInput(ctx, ctx.app.local.quickInputWord2); }
void userIdCommand(BoardCommandContext& ctx) { askUserId(ctx, /*clearWhenUnknown=*/true); }

void pcNameInput(BoardCommandContext& ctx) {
  EditBuffers& e = ctx.app.edit;
  int row = ctx.list.firstSelected();
  if (row < 0) return;
  e.editRowIndex = row;
  e.editId = cellText(ctx.list, row, kIdColumn);
  e.editName = cellText(ctx.list, row, kNameColumn);
  e.editPcName = cellText(ctx.list, row, kPcNameColumn);
  // The ID field of the dialog is read-only and is not read back: an ID of
  // 29 bytes would come back cut to 28 and name nobody.
  const std::string id = e.editId;
  if (ctx.dialogs.pcNameDialog() != 0) return;
  e.editId = id;
  if (!preSaveCheck(ctx)) return;
  if (ctx.list.columnWidth(kPcNameColumn) == 0) ctx.list.setColumnWidth(kPcNameColumn, kShownPcNameWidth);
  applyPcName(ctx.list, ctx.app, ctx.ui);
  showBoardAfterSave(ctx);
}

int askUserId(BoardCommandContext& ctx, bool clearWhenUnknown) {
  EditBuffers& e = ctx.app.edit;
  if (ctx.dialogs.userIdDialog() != 0) return -1;
  int row = findMember(ctx.list, e.enteredUserId);
  if (row < 0) {
    ctx.ui.warn(msg::kOwnIdNotFound);
    if (clearWhenUnknown) ctx.app.local.userId.clear();
    return -1;
  }
  ctx.app.local.userId = e.enteredUserId;
  return row;
}

int ownRowLookup(BoardCommandContext& ctx) {
  EditBuffers& e = ctx.app.edit;
  e.editRowIndex = findMember(ctx.list, ctx.app.local.userId);
  if (e.editRowIndex < 0) e.editRowIndex = askUserId(ctx, /*clearWhenUnknown=*/false);
  return e.editRowIndex;
}

bool preSaveCheck(BoardCommandContext& ctx) {
  CheckResult result = checkBoard(ctx.app.board, ctx.ui);
  ctx.app.main.lastLoadResult = result;
  if (result == kChanged) {
    // The reload gives up when a lock came in between and stayed, or the
    // file went. Another save after the reload is no reason to refuse: the
    // save finds it under the lock and makes the change over it.
    if (!ctx.view.reloadBoard()) result = kUnreadable;
  } else if (result == kUnchanged) {
    stampTimes(ctx.app.times);
  } else {
    result = kUnreadable;
  }
  if (result == kUnreadable) {
    ctx.ui.warn(msg::kBoardMissingOrLocked);
    return false;
  }
  ctx.view.showUpdateTime();
  return true;
}

void showBoardAfterSave(BoardCommandContext& ctx) {
  ctx.view.showAllMembersMessage();
  ctx.view.showUpdateTime();
}

}  // namespace wabo
