#include "members/icon_form.h"

#include "board/member_lookup.h"
#include "common/decimal.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "common/messages.h"

namespace wabo {

int iconNumberValue(std::string_view text) { return leadingInteger(text).value; }

std::string iconLabel(int n) { return std::to_string(n); }

IconVerdict acceptIconForm(std::string_view typedId, std::string_view typedNumber, const MemberList& list,
                           std::string& targetId, std::string& numberText) {
  targetId = singleLineFieldText(typedId, kShortTextBytes);
  numberText = singleLineFieldText(typedNumber, kShortTextBytes);

  IconVerdict v;
  int number = iconNumberValue(numberText);
  if (number < 0 || number >= kMemberIconCount) {
    v.warning = msg::kIconNumberOutOfRange;
    v.numberAtFault = true;
    return v;
  }
  if (findMember(list, targetId) < 0) {
    v.warning = msg::kIconIdNotFound;
    return v;
  }
  numberText = std::to_string(number);
  v.accepted = true;
  return v;
}

}  // namespace wabo
