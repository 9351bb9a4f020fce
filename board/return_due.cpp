#include "board/return_due.h"

#include <string>

#include "common/sjis.h"

namespace wabo {
namespace {

constexpr int kMinutesPerDay = 24 * 60;
// A return time is a short field; longer text is not read as a time.
constexpr std::size_t kLongestTimeText = 64;

// `text` with full-width digits and colons made half-width and blanks at
// either end (half- and full-width) dropped; double-byte characters whole.
std::string normalised(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (sjis::isLeadByte(lead) && i + 1 < text.size()) {
      const auto trail = static_cast<unsigned char>(text[i + 1]);
      if (lead == 0x82 && trail >= 0x4F && trail <= 0x58) out += static_cast<char>('0' + (trail - 0x4F));  // ０..９
      else if (lead == 0x81 && trail == 0x46) out += ':';                                               // ：
      else if (lead == 0x81 && trail == 0x40) out += ' ';                                               // full-width blank
      else out.append(text.substr(i, 2));
      i += 2;
    } else {
      out += text[i++];
    }
  }
  const std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads 1..maxDigits digits at `at`; -1 when there are none.
int readNumber(std::string_view s, std::size_t& at, std::size_t maxDigits) {
  int value = 0;
  std::size_t n = 0;
  while (at < s.size() && isDigit(s[at]) && n < maxDigits) value = value * 10 + (s[at++] - '0'), ++n;
  return n == 0 || (at < s.size() && isDigit(s[at])) ? -1 : value;
}

bool take(std::string_view s, std::size_t& at, std::string_view word) {
  if (s.substr(at, word.size()) != word) return false;
  at += word.size();
  return true;
}

// The minutes after the hour: ":MM", "時", "時M分", "時MM分", "時半"; -1 for none.
int readMinutes(std::string_view s, std::size_t& at) {
  if (take(s, at, ":")) {
    const std::size_t start = at;
    const int m = readNumber(s, at, 2);
    return at - start == 2 ? m : -1;
  }
  if (!take(s, at, "時")) return -1;
  if (take(s, at, "半")) return 30;
  if (at == s.size() || !isDigit(s[at])) return 0;
  const int m = readNumber(s, at, 2);
  return m >= 0 && take(s, at, "分") ? m : -1;
}

}  // namespace

int returnTimeMinutes(std::string_view text) {
  if (text.size() > kLongestTimeText) return -1;
  const std::string s = normalised(text);
  std::size_t at = 0;
  const int hour = readNumber(s, at, 2);
  if (hour < 0) return -1;
  const int minute = readMinutes(s, at);
  if (minute < 0 || minute > 59 || hour > 24 || (hour == 24 && minute != 0)) return -1;
  for (const char* suffix : {"頃", "ごろ", "予定", "まで"})
    if (take(s, at, suffix)) break;
  return at == s.size() ? hour * 60 + minute : -1;
}

long dayNumberOf(int year, int month, int day) {
  // Days from civil: years counted from March, so the leap day ends a year.
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<long>(era) * 146097 + dayOfEra - 719468;
}

bool writeTimeDay(std::string_view t, long& dayNumber) {
  // "YYYY/MM/DD HH:MM": digits where the format has them, its own marks between.
  constexpr std::string_view kShape = "9999/99/99 99:99";
  if (t.size() != kShape.size()) return false;
  for (std::size_t i = 0; i < kShape.size(); ++i)
    if (kShape[i] == '9' ? !isDigit(t[i]) : t[i] != kShape[i]) return false;
  auto number = [&](std::size_t at, std::size_t n) {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) v = v * 10 + (t[i] - '0');
    return v;
  };
  const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
  static const int kDaysIn[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1 || day > kDaysIn[month - 1]) return false;
  if (month == 2 && day == 29 && dayNumberOf(year, 3, 1) - dayNumberOf(year, 2, 28) != 2) return false;
  if (number(11, 2) > 23 || number(14, 2) > 59) return false;
  dayNumber = dayNumberOf(year, month, day);
  return true;
}

bool isOverdue(const ReturnRow& row, std::string_view inOfficeWord, const std::tm& now) {
  if (!inOfficeWord.empty() && row.destination == inOfficeWord) return false;
  const int minutes = returnTimeMinutes(row.returnTime);
  if (minutes < 0) return false;
  const long today = dayNumberOf(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
  long day = today;
  if (!writeTimeDay(row.writeTime, day)) day = today;
  const long long due = static_cast<long long>(day) * kMinutesPerDay + minutes;
  const long long current = static_cast<long long>(today) * kMinutesPerDay + now.tm_hour * 60 + now.tm_min;
  return current > due;
}

}  // namespace wabo
