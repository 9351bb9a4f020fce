// Loading the shown board into the member list.
#pragma once
#include "app/app_state.h"
#include "board/board_file.h"
#include "board/member_list.h"

namespace wabo {

// Where the columns' widths and order come from when a load builds them anew.
enum class ColumnLayout {
  kKeepShown,     // a reload of the same board keeps the user's resizing and dragging
  kFromSettings,  // a board switch takes the new board's stored layout
};

// Rebuilds the list from the board file at currentBoardPath: appearance,
// columns with the board's names, rows, the board's stored sort, stampTimes.
// Leaves the list (and boardStamp) as it was when the file is missing,
// locked, of another format or has a stamp that is not a number; then
// returns false. Does not touch the status bar (the shell shows the message
// afterwards). `lock`: kThisSave for the save's reload under its own lock.
bool loadBoard(MemberList& list, AppState& app, ColumnLayout layout = ColumnLayout::kKeepShown,
               LockHolder lock = LockHolder::kAnotherCopy);

// The rows of a load as the return watch sees them: its notices wait in
// app.returnNotices for the shell, and WaboM.ini's list follows the watch.
void noteWatchedMembers(AppState& app, const std::vector<MemberRow>& rows);

}  // namespace wabo
