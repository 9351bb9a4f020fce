#include "search/pc_search.h"

#include "board/member_lookup.h"
#include "common/limits.h"
#include "common/messages.h"

namespace wabo {

namespace {

// "PC01 " is asked for as PC01; a blank inside still refuses the name.
ProbeResult probeRow(SearchSite& site, const std::string& pcName) {
  const std::string_view name = probedPcName(pcName);
  if (!isProbeablePcName(name)) return ProbeResult::NotConnected;
  return site.probe(probeCommandLine(name));
}

}  // namespace

void searchRows(SearchRows& rows, SearchSite& site) {
  const int count = rows.rowCount();
  for (int row = 0; row < count; ++row) rows.setMark(row, kMarkNotSearched);
  site.repaint();

  for (int row = 0; row < count && !site.stopRequested(); ++row) {
    std::string pcName = rows.pcName(row);
    if (pcName.empty()) continue;
    ProbeResult result = probeRow(site, pcName);
    if (result == ProbeResult::CannotRun) {
      site.warnCannotRun();
      site.requestStop();
    } else {
      rows.setMark(row, markOf(result));
    }
    site.repaint();
  }
}

bool anyRowHasPcName(const MemberList& list) {
  for (int row = 0, n = list.rowCount(); row < n; ++row)
    if (!cellText(list, row, kPcNameColumn).empty()) return true;
  return false;
}

void runUserPcSearch(int pcSearchAllowed, const MemberList& list, Ui& ui, PcSearchLauncher& launcher,
                     int& searchRunning) {
  if (pcSearchAllowed == 0) {
    ui.warn(msg::kPcSearchNotAllowed);
    return;
  }
  if (!anyRowHasPcName(list)) {
    ui.warn(msg::kNoPcNames);
    return;
  }
  if (searchRunning != 0) return;
  if (!launcher.startSearch()) return;
  searchRunning = 1;
  launcher.openProgressWindow();
}

}  // namespace wabo
