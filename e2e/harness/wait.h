// Deadlines with short polling: the driver never waits a fixed time.
#pragma once
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace e2e {

// Generous for a loaded machine; a passing step takes milliseconds.
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kStepTimeoutMs = 8000;
constexpr DWORD kPollIntervalMs = 5;

// Calls `done` until it returns true or the time is up; true when it did.
inline bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs = kStepTimeoutMs) {
  for (const ULONGLONG deadline = GetTickCount64() + timeoutMs;; Sleep(kPollIntervalMs)) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return done();
  }
}

// Thrown when the program does not do what a step needs (no window, no
// dialog, a failed read); GoogleTest reports it as a failure of the test.
class HarnessError : public std::runtime_error {
 public:
  explicit HarnessError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace e2e
