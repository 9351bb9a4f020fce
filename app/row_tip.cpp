#include "app/row_tip.h"

#include "board/columns.h"
#include "board/member_list.h"

namespace wabo {

std::string rowTipText(const MemberList& list, int row,
                       const std::array<std::string, kColumnNameCount>& columnNames) {
  if (row < 0 || row >= list.rowCount()) return "";
  static constexpr Column kTipColumns[] = {kDestinationColumn, kReturnTimeColumn, kContactColumn, kScheduleColumn,
                                           kOtherColumn};
  std::string lines;
  for (Column c : kTipColumns) {
    const std::string text = list.text(row, c, kColumns[c].bufferBytes);
    if (!text.empty()) lines += "\r\n" + columnNames[c - 1] + "：" + text;
  }
  if (lines.empty()) return "";
  return list.text(row, kNameColumn, kColumns[kNameColumn].bufferBytes) + lines;
}

}  // namespace wabo
