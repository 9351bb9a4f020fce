// Finding members in the shown board and copying a row into the edit buffers.
#include "board/member_lookup.h"

#include "board/columns.h"

namespace wabo {

int findMember(const MemberList& list, const std::string& id) {
  if (id.empty()) return -1;
  return list.findId(id);
}

std::string cellText(const MemberList& list, int row, Column column) {
  return list.text(row, column, kColumns[column].bufferBytes);
}

void readRow(const MemberList& list, int row, EditBuffers& edit, bool withDestination) {
  edit.clearRowTexts();
  for (Column column : kFormColumns) {
    if (column == kDestinationColumn && !withDestination) continue;
    edit.*kColumns[column].editBuffer = list.text(row, column, kColumns[column].bufferBytes);
  }
  edit.editIconNumberText = std::to_string(list.image(row));
}

}  // namespace wabo
