// The display order of the member list's ten columns: position -> column.
#pragma once
#include <array>

#include "common/limits.h"

namespace wabo {

using ColumnOrder = std::array<int, kColumnCount>;

constexpr ColumnOrder kDefaultColumnOrder = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

// True when `order` names each of the columns 0..9 exactly once. Orders
// come from a settings file a person may edit; the list view wants one of
// these.
constexpr bool isColumnPermutation(const ColumnOrder& order) {
  bool seen[kColumnCount] = {};
  for (int column : order) {
    if (column < 0 || column >= kColumnCount || seen[column]) return false;
    seen[column] = true;
  }
  return true;
}

}  // namespace wabo
