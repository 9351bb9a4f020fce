// The board commands over the real list view, dialogs and status bar, for
// the shell files that run them (the command table, the first timer tick,
// the mail commands).
#pragma once
#include "app/board_commands.h"

namespace wabo {

BoardCommandContext& shellBoardCommands();

}  // namespace wabo
