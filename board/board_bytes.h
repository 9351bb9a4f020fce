// The bytes of a board file, built in memory so that the writers can write
// them in one checked piece.
#pragma once
#include <string>

#include "board/board_state.h"
#include "board/member_list.h"

namespace wabo {

// Head line with `stamp`, caption line from board.columnNames, every row of
// the list in display order (texts read with room for 30 or 100 bytes),
// end line and board.allMembersMessage. A comma or line break that reached a
// text (an in-place ID edit can put one there) would split a row or a field
// on the next load: commas become '/', line breaks blanks. pcName, the last
// field of a row, keeps its commas.
std::string boardFileBytes(const MemberList& list, const BoardState& board, int stamp);
// The same in two steps: what the file will hold (the texts as written,
// with those replacements made), then its bytes.
BoardContent boardContent(const MemberList& list, const BoardState& board);
std::string boardFileBytes(const BoardContent& content, int stamp);

// True when a row's ID is exactly "END": the reader would take that row for
// the end line and lose every row behind it and the message, so the
// writers refuse to write such a list.
bool holdsEndId(const MemberList& list);

// A new board: head line, captions, the sample row "ID,0,名前,,,,,,,," and
// the placeholder message.
std::string emptyBoardBytes(const BoardState& board, int stamp);

}  // namespace wabo
