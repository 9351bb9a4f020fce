// The one clock of the program. Every operation that stamps time reads it, so
// tests can set the time.
#pragma once
#include <ctime>
#include <string>

namespace wabo {

std::time_t clockNow();
// Tests fix the clock to `t`; a value of -1 returns to the real time.
void setClockForTests(std::time_t t);
// Local time of `t` (thread-safe copy).
std::tm localTime(std::time_t t);
// strftime of `tm` with `format` (texts up to 63 bytes).
std::string formatTime(const std::tm& tm, const char* format);
// formatTime of the clock's local time.
std::string formatNow(const char* format);

}  // namespace wabo
