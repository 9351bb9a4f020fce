// The history file beside a board ("<board>.his"): appended to by the copy
// that saves, while it holds the folder's lock.dat, and read by the history
// window. Both are bounded: the file loses its older half when it passes
// kHistoryMaxBytes, and the reader looks at no more than that of its end.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wabo {

// "<board>.his": the board's file name with ".his" added.
std::string historyPath(const std::string& boardPath);

// Appends `lines` (whole lines, see board/board_history.h). When the file
// would pass kHistoryMaxBytes, its newer half (whole lines) and `lines` are
// written beside it and moved over it instead. False when the file could not
// be written; the caller's save has succeeded all the same.
bool appendHistory(const std::string& path, const std::string& lines);

// One line of the file, each field cut to its limit.
struct HistoryEntry {
  std::string time;
  std::string userId;
  std::string pcName;
  std::string memberId;
  std::string kind;
  std::string column;
  std::string oldText;
  std::string newText;
  bool operator==(const HistoryEntry& o) const {
    return time == o.time && userId == o.userId && pcName == o.pcName && memberId == o.memberId &&
           kind == o.kind && column == o.column && oldText == o.oldText && newText == o.newText;
  }
};

// The most entries a reader keeps (the newest): about as many as a full
// file of ordinary lines holds.
constexpr std::size_t kHistoryMaxEntries = 12000;

struct HistoryRead {
  bool readable = false;         // the file could be opened (a missing file is an empty history)
  bool cutAtStart = false;       // older lines were left out (file too large, or too many lines)
  std::vector<HistoryEntry> entries;  // oldest first
};

// The lines of `bytes`: blank lines are skipped, a line's fields end at a
// comma or the line's end, anything past the eighth field is dropped.
std::vector<HistoryEntry> parseHistory(std::string_view bytes, bool& cutAtStart);

// Reads the last kHistoryMaxBytes of the file at `path`; a line cut by that
// limit is left out.
HistoryRead readHistory(const std::string& path);

}  // namespace wabo
