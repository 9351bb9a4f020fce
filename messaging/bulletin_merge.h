// Changes of the bulletin board that no other member's change overwrites:
// each takes its turn under keiji.lck, reads keiji.dat as it is now,
// applies only itself to what it finds, and writes the result beside the
// file before it replaces it.
#pragma once
#include <cstdint>
#include <string>

#include "messaging/bulletin_file.h"
#include "messaging/bulletin_lock.h"

namespace wabo {

enum class BulletinChange {
  kWritten,  // the file holds the change
  kGone,     // a deletion whose post another member deleted already
  kFailed,   // no turn, the file unreadable or not written: nothing changed
  kWaiting,  // keiji.dat is not whole: a copy may be writing it; nothing changed yet, try again
};

// A keiji.dat that a change found not whole (BulletinImage), and since when
// (this copy's steady clock) it has looked so. Kept by the caller over the
// tries of one change: such a file is taken as it is only once it has stayed
// the same for kBulletinSettleMs, as a copy that died while writing leaves it.
struct BulletinSettling {
  std::string bytes;
  std::int64_t since = -1;
};
constexpr std::int64_t kBulletinSettleMs = 2000;

// A file not whole at the first read is read again for this long, in small
// steps, before the change answers kWaiting: most rewrites take a few ms.
constexpr int kBulletinRereadMs = 40;

// Puts `post` on top of the posts in the file. On kWritten `shown` becomes
// the file's posts; otherwise it is left as it was.
BulletinChange addBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                               BulletinSettling& settling, const BulletinLockTiming& timing = {});

// Removes the first post in the file equal to `post` (subject, text, writer
// and time). On kWritten and kGone `shown` becomes the file's posts;
// otherwise it is left as it was.
BulletinChange removeBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                                  BulletinSettling& settling, const BulletinLockTiming& timing = {});

}  // namespace wabo
