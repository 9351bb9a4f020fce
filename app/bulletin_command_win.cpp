#include "app/bulletin_command_win.h"

#include "app/shell_win.h"
#include "messaging/bulletin_board_dialog_win.h"
#include "messaging/bulletin_file.h"

namespace wabo {

void openBulletinBoard() {
  BulletinBoardFields fields;
  fields.bulletinPath = bulletinFilePath(app.shared.mailFolder);
  runBulletinBoardDialog(shell.mainWindow, fields);
}

}  // namespace wabo
