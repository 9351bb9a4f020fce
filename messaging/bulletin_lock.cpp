#include "messaging/bulletin_lock.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <random>

#include "common/clock.h"
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

// What this copy has seen of the locks it waited for: contents, time stamp,
// and since when (by its own steady clock) they have been so. Only its own
// clock tells the age: the time stamp was set by another PC's clock or the
// file server's, which may be minutes ahead. Shared by every wait of the
// process, so that a lock seen by one change is still known to the next.
class LockSightings {
 public:
  // Notes what `path` holds at `now`; how long it has held it unchanged.
  std::int64_t unchangedFor(const std::string& path, const std::string& content, long long stamp, std::int64_t now) {
    std::lock_guard<std::mutex> hold(guard_);
    Sighting& seen = seen_[path];
    if (seen.since < 0 || seen.content != content || seen.stamp != stamp) seen = Sighting{content, stamp, now};
    return now - seen.since;
  }
  void forget(const std::string& path) {
    std::lock_guard<std::mutex> hold(guard_);
    seen_.erase(path);
  }

 private:
  struct Sighting {
    std::string content;
    long long stamp = -1;
    std::int64_t since = -1;
  };
  std::mutex guard_;
  std::map<std::string, Sighting> seen_;
};

LockSightings& sightings() {
  static LockSightings all;
  return all;
}

// Removes a lock left behind: the one seen, with `content` and `stamp`. Two
// copies can find the same old lock at once, and the one that comes second
// must not delete the lock the first has just made: the lock is first moved
// aside under a name of this copy's own (only one move can succeed), and
// looked at again there. A lock that is not the one seen, moved aside by
// mistake, is put back with its owner's token.
void takeOverStale(const std::string& lockPath, const std::string& content, long long stamp) {
  sightings().forget(lockPath);
  const std::string aside = asideName(lockPath);
  if (!platform::replaceFile(lockPath, aside)) return;
  const std::string asideContent = lockContent(aside);
  if (asideContent != content || platform::fileWriteStamp(aside) != stamp) {
    platform::createExclusive(lockPath, asideContent);
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
    if (lock_->held()) {
      sightings().forget(lockPath);
      return;
    }
    const long long stamp = platform::fileWriteStamp(lockPath);
    if (stamp < 0) {
      // Nothing there, yet it could not be created: the folder cannot be
      // written, unless the holder is just letting go (on Windows a file
      // being deleted can neither be created nor looked at). A few tries in
      // a row tell the two apart.
      sightings().forget(lockPath);
      if (++createFailuresWithoutLock >= 5) return;
      platform::shortPause(5);
      continue;
    }
    createFailuresWithoutLock = 0;
    const std::string content = lockContent(lockPath);
    if (sightings().unchangedFor(lockPath, content, stamp, steadyMillis()) >= timing.staleSeconds * 1000) {
      takeOverStale(lockPath, content, stamp);
    }
    if (std::chrono::steady_clock::now() >= deadline) return;
    platform::shortPause(15);
  }
}

}  // namespace wabo
