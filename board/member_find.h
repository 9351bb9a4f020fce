// Finding a member by part of the ID or name, as the find box does: the text
// may stand anywhere in the ID or the name; ASCII letters match in either
// case, and the full-width and half-width forms of one letter or digit match
// each other. Double-byte characters are compared whole, so the trail byte
// of one never matches a lead byte or an ASCII letter.
#pragma once
#include <string>
#include <string_view>

#include "board/member_list.h"

namespace wabo {

// True when `needle` (not empty) stands somewhere in `haystack`.
bool looselyContains(std::string_view haystack, std::string_view needle);

enum class FindDirection { kForward, kBackward };

// The next row after `from` (before it, going backward) whose ID or name
// contains `needle`, wrapping around the end of the list; `from` itself is
// tried last. -1 when no row matches or `needle` is empty. A `from` of -1
// starts at the top (at the bottom, going backward).
int findMatchingRow(const MemberList& list, std::string_view needle, int from, FindDirection direction);

}  // namespace wabo
