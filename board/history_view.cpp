#include "board/history_view.h"

#include "common/sjis.h"

namespace wabo {

std::vector<HistoryListRow> historyListRows(const std::vector<HistoryEntry>& entries, const std::string& memberId) {
  std::vector<HistoryListRow> rows;
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    const HistoryEntry& e = *it;
    if (!memberId.empty() && !sjis::equalsIgnoreCase(e.memberId, memberId)) continue;
    HistoryListRow row;
    row.time = e.time;
    row.memberId = e.memberId;
    row.who = e.userId.empty() ? e.pcName : e.pcName.empty() ? e.userId : e.userId + " (" + e.pcName + ")";
    row.what = e.column.empty() ? e.kind : e.kind + " " + e.column;
    row.change = e.oldText + " → " + e.newText;
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace wabo
