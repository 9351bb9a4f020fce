// WM_COMMAND from the menus: the row of the command's ID in the command table
// (app/command_table.def) says which function carries it out.
#include "app/admin_commands_win.h"
#include "app/board_commands.h"
#include "app/board_dialogs_win.h"
#include "app/bulletin_command_win.h"
#include "app/find_box_win.h"
#include "app/history_window_win.h"
#include "app/mail_commands_win.h"
#include "app/settings_commands_win.h"
#include "app/shell_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

// A board command over the real list view, dialogs and status bar.
template <void (*command)(BoardCommandContext&)>
void onBoardCommand() {
  command(shellBoardCommands());
}

// Commands 40036..40040 of the ﾎﾞｰﾄﾞ選択 menu.
template <int board>
void onBoardChosen() {
  switchBoard(board);
}

struct CommandRow {
  int id;
  void (*handler)();  // nullptr: not built yet
};

const CommandRow kCommandTable[] = {
#define COMMAND(id, handler) {id, handler},
#define NOT_BUILT(id) {id, nullptr},
#include "app/command_table.def"
#undef COMMAND
#undef NOT_BUILT
};

}  // namespace

void onCommand(int id) {
  // An ID without a row, or a row not built yet, does nothing.
  for (const CommandRow& row : kCommandTable) {
    if (row.id != id) continue;
    if (row.handler != nullptr) row.handler();
    return;
  }
}

}  // namespace wabo
