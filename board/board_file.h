// Reading a board file: the change test and the reader.
//
// Layout (Shift-JIS, CR LF):
//   W2,<stamp>,
//   ID,Icon No.,<8 column names, each followed by ','>PC-Name
//   <0..500 member rows: id,icon,name,destination,return,write,mobile,contact,schedule,other,pcName>
//   END,
//   <all-members message>
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/board_state.h"
#include "board/member_row.h"
#include "common/limits.h"
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
CheckResult checkBoard(const BoardState& board, Ui& ui);

// A board file as read: what the head line, the caption line, the rows and
// the line after the end line hold.
struct BoardFile {
  std::int32_t boardStamp = 0;
  std::array<std::string, kColumnNameCount> columnNames;  // missing names empty
  std::vector<MemberRow> rows;                            // the first 500
  std::string allMembersMessage;                          // empty without an end line
  FileFingerprint fileSeen;                               // length and hash of the bytes read
};

// Who holds the folder's lock.dat, should it be there: another copy (it is
// waited for a moment, then the read gives up) or the save that reads the
// file again under its own lock (it is not looked at).
enum class LockHolder { kAnotherCopy, kThisSave };

// Reads the whole board file at `path`. False, and `out` unusable, when the
// folder's lock file stays there past a brief wait, or the file is missing, of another format or
// has a stamp that is not a number. Each text is cut to its column's byte
// limit; rows beyond 500 are read and dropped.
bool readBoardFile(const std::string& path, BoardFile& out, LockHolder lock = LockHolder::kAnotherCopy);

}  // namespace wabo
