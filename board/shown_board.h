// What the board operations read and change of the program's state: the
// shown board's values, its time texts, the edit buffers, whether the
// administrator wants a backup, and how the shown board is loaded again
// when a save finds that another copy has saved meanwhile. The program's
// state hands out this view (AppState converts to it), so the board code
// needs nothing above it.
#pragma once
#include <functional>

#include "board/board_history.h"
#include "board/board_state.h"
#include "board/edit_buffers.h"
#include "board/member_list.h"

namespace wabo {

struct ShownBoard {
  BoardState& board;
  TimeTexts& times;
  EditBuffers& edit;
  bool backupEnabled;  // the shared setting at the time of the call
  // Loads currentBoardPath into the list as the program shows it (columns,
  // rows, sort), while this copy's save holds the folder's lock; false when
  // the file cannot be read.
  std::function<bool(MemberList&)> reload;
  // Who saves, for the lines of the change history, and whether the changes
  // to a row's fields are a quick input's.
  HistoryAuthor author{};
  bool quickInput = false;
};

}  // namespace wabo
