// Trying an operation again for a moment, for files that another PC holds
// open just then. The caller is the user-interface thread, so the whole wait
// is bounded by time, not by a count of pauses: a pause of 1 ms can last a
// whole timer period (about 16 ms) on Windows.
#pragma once
#include <chrono>

#include "common/platform_file.h"

namespace wabo {

// Retries for up to about `milliseconds` (20 unless given, plus one pause),
// calling `attempt` until it returns true; `worthRetrying` is asked before
// each further attempt.
template <typename Attempt, typename WorthRetrying>
bool retryBriefly(Attempt attempt, WorthRetrying worthRetrying, int milliseconds = 20) {
  if (attempt()) return true;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < deadline && worthRetrying()) {
    platform::shortPause(1);
    if (attempt()) return true;
  }
  return false;
}

}  // namespace wabo
