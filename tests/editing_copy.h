// One copy of the program over a board file that loads it and changes a
// member's destination as the destination dialog does (the row read into
// the edit buffers, the new word, the save with its catch-up).
#pragma once
#include <string>

#include "app/board_reload.h"
#include "board/member_lookup.h"
#include "board/row_edits.h"
#include "tests/test_support.h"

namespace wabo::testing {

struct EditingCopy : BoardCopy {
  using BoardCopy::BoardCopy;
  bool load() { return loadBoard(list, app); }
  bool setDestination(const std::string& id, const std::string& word) {
    readRow(list, app.edit.editRowIndex = list.findId(id), app.edit);
    app.edit.editId = id, app.edit.editDestination = word;
    return applyEditedRow(list, app, ui);
  }
  std::string destination(const std::string& id) const { return list.text(list.findId(id), 2, 100); }
};

}  // namespace wabo::testing
