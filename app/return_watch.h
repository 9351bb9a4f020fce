// "Tell me when they are back": the members this copy watches, by ID, each
// with the board file it is on and the destination last seen there. The
// first load of that board that shows the member's destination changed
// yields one notice and ends the watch; a member no longer on that board
// is dropped. Loads of other boards leave the member alone. Only the IDs
// are kept in WaboM.ini (LocalSettings::returnWatchIds): after a start, a
// member belongs to the first board loaded, whose load sets what counts as
// unchanged.
#pragma once
#include <cstddef>
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

class ReturnWatch {
 public:
  // Takes the IDs read from WaboM.ini; what was seen starts unknown.
  void restore(const std::vector<std::string>& ids);
  std::vector<std::string> ids() const;
  // Whether `id` on board file `board` is watched.
  bool isWatched(const std::string& id, const std::string& board) const;

  // Starts watching `id` on board file `board`, whose destination is now
  // `destination`, or stops watching it when it is watched already.
  WatchChange toggle(const std::string& id, const std::string& destination, const std::string& board);

  // The rows of a load of board file `board`: the notices of the members
  // watched there whose destination changed since the last load (in the
  // order of the watched list); those and the members not found are no
  // longer watched.
  std::vector<ReturnNotice> observe(const std::vector<MemberRow>& rows, const std::string& board);

 private:
  struct Watched {
    std::string id;
    std::string board;        // "" until the first load after a start
    bool seenKnown = false;
    std::string destination;  // the one last seen
  };
  std::size_t indexOf(const std::string& id, const std::string& board) const;
  std::vector<Watched> watched_;
};

}  // namespace wabo
