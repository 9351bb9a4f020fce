// The in-place edit of a row's ID in the member list: what the typed text
// becomes, or why it is refused. The same refusals as the destination
// dialog's ID field, with their messages.
#pragma once
#include <string>

#include "board/member_list.h"

namespace wabo {

struct IdEditVerdict {
  const char* warning = nullptr;  // refused: the row keeps its ID
  bool commasReplaced = false;    // accepted with "," made "/": say so
  bool unchanged = false;         // accepted, but the same ID as before
  std::string id;                 // the new ID when accepted
};

// `typed` for the row `row`: cut to what an ID field takes (28 bytes, never
// half a character), commas made slashes; refused when empty, beginning with
// a blank, "END", holding a line break, or the ID of another row in any
// letter case.
IdEditVerdict checkIdEdit(const MemberList& list, int row, const std::string& typed);

}  // namespace wabo
