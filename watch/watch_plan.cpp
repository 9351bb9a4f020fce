#include "watch/watch_plan.h"

#include "common/sjis.h"
#include "messaging/mail_file.h"

namespace wabo {

namespace {

constexpr char kLockFileName[] = "lock.dat";
constexpr char kMailExtension[] = ".ml";

// The path with one trailing separator; the folder's own kind, '\' when it
// has none.
std::string withTrailingSeparator(const std::string& folder) {
  std::size_t last = sjis::lastSeparator(folder);
  if (last != std::string::npos && last + 1 == folder.size()) return folder;
  char separator = last != std::string::npos && folder[last] == '/' ? '/' : '\\';
  return folder + separator;
}

// Same folder: letters without regard to case, '/' and '\' alike. '/' is
// never a trail byte, so turning it into '\' cannot change a character.
bool sameFolder(std::string a, std::string b) {
  for (std::string* s : {&a, &b})
    for (char& c : *s)
      if (c == '/') c = '\\';
  return sjis::equalsIgnoreCase(a, b);
}

bool isMailSlotName(std::string_view name, const std::string& id) {
  const std::size_t idBytes = id.size(), extBytes = sizeof kMailExtension - 1;
  if (id.empty() || name.size() != idBytes + 1 + extBytes) return false;
  const char digit = name[idBytes];
  return digit >= '0' && digit <= '9' && sjis::equalsIgnoreCase(name.substr(0, idBytes), id) &&
         sjis::equalsIgnoreCase(name.substr(idBytes + 1), kMailExtension);
}

}  // namespace

WatchPlan planWatch(const WatchInputs& in) {
  WatchPlan plan;
  if (in.autoUpdateEnabled != 1) return plan;

  std::size_t sep = sjis::lastSeparator(in.boardPath);
  // Without a folder part (or with only the leading separator) the board
  // lies wherever the current folder is: not a folder to name here.
  if (sep != std::string::npos && sep != 0 && sep + 1 < in.boardPath.size())
    plan.folders.push_back({in.boardPath.substr(0, sep + 1), in.boardPath.substr(sep + 1), ""});

  if (in.mailFolder.empty() || !isUsableMailId(in.userId)) return plan;
  std::string mailFolder = withTrailingSeparator(in.mailFolder);
  if (!plan.folders.empty() && sameFolder(plan.folders[0].path, mailFolder)) {
    plan.folders[0].mailId = in.userId;
  } else {
    plan.folders.push_back({mailFolder, "", in.userId});
  }
  return plan;
}

unsigned classifyChange(const WatchedFolder& folder, FolderChange change, std::string_view name) {
  const bool hasBoard = !folder.boardFileName.empty();
  const bool hasMail = !folder.mailId.empty();
  if (change == FolderChange::kLost) return (hasBoard ? kBoardWork : 0u) | (hasMail ? kMailWork : 0u);
  // A name with a separator would be in a subfolder, which is not watched.
  if (sjis::lastSeparator(name) != std::string_view::npos) return kNoWatchWork;
  if (hasBoard && sjis::equalsIgnoreCase(name, folder.boardFileName)) return kBoardWork;
  if (hasBoard && sjis::equalsIgnoreCase(name, kLockFileName))
    return change == FolderChange::kRemoved || change == FolderChange::kRenamedFrom ? kLockGone : kNoWatchWork;
  if (hasMail && isMailSlotName(name, folder.mailId))
    return change == FolderChange::kRemoved || change == FolderChange::kRenamedFrom ? kNoWatchWork : kMailWork;
  return kNoWatchWork;
}

}  // namespace wabo
