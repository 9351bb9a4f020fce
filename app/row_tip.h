// The tip shown while the pointer rests on a member's row: the whole row in
// a few lines, with the texts that the columns cut.
#pragma once
#include <array>
#include <string>

#include "common/limits.h"

namespace wabo {

class MemberList;

// The member's name on the first line, then one line "<column name>：<text>"
// for each of 行き先, 戻り予定, 連絡事項, 予定 and その他 that is not empty,
// under the board's own column names; lines end in CR LF but the last. ""
// (no tip) when all five are empty or the row does not exist.
std::string rowTipText(const MemberList& list, int row, const std::array<std::string, kColumnNameCount>& columnNames);

}  // namespace wabo
