// How the member list marks the rows whose return time has passed
// (board/return_due.h): which rows, and in which text colour. The list
// draws such a row in that colour and in bold, so that it stands out also
// for members who do not see the colour.
#pragma once
#include <cstdint>
#include <ctime>
#include <string_view>

namespace wabo {

class MemberList;

// True when row `row` of `list` is overdue at `now` for this PC's in-office
// word (the first quick-input word).
bool rowIsOverdue(const MemberList& list, int row, std::string_view inOfficeWord, const std::tm& now);

// The text colour of an overdue row on `background` (COLORREF: red in the
// low byte): a red dark or light enough to read on it; on a background
// where no red reads (a red one), black or white, whichever reads better.
std::int32_t overdueTextColour(std::int32_t background);

// Contrast ratio of two colours (1 to 21), as the accessibility guidelines
// measure it from their relative luminance.
double contrastRatio(std::int32_t a, std::int32_t b);

}  // namespace wabo
