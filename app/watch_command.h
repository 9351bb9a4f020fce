// The row menu's check item 戻ったら知らせる: its state for the selected row
// and what choosing it does.
#pragma once
#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

// Whether the item is checked (the selected row's member is watched) and
// whether it can be chosen at all (a row is selected).
struct WatchItemState {
  bool enabled = false;
  bool checked = false;
};
WatchItemState watchItemState(const MemberList& list, const AppState& app);

// Starts or stops watching the selected row's member; tells the user when
// the list is full or the ID cannot be kept. WaboM.ini's list follows.
void toggleReturnWatch(const MemberList& list, AppState& app, Ui& ui);

}  // namespace wabo
