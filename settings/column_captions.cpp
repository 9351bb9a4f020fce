#include "settings/column_captions.h"

#include "common/sjis.h"

namespace wabo {

bool takeTypedCaptions(const ColumnCaptions& shown, const ColumnCaptions& typed, ColumnCaptions& columnNames) {
  bool replaced = false;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] == shown[i]) continue;
    std::string caption = sjis::cut(typed[i], fieldLimit(kShortTextBytes));
    if (sjis::commaToSlash(caption)) replaced = true;
    columnNames[i] = caption;
  }
  return replaced;
}

}  // namespace wabo
