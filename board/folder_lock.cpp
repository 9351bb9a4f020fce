#include "board/folder_lock.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <random>

#include "common/brief_retry.h"
#include "common/clock.h"
#include "common/platform_file.h"

namespace wabo {

namespace {

std::string newToken() {
  static std::atomic<unsigned> counter{0};
  static const unsigned long long seed = [] {
    std::random_device device;
    return (static_cast<unsigned long long>(device()) << 32) ^ device();
  }();
  char text[96];
  std::snprintf(text, sizeof text, "wabo %016llx %lld %u", seed, static_cast<long long>(clockNow()),
                counter.fetch_add(1));
  return text;
}

enum class LockRead { kRead, kGone, kUnreadable };

// The lock file's content. Reads at most a little more than a token, so a
// strange file cannot make it slow.
LockRead readLock(const std::string& path, std::string& content) {
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return errno == ENOENT ? LockRead::kGone : LockRead::kUnreadable;
  char buffer[128];
  std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
  std::fclose(file);
  content.assign(buffer, n);
  return LockRead::kRead;
}

}  // namespace

FolderLock::FolderLock(std::string lockPath) : path_(std::move(lockPath)), token_(newToken()) {
  held_ = platform::createExclusive(path_, token_);
}

FolderLock::~FolderLock() { release(); }

bool FolderLock::release() {
  if (!held_) return true;
  held_ = false;
  // Another PC may hold the file open for a moment (testing for the lock),
  // and then it can neither be read nor deleted: try again briefly. A lock
  // left behind would block every board in the folder until somebody
  // deleted it by hand.
  bool othersLock = false;
  const bool done = retryBriefly(
      [&] {
        std::string content;
        switch (readLock(path_, content)) {
          case LockRead::kGone:
            return true;
          case LockRead::kRead:
            // Somebody else's lock (a program that emptied ours and took
            // it over) stays where it is.
            othersLock = content != token_;
            return othersLock || platform::removeFile(path_);
          case LockRead::kUnreadable:
            break;
        }
        return false;
      },
      [] { return true; });
  // Still there and never seen to be somebody else's: it is the one this
  // save created.
  if (done || othersLock) return true;
  return platform::removeFile(path_);
}

}  // namespace wabo
