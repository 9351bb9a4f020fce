// What the change history window lists: the history file's entries, newest
// first, of one member or of the whole board, as the texts of its columns.
#pragma once
#include <string>
#include <vector>

#include "board/history_file.h"

namespace wabo {

struct HistoryListRow {
  std::string time;
  std::string memberId;
  std::string who;     // "user (PC)", or the PC alone for a copy without a user ID
  std::string what;    // the kind, and the column where one column changed
  std::string change;  // "old → new"
};

// Entries of `memberId` (letters ignoring case, as the board finds its rows),
// or of every member when it is empty; newest first.
std::vector<HistoryListRow> historyListRows(const std::vector<HistoryEntry>& entries, const std::string& memberId);

}  // namespace wabo
