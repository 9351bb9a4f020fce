#include "board/id_edit.h"

#include "board/member_lookup.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/sjis.h"

namespace wabo {

IdEditVerdict checkIdEdit(const MemberList& list, int row, const std::string& typed) {
  IdEditVerdict v;
  // The line-break test comes before the cut: a break is never taken away
  // silently, whatever its place.
  if (typed.find_first_of("\r\n") != std::string::npos) {
    v.warning = msg::kLineBreakNotAllowed;
    return v;
  }
  v.id = sjis::cut(typed, fieldLimit(kShortTextBytes));
  v.commasReplaced = sjis::commaToSlash(v.id);
  if (v.id.empty()) v.warning = msg::kIdEmpty;
  else if (v.id[0] == ' ') v.warning = msg::kIdStartsWithSpace;
  else if (v.id == "END") v.warning = msg::kIdIsEnd;
  if (v.warning != nullptr) return v;
  const int holder = list.findId(v.id);
  if (holder >= 0 && holder != row) {
    v.warning = msg::kDuplicateId;
    return v;
  }
  v.unchanged = cellText(list, row, kIdColumn) == v.id;
  return v;
}

}  // namespace wabo
