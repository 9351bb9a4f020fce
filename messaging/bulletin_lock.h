// keiji.lck beside keiji.dat: while it exists, one copy of the program
// re-reads and rewrites the bulletin board and the others wait their turn.
// A copy that knows nothing of it simply writes as it always did.
#pragma once
#include <optional>
#include <string>

#include "board/folder_lock.h"

namespace wabo {

struct BulletinLockTiming {
  int waitMilliseconds = 2000;  // how long a change waits for its turn
  long long staleSeconds = 60;  // a lock seen unchanged this long was left by a copy that died
};

// The lock file that belongs to the keiji.dat at `bulletinPath`.
std::string bulletinLockPath(const std::string& bulletinPath);

class BulletinLock {
 public:
  // Waits for the lock for up to timing.waitMilliseconds; takes over a lock
  // that this copy has seen unchanged (contents and time stamp) for
  // timing.staleSeconds of its own clock, over any number of waits. Gives up
  // at once when no lock can be created although none is there (the folder
  // is missing or read-only).
  BulletinLock(const std::string& lockPath, const BulletinLockTiming& timing);
  bool held() const { return lock_ && lock_->held(); }

 private:
  std::optional<FolderLock> lock_;
};

}  // namespace wabo
