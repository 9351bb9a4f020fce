#include "app/overdue_rows.h"

#include <algorithm>
#include <cmath>

#include "board/columns.h"
#include "board/member_list.h"
#include "board/return_due.h"

namespace wabo {
namespace {

constexpr std::int32_t rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// Reds from dark to light: the first that reads on the background is taken.
constexpr std::int32_t kOverdueReds[] = {rgb(176, 0, 0), rgb(255, 150, 150), rgb(255, 200, 200)};
constexpr std::int32_t kBlack = rgb(0, 0, 0), kWhite = rgb(255, 255, 255);
// Text in a bold face reads from this contrast on.
constexpr double kReadableContrast = 4.5;

double channel(std::int32_t colour, int shift) {
  const double c = ((static_cast<std::uint32_t>(colour) >> shift) & 0xFF) / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(std::int32_t colour) {
  return 0.2126 * channel(colour, 0) + 0.7152 * channel(colour, 8) + 0.0722 * channel(colour, 16);
}

}  // namespace

bool rowIsOverdue(const MemberList& list, int row, std::string_view inOfficeWord, const std::tm& now) {
  const std::string destination = list.text(row, kDestinationColumn, kColumns[kDestinationColumn].bufferBytes);
  const std::string returnTime = list.text(row, kReturnTimeColumn, kColumns[kReturnTimeColumn].bufferBytes);
  const std::string writeTime = list.text(row, kWriteTimeColumn, kColumns[kWriteTimeColumn].bufferBytes);
  return isOverdue({destination, returnTime, writeTime}, inOfficeWord, now);
}

double contrastRatio(std::int32_t a, std::int32_t b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::int32_t overdueTextColour(std::int32_t background) {
  for (std::int32_t red : kOverdueReds)
    if (contrastRatio(red, background) >= kReadableContrast) return red;
  return contrastRatio(kBlack, background) >= contrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace wabo
