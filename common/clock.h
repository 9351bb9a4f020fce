// The one clock of the program. Every operation that stamps time reads it, so
// tests can set the time.
#pragma once
#include <cstdint>
#include <ctime>
#include <string>

namespace wabo {

std::time_t clockNow();
// Tests fix the clock to `t`; a value of -1 returns to the real time.
void setClockForTests(std::time_t t);
// Milliseconds of this program's own steady clock: it never jumps with the
// wall clock, so it tells for how long something has been seen, whatever the
// time of a file server or another PC says.
std::int64_t steadyMillis();
// Tests fix the steady clock to `ms`; -1 returns to the real one.
void setSteadyClockForTests(std::int64_t ms);
// Local time of `t` (thread-safe copy).
std::tm localTime(std::time_t t);
// strftime of `tm` with `format` (texts up to 63 bytes).
std::string formatTime(const std::tm& tm, const char* format);
// formatTime of the clock's local time.
std::string formatNow(const char* format);

}  // namespace wabo
