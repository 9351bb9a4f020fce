// The mail commands and the compose dialog over the real main window.
#pragma once

namespace wabo {

void onMailToSelectedMember();  // 40031, list context menu
void onMailFromMenu();          // 40032, menu bar
// The compose dialog over the main window, preset with mailRecipientId.
int composeMailOverMainWindow();

}  // namespace wabo
