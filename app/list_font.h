// The height of the member list's font, from the display settings.
#pragma once

namespace wabo {

// The font size is any number a member typed or a settings file holds; the
// list asks the system for at most this many pixels, as it draws its icons
// and rows at most this high.
constexpr int kMaxListFontPixels = 256;

// fontSize held to -256..256. A negative height asks for the characters'
// own height, a positive one for the cell's, 0 for the face's default size:
// each keeps its meaning.
int listFontHeight(int fontSize);

}  // namespace wabo
