#include "messaging/bulletin_merge.h"

#include <algorithm>

#include "common/brief_retry.h"
#include "common/clock.h"

namespace wabo {

namespace {

// The file as it is now, whole if it becomes so within kBulletinRereadMs. A
// file another program holds open for a moment is tried again as briefly;
// if it stays unreadable the change is not made, as writing over it would
// lose every post in it.
bool readCurrent(const std::string& path, BulletinSnapshot& current) {
  BulletinRead result = BulletinRead::kUnreadable;
  retryBriefly(
      [&] {
        result = readBulletinSnapshot(path, current);
        return result == BulletinRead::kMissing || (result == BulletinRead::kRead && current.whole);
      },
      [] { return true; }, kBulletinRereadMs);
  if (result == BulletinRead::kMissing) current = BulletinSnapshot{};
  return result != BulletinRead::kUnreadable;
}

// True when a file that is not whole has stayed the same for
// kBulletinSettleMs since the change first saw it so.
bool settled(const BulletinSnapshot& current, BulletinSettling& settling) {
  const std::int64_t now = steadyMillis();
  if (settling.since < 0 || settling.bytes != current.bytes) {
    settling = BulletinSettling{current.bytes, now};
    return false;
  }
  return now - settling.since >= kBulletinSettleMs;
}

template <typename Apply>
BulletinChange changeUnderLock(const std::string& path, BulletinPosts& shown, BulletinSettling& settling,
                               const BulletinLockTiming& timing, Apply apply) {
  BulletinLock lock(bulletinLockPath(path), timing);
  if (!lock.held()) return BulletinChange::kFailed;
  BulletinSnapshot current;
  if (!readCurrent(path, current)) return BulletinChange::kFailed;
  // Merged onto a file cut short, the change would write the cut list back
  // and every post past the cut would be lost.
  if (!current.whole && !settled(current, settling)) return BulletinChange::kWaiting;
  settling = BulletinSettling{};
  BulletinPosts& posts = current.posts;
  if (!apply(posts)) {
    shown = std::move(posts);
    return BulletinChange::kGone;
  }
  if (saveBulletinBoard(path, posts) != 0) return BulletinChange::kFailed;
  shown = std::move(posts);
  return BulletinChange::kWritten;
}

}  // namespace

BulletinChange addBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                               BulletinSettling& settling, const BulletinLockTiming& timing) {
  return changeUnderLock(path, shown, settling, timing, [&](BulletinPosts& current) {
    current.insert(current.begin(), post);
    return true;
  });
}

BulletinChange removeBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                                  BulletinSettling& settling, const BulletinLockTiming& timing) {
  return changeUnderLock(path, shown, settling, timing, [&](BulletinPosts& current) {
    auto found = std::find(current.begin(), current.end(), post);
    if (found == current.end()) return false;
    current.erase(found);
    return true;
  });
}

}  // namespace wabo
