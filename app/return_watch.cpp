#include "app/return_watch.h"

#include "board/columns.h"
#include "common/messages.h"
#include "common/sjis.h"

namespace wabo {

std::string returnNoticeText(const ReturnNotice& notice) {
  return notice.name + msg::kReturnNoticeMiddle + notice.destination + msg::kReturnNoticeEnd;
}

bool isStorableWatchId(const std::string& id) {
  return !id.empty() && id.find_first_of(",\r\n") == std::string::npos;
}

void ReturnWatch::restore(const std::vector<std::string>& ids) {
  ids_.clear();
  seen_.clear();
  for (const std::string& id : ids)
    if (ids_.size() < kMaxWatchedMembers && isStorableWatchId(id) && !isWatched(id)) ids_.push_back(id);
}

std::size_t ReturnWatch::indexOf(const std::string& id) const {
  for (std::size_t i = 0; i < ids_.size(); ++i)
    if (sjis::equalsIgnoreCase(ids_[i], id)) return i;
  return ids_.size();
}

bool ReturnWatch::isWatched(const std::string& id) const { return indexOf(id) < ids_.size(); }

WatchChange ReturnWatch::toggle(const std::string& id, const std::string& destination) {
  const std::size_t at = indexOf(id);
  if (at < ids_.size()) {
    seen_.erase(ids_[at]);
    ids_.erase(ids_.begin() + static_cast<std::ptrdiff_t>(at));
    return WatchChange::kRemoved;
  }
  if (!isStorableWatchId(id)) return WatchChange::kNotStorable;
  if (ids_.size() >= kMaxWatchedMembers) return WatchChange::kFull;
  ids_.push_back(id);
  seen_[id] = destination;
  return WatchChange::kAdded;
}

std::vector<ReturnNotice> ReturnWatch::observe(const std::vector<MemberRow>& rows) {
  std::vector<ReturnNotice> notices;
  std::vector<std::string> kept;
  for (const std::string& id : ids_) {
    // The first row with the ID counts, as for every lookup by ID.
    const MemberRow* found = nullptr;
    for (const MemberRow& row : rows)
      if (sjis::equalsIgnoreCase(row.texts[kIdColumn], id)) {
        found = &row;
        break;
      }
    if (found == nullptr) {
      seen_.erase(id);
      continue;
    }
    const std::string& now = found->texts[kDestinationColumn];
    const auto was = seen_.find(id);
    if (was != seen_.end() && was->second != now) {
      notices.push_back({found->texts[kNameColumn], now});
      seen_.erase(was);
      continue;
    }
    seen_[id] = now;
    kept.push_back(id);
  }
  ids_ = std::move(kept);
  return notices;
}

}  // namespace wabo
