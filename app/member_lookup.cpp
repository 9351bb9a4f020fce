#include "app/member_lookup.h"

#include "common/limits.h"

namespace wabo {

int findMember(const MemberList& list, const std::string& id) {
  if (id.empty()) return -1;
  return list.findId(id);
}

void readRow(const MemberList& list, int row, EditBuffers& edit, bool withDestination) {
  edit.clearRowTexts();
  edit.editId = list.text(row, 0, kShortTextBytes);
  edit.editName = list.text(row, 1, kShortTextBytes);
  if (withDestination) edit.editDestination = list.text(row, 2, kShortTextBytes);
  edit.editReturnTime = list.text(row, 3, kShortTextBytes);
  edit.editMobile = list.text(row, 5, kLongTextBytes);
  edit.editContact = list.text(row, 6, kLongTextBytes);
  edit.editSchedule = list.text(row, 7, kLongTextBytes);
  edit.editOther = list.text(row, 8, kLongTextBytes);
  edit.editIconNumberText = std::to_string(list.image(row));
}

}  // namespace wabo
