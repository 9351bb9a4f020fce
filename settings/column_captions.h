// The eight column captions as the column names dialog changes them.
#pragma once
#include <array>
#include <string>

#include "common/limits.h"

namespace wabo {

using ColumnCaptions = std::array<std::string, kColumnNameCount>;

// Takes into `columnNames` every caption the administrator changed, i.e.
// whose typed text differs from the one the dialog showed; a caption left
// as shown keeps what `columnNames` holds now, so a rename by another
// member that a reload brought in meanwhile is not undone. A taken caption
// is cut to 28 bytes and every "," in it becomes "/" (the board file
// separates its fields with commas). True when at least one comma was
// replaced, in whichever caption: the caller then tells the user once.
bool takeTypedCaptions(const ColumnCaptions& shown, const ColumnCaptions& typed, ColumnCaptions& columnNames);

}  // namespace wabo
