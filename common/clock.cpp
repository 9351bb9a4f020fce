#include "common/clock.h"

#include <atomic>
#include <chrono>
#include <mutex>

namespace wabo {

static std::atomic<long long> fixedTime{-1};

std::time_t clockNow() {
  long long t = fixedTime.load();
  return t >= 0 ? static_cast<std::time_t>(t) : std::time(nullptr);
}

void setClockForTests(std::time_t t) { fixedTime.store(static_cast<long long>(t)); }

static std::atomic<std::int64_t> fixedSteady{-1};

std::int64_t steadyMillis() {
  const std::int64_t fixed = fixedSteady.load();
  if (fixed >= 0) return fixed;
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void setSteadyClockForTests(std::int64_t ms) { fixedSteady.store(ms); }

std::tm localTime(std::time_t t) {
  static std::mutex guard;
  std::lock_guard<std::mutex> lock(guard);
  std::tm result{};
  if (std::tm* p = std::localtime(&t)) result = *p;
  return result;
}

std::string formatTime(const std::tm& tm, const char* format) {
  char buffer[64];
  std::size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
  return std::string(buffer, n);
}

std::string formatNow(const char* format) { return formatTime(localTime(clockNow()), format); }

}  // namespace wabo
