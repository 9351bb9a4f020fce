#include "messaging/bulletin_merge.h"

#include <algorithm>

#include "common/brief_retry.h"

namespace wabo {

namespace {

// The posts in the file now. A file another program holds open for a moment
// is tried again briefly; if it stays unreadable the change is not made, as
// writing over it would lose every post in it.
bool readCurrent(const std::string& path, BulletinPosts& current) {
  BulletinRead result = BulletinRead::kUnreadable;
  retryBriefly(
      [&] {
        result = readBulletinFile(path, current);
        return result != BulletinRead::kUnreadable;
      },
      [] { return true; });
  if (result == BulletinRead::kMissing) current.clear();
  return result != BulletinRead::kUnreadable;
}

template <typename Apply>
BulletinChange changeUnderLock(const std::string& path, BulletinPosts& shown, const BulletinLockTiming& timing,
                               Apply apply) {
  BulletinLock lock(bulletinLockPath(path), timing);
  if (!lock.held()) return BulletinChange::kFailed;
  BulletinPosts current;
  if (!readCurrent(path, current)) return BulletinChange::kFailed;
  if (!apply(current)) {
    shown = std::move(current);
    return BulletinChange::kGone;
  }
  if (saveBulletinBoard(path, current) != 0) return BulletinChange::kFailed;
  shown = std::move(current);
  return BulletinChange::kWritten;
}

}  // namespace

BulletinChange addBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                               const BulletinLockTiming& timing) {
  return changeUnderLock(path, shown, timing, [&](BulletinPosts& current) {
    current.insert(current.begin(), post);
    return true;
  });
}

BulletinChange removeBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                                  const BulletinLockTiming& timing) {
  return changeUnderLock(path, shown, timing, [&](BulletinPosts& current) {
    auto found = std::find(current.begin(), current.end(), post);
    if (found == current.end()) return false;
    current.erase(found);
    return true;
  });
}

}  // namespace wabo
