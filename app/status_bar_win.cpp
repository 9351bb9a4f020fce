// The three parts of the status bar: the all-members message (0), the auto
// update mode (1) and the time of the last look at the board file (2).
#include "app/shell_win.h"
#include "members/member_icons_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

enum Part { kMessagePart = 0, kAutoUpdatePart = 1, kUpdateTimePart = 2 };

void setPartText(int part, const std::string& text) {
  SendMessageA(shell.statusBar, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

void setPartIcon(int part, HICON icon) {
  SendMessageA(shell.statusBar, SB_SETICON, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void layoutStatusBar(int clientWidth) {
  int rightEdges[3] = {clientWidth - scaled(215), clientWidth - scaled(125), clientWidth};
  SendMessageA(shell.statusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(rightEdges));
}

void showUpdateTime() {
  setPartText(kUpdateTimePart, app.times.updateTimeText);
  setPartIcon(kUpdateTimePart, loadSmallIcon(IDI_UPDATE_TIME, scaled(16)));
}

void showAutoUpdateStatus() { setPartText(kAutoUpdatePart, app.local.autoUpdateStatusText); }

void showAllMembersMessage() {
  HICON icon = loadSmallIcon(IDI_MESSAGE, scaled(16));
  const std::string& message = app.board.allMembersMessage;
  if (message.empty()) {
    setPartIcon(kMessagePart, nullptr);
    setPartText(kMessagePart, "");
    SendMessageA(shell.statusBar, SB_SETTIPTEXTA, kMessagePart, reinterpret_cast<LPARAM>(""));
    return;
  }
  setPartIcon(kMessagePart, icon);
  setPartText(kMessagePart, message);
  SendMessageA(shell.statusBar, SB_SETTIPTEXTA, kMessagePart, reinterpret_cast<LPARAM>(message.c_str()));
}

}  // namespace wabo
