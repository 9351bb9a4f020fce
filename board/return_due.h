// Return times that have passed. A row's 戻り予定 is free text; when it names
// a time of day ("15:00", "9:30", "15時", "15時30分", "15時半", in half- or
// full-width digits and colons, optionally followed by 頃, ごろ, 予定 or まで),
// that time on the day of the row's 書込日時 is when the member meant to be
// back. Anything else (明日, 未定, 直帰, a date, a time with more around it)
// names no time and is never overdue. Only the display looks at this: the
// board file is never written because of it.
#pragma once
#include <ctime>
#include <string_view>

namespace wabo {

// Minutes after midnight (0..1440) that `text` names, or -1 when it names
// no time. 1440 is "24:00", the midnight at the end of the day.
int returnTimeMinutes(std::string_view text);

// The calendar day of a write time "YYYY/MM/DD HH:MM" as a day number
// (days since 1970-01-01), or false when it is not such a text.
bool writeTimeDay(std::string_view writeTime, long& dayNumber);

// Day number of a calendar date (days since 1970-01-01; proleptic Gregorian).
long dayNumberOf(int year, int month, int day);

// The texts of a row the rule looks at.
struct ReturnRow {
  std::string_view destination, returnTime, writeTime;
};

// True when the row's return time has passed at `now` (local time): it names
// a time, the time on the day of the write time (today when the write time
// cannot be read) lies before the current minute, and the member is not
// in the office (destination equal to `inOfficeWord`, the first quick-input
// word; an empty word matches nothing).
bool isOverdue(const ReturnRow& row, std::string_view inOfficeWord, const std::tm& now);

}  // namespace wabo
