// "Tell me when they are back": the members this copy watches, by ID, and
// the destination it last saw for each. The first load that shows a
// watched member's destination changed yields one notice and ends the
// watch; a member no longer on the board is dropped. The IDs are kept in
// WaboM.ini (LocalSettings::returnWatchIds); what was seen is not, so after
// a start the first load sets what counts as unchanged.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "board/member_row.h"
#include "common/limits.h"

namespace wabo {

struct ReturnNotice {
  std::string name;
  std::string destination;
};

// The notice's text: "<name>さんの行き先が「<destination>」になりました".
std::string returnNoticeText(const ReturnNotice& notice);

enum class WatchChange {
  kAdded,
  kRemoved,
  kFull,         // already kMaxWatchedMembers watched: nothing changed
  kNotStorable,  // an empty ID, or one with a comma or a line break
};

// An ID that the list in WaboM.ini can hold: not empty, no ',', CR or LF.
bool isStorableWatchId(const std::string& id);

class ReturnWatch {
 public:
  // Takes the IDs read from WaboM.ini; what was seen starts unknown.
  void restore(const std::vector<std::string>& ids);
  const std::vector<std::string>& ids() const { return ids_; }
  bool isWatched(const std::string& id) const;

  // Starts watching `id`, whose destination is now `destination`, or stops
  // watching it when it is watched already.
  WatchChange toggle(const std::string& id, const std::string& destination);

  // The rows of a load: the notices of the watched members whose
  // destination changed since the last load (in the order of the watched
  // list); those and the members not found are no longer watched.
  std::vector<ReturnNotice> observe(const std::vector<MemberRow>& rows);

 private:
  std::size_t indexOf(const std::string& id) const;
  std::vector<std::string> ids_;
  std::map<std::string, std::string> seen_;  // by ID as stored: the destination last seen
};

}  // namespace wabo
