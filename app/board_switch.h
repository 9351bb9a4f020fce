// Switching between the five boards (commands 40036..40040).
#pragma once
#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

// What a switch shows beside the list.
class BoardSwitchView {
 public:
  virtual ~BoardSwitchView() = default;
  // The ﾎﾞｰﾄﾞ選択 menu checks `board` instead of `previous`; the title names it.
  virtual void showBoardChoice(int previous, int board) = 0;
  virtual void showAllMembersMessage() = 0;  // allMembersMessage into the status bar
  virtual void showUpdateTime() = 0;         // updateTimeText into the status bar
  virtual void pickUpMail() = 0;             // the mail waiting for userId
};

// Shows board `board` (1..5; other numbers do nothing and give false). Leaving a board
// keeps its column layout in the settings (unless it could not be read);
// the new board comes with its own stored layout. A board that cannot be
// read leaves an empty list, no message and no update time, and a stamp of
// 0 so that the next successful check counts as a change; the warning comes
// after the status bar is updated. Every switch ends with a mail pickup.
bool runBoardSwitch(MemberList& list, AppState& app, Ui& ui, BoardSwitchView& view, int board);

}  // namespace wabo
