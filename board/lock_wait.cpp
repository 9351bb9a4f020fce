#include "board/lock_wait.h"

#include <chrono>

#include "common/platform_file.h"

namespace wabo {

bool lockGoneSoon(const std::string& lockPath) {
  if (!platform::fileExists(lockPath)) return true;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMs);
  while (std::chrono::steady_clock::now() < deadline) {
    platform::shortPause(2);
    if (!platform::fileExists(lockPath)) return true;
  }
  return false;
}

}  // namespace wabo
