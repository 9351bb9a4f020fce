// The member icons 201..270 of the program file: one image list of all 70
// for the list views, and a single icon for the destination form. Every
// member-icon picture the program shows comes through here.
#pragma once
#include <windows.h>
#include <commctrl.h>

namespace wabo {

// The 70 member icons in an image list of size x size pixels, each drawn on
// `background`; nullptr when it cannot be made.
HIMAGELIST createMemberIconList(int size, COLORREF background);

// Member icon n (0..69) at size x size pixels, for the caller to destroy;
// nullptr for a number outside 0..69.
HICON loadMemberIcon(int n, int size);

// A small icon of the program file at size x size pixels (16 at 96 DPI),
// kept for the program's life: never destroyed by the caller.
HICON loadSmallIcon(int resource, int size = 16);

}  // namespace wabo
