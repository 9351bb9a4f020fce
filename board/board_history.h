// The change history of a board: what one save changed, row by row and
// field by field, and how each change is written as a line of the history
// file beside the board ("<board>.his", see board/history_file.h).
//
// A line (Shift-JIS, CR LF, fields separated by commas as in the board file,
// commas in a text turned into '/', line breaks into blanks):
//   time,user ID,PC name,member ID,what,column,old text,new text
// time is this PC's clock as "YYYY/MM/DD HH:MM:SS"; user ID is the saving
// copy's (or empty); what is one of the kind texts below.
#pragma once
#include <string>
#include <vector>

#include "board/member_row.h"

namespace wabo {

enum class HistoryKind {
  kDestination,  // 行き先変更: a field of a row, by the destination or PC-name dialog
  kQuickInput,   // 一括: the destination set by a quick input
  kAdded,        // 追加: a new member (new text: the name)
  kDeleted,      // 削除: a member removed (old text: the name)
  kIdChanged,    // ID変更: the same row under another ID
  kIconChanged,  // アイコン変更: the icon number
  kAllMembers,   // 全員へ: the all-members message
  kColumnName,   // 列名称: a column's caption
};

// The text of a kind as the file holds it.
const char* historyKindText(HistoryKind kind);

// Who saved: the copy's user ID (may be empty) and this PC's name.
struct HistoryAuthor {
  std::string userId;
  std::string pcName;
};

struct HistoryChange {
  std::string memberId;  // empty for the message and the captions
  HistoryKind kind = HistoryKind::kDestination;
  std::string column;    // the column's caption where one column changed
  std::string oldText;
  std::string newText;
  bool operator==(const HistoryChange& o) const {
    return memberId == o.memberId && kind == o.kind && column == o.column && oldText == o.oldText &&
           newText == o.newText;
  }
};

// What turned `before` into `after`, comparing rows by member ID (letters
// ignoring case, as the board finds its rows). One change per changed
// field; the write time, which every row edit stamps, is not a change of
// its own. A row that left under one ID while a row with all the same
// fields came under another changed its ID. Field changes are kQuickInput
// when `quickInput`, else kDestination. Nothing when the two are the same.
std::vector<HistoryChange> boardChanges(const BoardContent& before, const BoardContent& after, bool quickInput);

// The bytes of the lines for `changes`, each stamped with `time` and `author`.
std::string historyLines(const std::string& time, const HistoryAuthor& author,
                         const std::vector<HistoryChange>& changes);

}  // namespace wabo
