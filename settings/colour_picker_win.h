// The colour picker behind the colour buttons of the display and auto update
// dialogs: the system's colour dialog, started from a given colour.
#pragma once
#include <windows.h>

namespace wabo {

// Opens the colour dialog owned by `owner` (the member list view), with the
// run's custom colours and `initialColour` preselected. Returns the colour
// chosen with OK, otherwise `initialColour` unchanged. Custom colours defined
// in one call are offered again in the next call of the same run; they are
// never stored.
COLORREF pickColour(HWND owner, COLORREF initialColour);

}  // namespace wabo
