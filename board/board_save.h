// Writing board files under the lock-file protocol, and the time stamps.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "board/member_list.h"
#include "board/shown_board.h"
#include "common/ui.h"

namespace wabo {

// backupPath: the board path with its file-name extension replaced by ".bak".
std::string backupPath(const std::string& boardPath);

// A pending change to the shown board, made on the list by finding its row
// by ID. Returns nullptr when made, else the warning that tells why it
// cannot be (the row has gone, the ID is taken); nothing is saved then.
using BoardChange = std::function<const char*(MemberList& list)>;

// Writes the whole list to currentBoardPath with a new stamp, holding
// lock.dat (a lock of another copy is waited for a moment). Should the file
// no longer be what this copy last loaded or wrote, another copy has saved
// meanwhile: the board is reloaded under the lock (shown.reload) and
// `change` made again on its rows before the write. A save that follows
// this copy's own save within a few milliseconds first leaves the lock to
// the other copies for a moment. Reports a failure or refusal through `ui`
// and returns false; the previous board then stays under its name.
bool saveBoard(MemberList& list, const ShownBoard& shown, Ui& ui, const BoardChange& change);
// The same for a list whose change cannot be made again: when another copy
// has saved meanwhile, the save is refused ("ﾃﾞｰﾀ更新に失敗しました").
bool saveBoard(MemberList& list, const ShownBoard& shown, Ui& ui);
// Makes `change` on the list and saves it with saveBoard.
bool applyAndSave(MemberList& list, const ShownBoard& shown, Ui& ui, const BoardChange& change);

// New board files for the board settings; no lock, no backup, boardStamp
// unchanged. False when the file could not be written.
bool writeBoardFromDisplay(MemberList& list, const ShownBoard& shown, const std::string& chosenFilePath);
bool writeEmptyBoard(const ShownBoard& shown, const std::string& chosenFilePath);

// writeTimeText and updateTimeText ("%H:%M:%S 更新") from one reading of the clock.
void stampTimes(TimeTexts& times);
// updateTimeText = "%H:%M:%S 更新." (a check that found nothing new).
void stampCheckTime(TimeTexts& times);
// The local time as "%y%H%M%S" in an integer; stored in boardStamp too.
int newBoardStamp(BoardState& board);
// The stamp of a save over a file that holds `fileStamp`: the clock's, but
// never `fileStamp` itself nor one that falls back behind a stamp that
// busy saves have moved ahead of the clock (less than an hour): then the
// second after `fileStamp`. Stored in boardStamp too.
int newBoardStampOver(BoardState& board, std::int32_t fileStamp);

}  // namespace wabo
