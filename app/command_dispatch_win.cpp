// WM_COMMAND from the menus (board switching aside): one function per command.
#include "app/shell_win.h"
#include "res/resource.h"

namespace wabo {

void onCommand(int id) {
  switch (id) {
    default:
      break;  // an ID without a command does nothing
  }
}

}  // namespace wabo
