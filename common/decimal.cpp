#include "common/decimal.h"

#include <climits>

namespace wabo {

namespace {

constexpr std::int64_t kCap = static_cast<std::int64_t>(INT_MAX) + 1;

bool isBlank(char c, bool anyWhiteSpace) { return c == ' ' || c == '\t' || (anyWhiteSpace && c >= '\n' && c <= '\r'); }

}  // namespace

void DecimalDigits::add(char digit) {
  ++count_;
  if (magnitude_ <= kCap) magnitude_ = magnitude_ * 10 + (digit - '0');
  if (magnitude_ > kCap) magnitude_ = kCap + 1;
}

int DecimalDigits::value(bool negative) const {
  std::int64_t v = negative ? -magnitude_ : magnitude_;
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

bool DecimalDigits::fits(bool negative) const { return magnitude_ <= (negative ? kCap : kCap - 1); }

LeadingInteger leadingInteger(std::string_view text, bool anyWhiteSpace) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i], anyWhiteSpace)) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  DecimalDigits digits;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) digits.add(text[i]);
  LeadingInteger result;
  result.found = digits.any();
  result.fits = result.found && digits.fits(negative);
  result.value = digits.value(negative);
  return result;
}

long long plainNumber(std::string_view text, long long max) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i], false)) ++i;
  const std::size_t start = i;
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (value <= max) value = value * 10 + (text[i] - '0');
  const bool any = i > start;
  while (i < text.size() && isBlank(text[i], false)) ++i;
  return !any || i != text.size() || value > max ? -1 : value;
}

}  // namespace wabo
