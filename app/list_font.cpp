#include "app/list_font.h"

#include <algorithm>

namespace wabo {

int listFontHeight(int fontSize) { return std::clamp(fontSize, -kMaxListFontPixels, kMaxListFontPixels); }

}  // namespace wabo
