// Writing board files under the lock-file protocol, and the time stamps.
#pragma once
#include <string>

#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

// backupPath: the board path with its file-name extension replaced by ".bak".
std::string backupPath(const std::string& boardPath);

// Writes the whole list to currentBoardPath with a new stamp. Reports a
// failure through `ui` and returns false; the previous board then stays
// under its name.
bool saveBoard(MemberList& list, AppState& app, Ui& ui);

// New board files for the board settings; no lock, no backup, boardStamp
// unchanged. False when the file could not be written.
bool writeBoardFromDisplay(MemberList& list, AppState& app, const std::string& chosenFilePath);
bool writeEmptyBoard(AppState& app, const std::string& chosenFilePath);

// writeTimeText and updateTimeText ("%H:%M:%S 更新") from one reading of the clock.
void stampTimes(TimeTexts& times);
// updateTimeText = "%H:%M:%S 更新." (a check that found nothing new).
void stampCheckTime(TimeTexts& times);
// The local time as "%y%H%M%S" in an integer; stored in boardStamp too.
int newBoardStamp(BoardState& board);

}  // namespace wabo
