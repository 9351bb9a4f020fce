#include "board/member_find.h"

#include <cstdint>
#include <vector>

#include "board/columns.h"
#include "board/member_lookup.h"
#include "common/sjis.h"

namespace wabo {
namespace {

// Double-byte forms that have a single-byte twin: full-width digits,
// capital and small letters (code page 932).
constexpr unsigned kFullDigitZero = 0x824F, kFullDigitNine = 0x8258;
constexpr unsigned kFullCapitalA = 0x8260, kFullCapitalZ = 0x8279;
constexpr unsigned kFullSmallA = 0x8281, kFullSmallZ = 0x829A;

// One character as a number that equal characters share: single bytes as
// themselves (letters in small case), double bytes as lead * 256 + trail
// (the letters and digits above as their single-byte twins).
std::uint32_t foldDoubleByte(unsigned code) {
  if (code >= kFullDigitZero && code <= kFullDigitNine) return '0' + (code - kFullDigitZero);
  if (code >= kFullCapitalA && code <= kFullCapitalZ) return 'a' + (code - kFullCapitalA);
  if (code >= kFullSmallA && code <= kFullSmallZ) return 'a' + (code - kFullSmallA);
  return code;
}

std::vector<std::uint32_t> foldedCharacters(std::string_view text) {
  std::vector<std::uint32_t> out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (sjis::isLeadByte(c) && i + 1 < text.size()) {
      out.push_back(foldDoubleByte(c * 256u + static_cast<unsigned char>(text[++i])));
    } else {
      out.push_back(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
  }
  return out;
}

bool containsFolded(const std::vector<std::uint32_t>& haystack, const std::vector<std::uint32_t>& needle) {
  if (needle.empty() || needle.size() > haystack.size()) return false;
  for (std::size_t start = 0; start + needle.size() <= haystack.size(); ++start) {
    std::size_t k = 0;
    while (k < needle.size() && haystack[start + k] == needle[k]) ++k;
    if (k == needle.size()) return true;
  }
  return false;
}

bool rowMatches(const MemberList& list, int row, const std::vector<std::uint32_t>& needle) {
  return containsFolded(foldedCharacters(cellText(list, row, kIdColumn)), needle) ||
         containsFolded(foldedCharacters(cellText(list, row, kNameColumn)), needle);
}

}  // namespace

bool looselyContains(std::string_view haystack, std::string_view needle) {
  return containsFolded(foldedCharacters(haystack), foldedCharacters(needle));
}

int findMatchingRow(const MemberList& list, std::string_view needle, int from, FindDirection direction) {
  const std::vector<std::uint32_t> folded = foldedCharacters(needle);
  const int count = list.rowCount();
  if (folded.empty() || count <= 0) return -1;
  const int step = direction == FindDirection::kForward ? 1 : count - 1;
  int row = from >= 0 && from < count ? from : (direction == FindDirection::kForward ? count - 1 : 0);
  for (int tried = 0; tried < count; ++tried) {
    row = (row + step) % count;
    if (rowMatches(list, row, folded)) return row;
  }
  return -1;
}

}  // namespace wabo
