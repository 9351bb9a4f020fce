// What the change history window lists: the history file's entries, newest
// first, of one member or of the whole board, and the text of each cell. The
// window asks only for the cells it draws, so a full file costs one pass
// over its entries and nothing per row.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "board/history_file.h"

namespace wabo {

enum HistoryListColumn {
  kHistoryTimeColumn,
  kHistoryMemberColumn,
  kHistoryWhoColumn,     // "user (PC)", or the one of them a line has
  kHistoryWhatColumn,    // the kind, and the column where one column changed
  kHistoryChangeColumn,  // "old → new"
  kHistoryListColumns
};

// Indexes into `entries` of those of `memberId` (letters ignoring case, as
// the board finds its rows), or of every entry when it is empty; newest first.
std::vector<std::size_t> historyListRows(const std::vector<HistoryEntry>& entries, const std::string& memberId);

// The text of one cell of an entry's row.
std::string historyCellText(const HistoryEntry& entry, int column);

}  // namespace wabo
