// WM_COMMAND from the menus (board switching aside): one function per command.
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
    case CMD_DESTINATION_BY_ID:
    case CMD_ADD_MEMBER:
    case CMD_DELETE_MEMBER:
    case CMD_OWN_DESTINATION:
    case CMD_DESTINATION_SELECTED:
    case CMD_ICON_SELECTED:
    case CMD_USER_ID:
    case CMD_ICON_OWN:
    case CMD_DELETE_SELECTED:
    case CMD_ALL_MEMBERS_MESSAGE:
    case CMD_QUICK_INPUT_1:
    case CMD_QUICK_INPUT_2:
    case CMD_PC_NAME:
      runShellBoardCommand(id);
      break;
    default:
      break;  // an ID without a command does nothing
  }
}

}  // namespace wabo
