// WM_SIZE: the list fills the client area above the status bar, and the
// status bar gets its parts, texts and icons again.
#include "app/shell_win.h"

namespace wabo {

void onSize(WPARAM sizeType, int width, int height) {
  MoveWindow(shell.memberListView, 0, 0, width, height - scaled(20), TRUE);
  layoutStatusBar(width);
  // The status bar places itself at the bottom from the parent's size.
  SendMessageA(shell.statusBar, WM_SIZE, sizeType, MAKELPARAM(width, height));
  showUpdateTime();
  showAutoUpdateStatus();
  showAllMembersMessage();
}

}  // namespace wabo
