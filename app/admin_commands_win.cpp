// The administrator commands over the real program: their dialogs over the
// main window, the board menu, and Wabo.ini where this program reads it.
#include "app/admin_commands_win.h"

#include "app/admin_commands.h"
#include "app/board_dialogs_win.h"
#include "app/shell_win.h"
#include "settings/board_settings_dialog_win.h"
#include "settings/column_names_dialog_win.h"
#include "settings/destination_list_dialog_win.h"
#include "settings/other_settings_dialog_win.h"
#include "settings/shared_settings.h"

namespace wabo {
namespace {

class ShellAdminDialogs : public AdminDialogs {
 public:
  int boardSettingsDialog(BoardSettingsFields& f) override { return runBoardSettingsDialog(shell.mainWindow, f); }
  int destinationListDialog(DestinationListFields& f) override {
    return runDestinationListDialog(shell.mainWindow, f);
  }
  int columnNamesDialog(ColumnNamesFields& f) override { return runColumnNamesDialog(shell.mainWindow, f); }
  int otherSettingsDialog(OtherSettingsFields& f) override { return runOtherSettingsDialog(shell.mainWindow, f); }
};

class ShellBoardMenu : public BoardMenuView {
 public:
  void refreshBoardMenu() override { wabo::refreshBoardMenu(/*copyBoardPath=*/true); }
};

template <void (*command)(AdminContext&)>
void runOverShell() {
  static ShellAdminDialogs dialogs;
  static ShellBoardMenu menu;
  AdminContext context{shellBoardCommands(), dialogs, menu,
                       sharedSettingsPath(app.main.programFolder, app.local.sharedSettingsFolder)};
  command(context);
}

}  // namespace

void onDestinationList() { runOverShell<destinationListCommand>(); }
void onBoardSettings() { runOverShell<boardSettingsCommand>(); }
void onOtherSettings() { runOverShell<otherSettingsCommand>(); }
void onColumnNames() { runOverShell<columnNamesCommand>(); }

}  // namespace wabo
