// The settings at start and at exit.
#pragma once
#include "app/app_state.h"
#include "board/member_list.h"

namespace wabo {

// Start: with programFolder and windowsFolder set, the default paths of
// boards 1 and 2, the local settings file, then the shared settings file
// (from sharedSettingsFolder, or the program folder). Then the rules that
// join them: the board shown is the selected one (board 1 for a stored
// number outside 1..5); automatic PC search is off when the administrator
// does not allow PC search; an empty mail folder means the program folder.
void loadStartupSettings(AppState& app);

// Exit, after the window rectangle has been taken: the shown board's column
// layout (unless the board could not be read: the columns on screen may
// then be another board's), the auto update minutes as typed, and the local
// settings file. A file that cannot be written is skipped: there is nobody
// left to tell.
void saveSettingsAtExit(const MemberList& list, AppState& app);

}  // namespace wabo
