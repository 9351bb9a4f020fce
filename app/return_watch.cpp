#include "app/return_watch.h"

#include "board/columns.h"
#include "common/messages.h"
#include "common/sjis.h"
#include "settings/added_section.h"

namespace wabo {

std::string returnNoticeText(const ReturnNotice& notice) {
  return notice.name + msg::kReturnNoticeMiddle + notice.destination + msg::kReturnNoticeEnd;
}

void ReturnWatch::restore(const std::vector<std::string>& ids) {
  watched_.clear();
  for (const std::string& id : ids)
    if (watched_.size() < kMaxWatchedMembers && isStorableWatchId(id) && indexOf(id, "") == watched_.size())
      watched_.push_back({id});
}

std::vector<std::string> ReturnWatch::ids() const {
  std::vector<std::string> ids;
  for (const Watched& w : watched_) ids.push_back(w.id);
  return ids;
}

// A member whose board is not known yet matches any board.
std::size_t ReturnWatch::indexOf(const std::string& id, const std::string& board) const {
  for (std::size_t i = 0; i < watched_.size(); ++i)
    if (sjis::equalsIgnoreCase(watched_[i].id, id) && (watched_[i].board.empty() || watched_[i].board == board))
      return i;
  return watched_.size();
}

bool ReturnWatch::isWatched(const std::string& id, const std::string& board) const {
  return indexOf(id, board) < watched_.size();
}

WatchChange ReturnWatch::toggle(const std::string& id, const std::string& destination, const std::string& board) {
  const std::size_t at = indexOf(id, board);
  if (at < watched_.size()) {
    watched_.erase(watched_.begin() + static_cast<std::ptrdiff_t>(at));
    return WatchChange::kRemoved;
  }
  if (!isStorableWatchId(id)) return WatchChange::kNotStorable;
  if (watched_.size() >= kMaxWatchedMembers) return WatchChange::kFull;
  watched_.push_back({id, board, true, destination});
  return WatchChange::kAdded;
}

namespace {

// The first row with the ID counts, as for every lookup by ID.
const MemberRow* rowOf(const std::vector<MemberRow>& rows, const std::string& id) {
  for (const MemberRow& row : rows)
    if (sjis::equalsIgnoreCase(row.texts[kIdColumn], id)) return &row;
  return nullptr;
}

}  // namespace

std::vector<ReturnNotice> ReturnWatch::observe(const std::vector<MemberRow>& rows, const std::string& board) {
  std::vector<ReturnNotice> notices;
  std::vector<Watched> kept;
  for (Watched& w : watched_) {
    if (!w.board.empty() && w.board != board) {
      kept.push_back(std::move(w));
      continue;
    }
    const MemberRow* found = rowOf(rows, w.id);
    if (found == nullptr) continue;  // left the board
    const std::string& now = found->texts[kDestinationColumn];
    if (w.seenKnown && w.destination != now) {
      notices.push_back({found->texts[kNameColumn], now});
      continue;
    }
    w.board = board, w.seenKnown = true, w.destination = now;
    kept.push_back(std::move(w));
  }
  watched_ = std::move(kept);
  return notices;
}

}  // namespace wabo
