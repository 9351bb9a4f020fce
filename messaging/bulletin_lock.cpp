#include "messaging/bulletin_lock.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <random>

#include "common/platform_file.h"

namespace wabo {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// A lock's content (a token of its owner), bounded: a strange file cannot
// make this slow.
std::string lockContent(const std::string& path) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::string();
  char buffer[128];
  std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
  return std::string(buffer, n);
}

std::string asideName(const std::string& lockPath) {
  static std::mt19937_64 random{std::random_device{}()};
  char suffix[40];
  std::snprintf(suffix, sizeof suffix, ".%016llx.old", static_cast<unsigned long long>(random()));
  return lockPath + suffix;
}

// Removes a lock left behind. Two copies can find the same old lock at once,
// and the one that comes second must not delete the lock the first has just
// made: the lock is first moved aside under a name of this copy's own (only
// one move can succeed), and looked at again there. A fresh lock moved aside
// by mistake is put back with its owner's token.
void takeOverStale(const std::string& lockPath, long long staleSeconds) {
  const std::string aside = asideName(lockPath);
  if (!platform::replaceFile(lockPath, aside)) return;
  if (platform::fileAgeSeconds(aside) < staleSeconds) {
    platform::createExclusive(lockPath, lockContent(aside));
  }
  platform::removeFile(aside);
}

}  // namespace

std::string bulletinLockPath(const std::string& bulletinPath) {
  const std::string dat = ".dat";
  if (bulletinPath.size() >= dat.size() && bulletinPath.compare(bulletinPath.size() - dat.size(), dat.size(), dat) == 0) {
    return bulletinPath.substr(0, bulletinPath.size() - dat.size()) + ".lck";
  }
  return bulletinPath + ".lck";
}

BulletinLock::BulletinLock(const std::string& lockPath, const BulletinLockTiming& timing) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timing.waitMilliseconds);
  int createFailuresWithoutLock = 0;
  for (;;) {
    lock_.emplace(lockPath);
    if (lock_->held()) return;
    const long long age = platform::fileAgeSeconds(lockPath);
    if (age < 0) {
      // Nothing there, yet it could not be created: the folder cannot be
      // written, unless the holder is just letting go (on Windows a file
      // being deleted can neither be created nor looked at). A few tries in
      // a row tell the two apart.
      if (++createFailuresWithoutLock >= 5) return;
      platform::shortPause(5);
      continue;
    }
    createFailuresWithoutLock = 0;
    if (age >= timing.staleSeconds) takeOverStale(lockPath, timing.staleSeconds);
    if (std::chrono::steady_clock::now() >= deadline) return;
    platform::shortPause(15);
  }
}

}  // namespace wabo
