// Pixel sizes at the screen's resolution. The program's own sizes (column
// widths, row height, font height, status-bar parts, the window rectangle)
// are given, and kept in WaboM.ini, in units of a 96-DPI screen (100 %), as
// the program always wrote them; on screen they are scaled to the window's
// DPI. A member who moves between screens of different scaling, or shares
// the file with an older copy, finds the same layout.
#pragma once

namespace wabo {

constexpr int kBaseDpi = 96;

// A DPI the arithmetic can use: anything not positive counts as 96.
int usableDpi(int dpi);

// `value` (96-DPI units) in pixels at `dpi`: value x dpi / 96, rounded to the
// nearest pixel, halves away from zero. Results beyond the int range are
// held at its ends.
int scaleToDpi(int value, int dpi);

// `pixels` at `dpi` in 96-DPI units, rounded the same way. At 96 DPI and
// above, scaleToDpi of the result gives `pixels` back whenever `pixels` is
// the scaling of some value; so a value scaled and taken back is the value.
int unscaleFromDpi(int pixels, int dpi);

// What to store for a size shown as `pixels` whose stored value was
// `stored`: `stored` itself while it still scales to `pixels` (a size read
// and written back unchanged stays byte for byte the same at any DPI), else
// unscaleFromDpi(pixels).
int unscaleKeeping(int pixels, int stored, int dpi);

}  // namespace wabo
