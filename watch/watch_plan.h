// Which folders a copy watches while auto update is on, and what a change of
// a file in one of them asks for: a look at the board shown, a mail pickup,
// or nothing. A save of another copy is a lock, a write and a rename; a mail
// is a new file named after its receiver.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wabo {

// Work a change asks for; a set of bits.
enum WatchWork : unsigned {
  kNoWatchWork = 0,
  kBoardWork = 1,  // the board file changed: the same check as a tick
  kMailWork = 2,   // a mail file for this user came or grew: the pickup
  kLockGone = 4,   // lock.dat went: counts only while a look waits for it
};

// One folder and the names in it that matter. The path keeps its trailing
// separator ("C:\" stays a root).
struct WatchedFolder {
  std::string path;
  std::string boardFileName;  // "" when the board shown is not in this folder
  std::string mailId;         // the user's ID when the mail folder is this one, else ""
  bool operator==(const WatchedFolder& o) const {
    return path == o.path && boardFileName == o.boardFileName && mailId == o.mailId;
  }
};

// What to watch; no folders means no watch (auto update off, or nothing
// that can be named). Equal plans need no restart of the watch.
struct WatchPlan {
  std::vector<WatchedFolder> folders;
  bool operator==(const WatchPlan& o) const { return folders == o.folders; }
  bool operator!=(const WatchPlan& o) const { return !(*this == o); }
};

struct WatchInputs {
  int autoUpdateEnabled = 0;
  std::string boardPath;   // currentBoardPath
  std::string mailFolder;
  std::string userId;
};

// Auto update off: nothing. Otherwise the board's folder (a board path
// without a folder part is not watched) and the mail folder (only with a
// user ID that can stand in a mail file's name); one entry when both are the
// same folder, whatever the case of its letters or the kind of separator.
WatchPlan planWatch(const WatchInputs& in);

// How a file in a watched folder changed (the system's five actions, and a
// lost record of changes when too many came at once).
enum class FolderChange { kAdded, kRemoved, kModified, kRenamedFrom, kRenamedTo, kLost };

// The work a change of `name` in `folder` asks for. Letters compare without
// regard to case, as the file system does. The board file: any change. The
// folder's lock.dat going away: kLockGone. A mail slot of the user
// (<ID><digit>.ml) that came, grew or was renamed into place: the pickup;
// its removal is the pickup's own deletion and asks for nothing. A lost
// record asks for everything the folder holds. Anything else: nothing.
unsigned classifyChange(const WatchedFolder& folder, FolderChange change, std::string_view name);

}  // namespace wabo
