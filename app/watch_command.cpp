#include "app/watch_command.h"

#include "board/columns.h"
#include "board/member_lookup.h"
#include "common/messages.h"

namespace wabo {

WatchItemState watchItemState(const MemberList& list, const AppState& app) {
  const int row = list.firstSelected();
  if (row < 0) return {};
  return {true, app.returnWatch.isWatched(cellText(list, row, kIdColumn), app.board.currentBoardPath)};
}

void toggleReturnWatch(const MemberList& list, AppState& app, Ui& ui) {
  const int row = list.firstSelected();
  if (row < 0) return;
  const WatchChange change = app.returnWatch.toggle(cellText(list, row, kIdColumn),
                                                    cellText(list, row, kDestinationColumn), app.board.currentBoardPath);
  switch (change) {
    case WatchChange::kFull:
      ui.warn(msg::kWatchListFull);
      break;
    case WatchChange::kNotStorable:
      ui.warn(msg::kWatchIdNotStorable);
      break;
    default:
      break;
  }
  app.local.returnWatchIds = app.returnWatch.ids();
}

}  // namespace wabo
