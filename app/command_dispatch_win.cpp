// WM_COMMAND from the menus (board switching aside): one function per command.
#include "app/board_commands.h"
#include "app/board_dialogs_win.h"
#include "app/shell_win.h"
#include "res/resource.h"

namespace wabo {

void onCommand(int id) {
  switch (id) {
    case CMD_REFRESH:
      onManualRefresh();
      break;
    case CMD_HIDE_TO_TRAY:
      hideIntoTray();
      break;
    case CMD_SHOW_FROM_TRAY:
      showFromTray();
      break;
    case CMD_EXIT_FROM_TRAY:
      exitFromTray();
      break;
    default:
      // The commands that change a member's row or the board's message;
      // an ID without a command does nothing.
      if (isBoardCommand(id)) runShellBoardCommand(id);
      break;
  }
}

}  // namespace wabo
