// Decimal integers in texts that a person or another copy of the program may
// have written: the one reading of digits, sign and overflow, as the C
// runtime's atoi and scanf("%d") take them, but without undefined results.
#pragma once
#include <cstdint>
#include <string_view>

namespace wabo {

// Digits added one at a time; the magnitude stops growing just past the int
// range, so any number of digits is safe.
class DecimalDigits {
 public:
  void add(char digit);
  bool any() const { return count_ > 0; }
  // The value with its sign, held to INT_MIN..INT_MAX.
  int value(bool negative) const;
  // False when the value with its sign is outside INT_MIN..INT_MAX.
  bool fits(bool negative) const;

 private:
  std::int64_t magnitude_ = 0;
  int count_ = 0;
};

struct LeadingInteger {
  bool found = false;  // at least one digit after the blanks and the sign
  bool fits = false;   // found, and inside INT_MIN..INT_MAX
  int value = 0;       // held to INT_MIN..INT_MAX; 0 when not found
};

// The integer at the start of `text`: blanks (space and tab, or with
// `anyWhiteSpace` also LF, VT, FF and CR), an optional sign, digits.
// Whatever follows the digits is ignored.
LeadingInteger leadingInteger(std::string_view text, bool anyWhiteSpace = false);

// A text of decimal digits only, blanks (space, tab) around them allowed, as
// a dialog's number field takes it: its value, or -1 for any other text
// (a sign, a second number, full-width digits) and for a value above `max`.
long long plainNumber(std::string_view text, long long max);

}  // namespace wabo
