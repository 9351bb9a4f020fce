// Reading a board file: the change test and the loader.
//
// Layout (Shift-JIS, CR LF):
//   W2,<stamp>,
//   ID,Icon No.,<8 column names, each followed by ','>PC-Name
//   <0..500 member rows: id,icon,name,destination,return,write,mobile,contact,schedule,other,pcName>
//   END,
//   <all-members message>
#pragma once
#include <string>

#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

enum CheckResult { kUnchanged = 0, kChanged = 1, kUnreadable = 2 };

// "lock.dat" in the folder of `boardPath` (Shift-JIS aware; a separator that
// is the path's first byte does not count).
std::string lockFilePath(const std::string& boardPath);

// 0 unchanged, 1 changed by another copy, 2 missing, locked (for longer
// than a save takes, see lock_wait.h) or not a board file (then `ui` has been told of a wrong format mark; a head line whose
// stamp is not a number also gives 2, without a message). Opens the board
// file once and reads only its head line.
int checkBoard(const BoardState& board, Ui& ui);

// Rebuilds the list from the board file: appearance, columns, rows, sort,
// stampTimes; boardStamp and fileSeen take the file's stamp and bytes.
// Leaves the list (and boardStamp) as it was when the file is missing,
// locked, of another format or has a stamp that is not a number; then
// returns false. Does not touch the status bar (the shell shows the message
// afterwards).
bool loadBoard(MemberList& list, AppState& app);

}  // namespace wabo
