// The 設定 and ﾍﾙﾌﾟ commands of the main window over the real dialogs, timer,
// list view and shell (app/settings_commands.h decides what they do).
#pragma once

namespace wabo {

void onAutoUpdateSettings();     // 40009
void onDisplaySettings();        // 40010
void onVersionInfo();            // 40017
void onManual();                 // 40033
void onResetUserSettings();      // 40034
void onOnlineInfo();             // 40042
void onQuickInputSettings();     // 40050
void onSharedLocationSettings(); // 40054

}  // namespace wabo
