// The icon dialog's decisions, apart from its window.
#pragma once
#include <string>
#include <string_view>

#include "board/member_list.h"

namespace wabo {

// The integer value of an icon-number text: optional blanks, an optional
// sign and the leading decimal digits; a text that does not begin with a
// number is 0. Values beyond the int range come out as INT_MIN or INT_MAX
// (and are refused like any other number outside 0..69).
int iconNumberValue(std::string_view text);

// The label of picture n in the icon list ("%d").
std::string iconLabel(int n);

struct IconVerdict {
  bool accepted = false;
  const char* warning = nullptr;  // refusal, warning icon; the dialog stays open
  bool numberAtFault = false;     // which field to focus after the refusal
};

// OK: takes the typed ID into `targetId` (iconDialogId) and the number text
// into `numberText` (editIconNumberText), 28 bytes each, then tests that the
// number is 0..69 and that the ID is on the shown board. An accepted number
// is written back in plain decimal, so that the row edit reads the same value.
IconVerdict acceptIconForm(std::string_view typedId, std::string_view typedNumber, const MemberList& list,
                           std::string& targetId, std::string& numberText);

}  // namespace wabo
