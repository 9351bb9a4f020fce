// The board commands over the real program: each dialog runs over the main
// window on fields filled from the program's state, and what an accepted
// dialog typed goes back into that state; the status bar and the reload of
// the main window.
#include <vector>

#include "app/board_dialogs_win.h"
#include "app/id_dialogs_win.h"
#include "app/shell_win.h"
#include "board/columns.h"
#include "members/destination_dialog_win.h"
#include "members/destination_form.h"
#include "members/icon_dialog_win.h"
#include "members/message_dialog_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

// Dialogs 103, 104 and 298: one field from `shown`, taken into `typed`.
int oneIdField(int templateId, int control, const std::string& shown, std::string& typed) {
  std::vector<IdDialogField> fields{{control, shown}};
  int result = runIdDialog(shell.mainWindow, templateId, fields);
  if (result == 0) typed = fields[0].text;
  return result;
}

class ShellDialogs : public BoardDialogs {
 public:
  int destinationDialog() override {
    DestinationDialogFields fields{app.edit, app.board.columnNames, destinationChoices(app.shared)};
    int result = runDestinationDialog(shell.mainWindow, fields);
    if (result == 0)
      for (Column column : kFormColumns) {
        std::string EditBuffers::*buffer = kColumns[column].editBuffer;
        app.edit.*buffer = fields.edit.*buffer;
      }
    return result;
  }

  int iconDialog() override {
    IconDialogFields fields{app.edit.iconDialogId, app.edit.editIconNumberText, &memberList()};
    int result = runIconDialog(shell.mainWindow, fields);
    if (result == 0) {
      app.edit.iconDialogId = fields.targetId;
      app.edit.editIconNumberText = fields.numberText;
    }
    return result;
  }

  int messageDialog(std::string& message) override {
    MessageDialogFields fields{message};
    int result = runMessageDialog(shell.mainWindow, fields);
    if (result == 0) message = fields.message;
    return result;
  }

  int deleteIdDialog() override {
    return oneIdField(IDD_DELETE_ID, IDC_DELETE_ID, app.edit.deleteId, app.edit.deleteId);
  }
  int targetIdDialog() override {
    return oneIdField(IDD_TARGET_ID, IDC_TARGET_ID, app.local.userId, app.edit.targetId);
  }
  int userIdDialog() override {
    return oneIdField(IDD_USER_ID, IDC_USER_ID, app.local.userId, app.edit.enteredUserId);
  }

  int pcNameDialog() override {
    EditBuffers& e = app.edit;
    // ID and name are shown only (read-only fields): the ID is not read back.
    std::vector<IdDialogField> fields{
        {IDC_PCN_ID, e.editId, true}, {IDC_PCN_NAME, e.editName, true}, {IDC_PCN_PC_NAME, e.editPcName}};
    int result = runIdDialog(shell.mainWindow, IDD_PC_NAME, fields);
    if (result == 0) e.editPcName = fields[2].text;
    return result;
  }
};

class ShellMainView : public MainView {
 public:
  void showUpdateTime() override { wabo::showUpdateTime(); }
  void showAllMembersMessage() override { wabo::showAllMembersMessage(); }
  bool reloadBoard() override { return wabo::reloadBoard(); }
};

}  // namespace

BoardCommandContext& shellBoardCommands() {
  static ShellDialogs dialogs;
  static ShellMainView view;
  static BoardCommandContext context{memberList(), app, mainUi(), dialogs, view};
  return context;
}

}  // namespace wabo
