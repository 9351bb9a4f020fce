#include "settings/colour_picker_win.h"

#include <commdlg.h>

#include "common/system_library_win.h"

namespace wabo {
namespace {

// All black at start, kept for the life of the process.
COLORREF customColours[16] = {};
static_assert(sizeof customColours == 16 * sizeof(COLORREF), "ChooseColorA reads and writes 16 custom colours");

}  // namespace

COLORREF pickColour(HWND owner, COLORREF initialColour) {
  CHOOSECOLORA choice = {};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = owner;
  choice.rgbResult = initialColour;
  choice.lpCustColors = customColours;
  choice.Flags = CC_RGBINIT;
  return system::chooseColour(&choice) ? choice.rgbResult : initialColour;
}

}  // namespace wabo
