#include "harness/wait.h"

namespace e2e {

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return done();
    Sleep(kPollIntervalMs);
  }
}

}  // namespace e2e
