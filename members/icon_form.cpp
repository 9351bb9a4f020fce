#include "members/icon_form.h"

#include <climits>

#include "board/member_lookup.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "common/messages.h"

namespace wabo {

int iconNumberValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;  // stays saturated
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

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
