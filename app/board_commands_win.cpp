// The board commands over the real program: dialogs over the main window,
// the status bar and the reload of the main window.
#include "app/board_dialogs_win.h"
#include "app/shell_win.h"

namespace wabo {
namespace {

class ShellDialogs : public BoardDialogs {
 public:
  int destinationDialog() override { return runDestinationDialog(shell.mainWindow); }
  int iconDialog() override { return runIconDialog(shell.mainWindow); }
  int messageDialog(std::string& message) override { return runMessageDialog(shell.mainWindow, message); }
  int deleteIdDialog() override { return runDeleteIdDialog(shell.mainWindow); }
  int targetIdDialog() override { return runTargetIdDialog(shell.mainWindow); }
  int userIdDialog() override { return runUserIdDialog(shell.mainWindow); }
  int pcNameDialog() override { return runPcNameDialog(shell.mainWindow); }
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
