#include "board/history_view.h"

#include "common/sjis.h"

namespace wabo {

std::vector<std::size_t> historyListRows(const std::vector<HistoryEntry>& entries, const std::string& memberId) {
  std::vector<std::size_t> rows;
  rows.reserve(memberId.empty() ? entries.size() : 0);
  for (std::size_t i = entries.size(); i-- > 0;)
    if (memberId.empty() || sjis::equalsIgnoreCase(entries[i].memberId, memberId)) rows.push_back(i);
  return rows;
}

std::string historyCellText(const HistoryEntry& e, int column) {
  switch (column) {
    case kHistoryTimeColumn: return e.time;
    case kHistoryMemberColumn: return e.memberId;
    case kHistoryWhoColumn:
      if (e.userId.empty() || e.pcName.empty()) return e.userId + e.pcName;
      return e.userId + " (" + e.pcName + ")";
    case kHistoryWhatColumn: return e.column.empty() ? e.kind : e.kind + " " + e.column;
    case kHistoryChangeColumn: return e.oldText + " → " + e.newText;
    default: return std::string();
  }
}

}  // namespace wabo
