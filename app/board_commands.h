// The board commands of the main menu and the list's context menu: who acts
// on which row, which dialog opens, and how the change reaches the file.
//
// Every change follows one order: dialog, then checkBoard; on 2 a warning
// and nothing changes; on 1 a full reload; then the change is applied to the
// row found again by its ID, and the whole board is saved. A timer tick may
// reload the board while a dialog is open, so nothing here keeps a list
// index across a dialog.
#pragma once
#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

// The dialogs the commands open. Each runs modally over the main window on
// the program's state and returns 0 when accepted, 1 when cancelled.
class BoardDialogs {
 public:
  virtual ~BoardDialogs() = default;
  virtual int destinationDialog() = 0;  // 152: edit buffers, editIconNumberText, editRowIndex
  virtual int iconDialog() = 0;         // 137: iconDialogId, editIconNumberText
  virtual int messageDialog(std::string& message) = 0;  // 310: shows `message`, OK puts the typed text there
  virtual int deleteIdDialog() = 0;     // 103: deleteId in and out
  virtual int targetIdDialog() = 0;     // 104: shows userId, OK fills targetId
  virtual int userIdDialog() = 0;       // 298: shows userId, OK fills enteredUserId
  virtual int pcNameDialog() = 0;       // 343: editId, editName, editPcName
};

// What the commands ask of the main window beside the list.
class MainView {
 public:
  virtual ~MainView() = default;
  virtual void showUpdateTime() = 0;         // updateTimeText into the status bar
  virtual void showAllMembersMessage() = 0;  // allMembersMessage into the status bar
  // loadBoard, then the message; false when the file could not be read
  // (the lock came, the file went), and the list is as it was.
  virtual bool reloadBoard() = 0;
};

struct BoardCommandContext {
  MemberList& list;
  AppState& app;
  Ui& ui;  // message boxes owned by the main window
  BoardDialogs& dialogs;
  MainView& view;
};

// The commands, each started from its row of the command table
// (app/command_table.def).
void destinationById(BoardCommandContext& ctx);            // 40002
void addMember(BoardCommandContext& ctx);                  // 40003
void deleteMemberById(BoardCommandContext& ctx);           // 40004
void destinationForOwnRow(BoardCommandContext& ctx);       // 40020
void destinationForSelectedRow(BoardCommandContext& ctx);  // 40021
void changeSelectedIcon(BoardCommandContext& ctx);         // 40025
void userIdCommand(BoardCommandContext& ctx);              // 40027
void changeOwnIcon(BoardCommandContext& ctx);              // 40028
void deleteSelectedMember(BoardCommandContext& ctx);       // 40029
void allMembersMessage(BoardCommandContext& ctx);          // 40035
void quickInput1(BoardCommandContext& ctx);                // 40049
void quickInput2(BoardCommandContext& ctx);                // 40051
void pcNameInput(BoardCommandContext& ctx);                // 40052

// Shared steps, also for the mail commands and the first timer tick.

// Opens the user ID dialog; on OK looks the typed ID up on the board shown.
// Found: userId takes the typed ID and the row is returned. Not found: the
// warning, userId emptied when `clearWhenUnknown`, else left alone; -1.
// Cancel: -1 and nothing changes.
int askUserId(BoardCommandContext& ctx, bool clearWhenUnknown);

// The row of userId, asking for the ID when it is not on the board. Sets and
// returns editRowIndex (-1: the command ends).
int ownRowLookup(BoardCommandContext& ctx);

// Runs after the dialog of every change: false when the board cannot be read
// (warned; the change is dropped). On true the list is current and the
// update time is shown.
bool preSaveCheck(BoardCommandContext& ctx);

// Runs after the save of every change, whatever its outcome: a save that
// met another copy's save has reloaded the board under its lock, which
// brings a new update time and perhaps another all-members message, and
// the status bar shows both again.
void showBoardAfterSave(BoardCommandContext& ctx);

}  // namespace wabo
