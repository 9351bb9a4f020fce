// Edits of single rows of the shown board; each finds its row again by ID
// (a reload may have moved it) and then saves the whole board.
#pragma once
#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

void applyIconNumber(MemberList& list, AppState& app, Ui& ui);
void deleteMember(MemberList& list, AppState& app, Ui& ui);
void applyEditedRow(MemberList& list, AppState& app, Ui& ui);

}  // namespace wabo
