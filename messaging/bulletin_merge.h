// Changes of the bulletin board that no other member's change overwrites:
// each takes its turn under keiji.lck, reads keiji.dat as it is now,
// applies only itself to what it finds, and writes the result beside the
// file before it replaces it.
#pragma once
#include <string>

#include "messaging/bulletin_file.h"
#include "messaging/bulletin_lock.h"

namespace wabo {

enum class BulletinChange {
  kWritten,  // the file holds the change
  kGone,     // a deletion whose post another member deleted already
  kFailed,   // no turn, the file unreadable or not written: nothing changed
};

// Puts `post` on top of the posts in the file. On kWritten `shown` becomes
// the file's posts; on kFailed it is left as it was.
BulletinChange addBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                               const BulletinLockTiming& timing = {});

// Removes the first post in the file equal to `post` (subject, text, writer
// and time). On kWritten and kGone `shown` becomes the file's posts; on
// kFailed it is left as it was.
BulletinChange removeBulletinPost(const std::string& path, const BulletinPost& post, BulletinPosts& shown,
                                  const BulletinLockTiming& timing = {});

}  // namespace wabo
