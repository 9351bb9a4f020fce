// One member row as a board file holds it, and what a board file holds
// beside its head line: the rows, the column names and the message.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "common/limits.h"

namespace wabo {

// The texts of columns 0..9 (board/columns.h) and the icon number (0..69;
// anything else in the file reads as 0).
struct MemberRow {
  std::array<std::string, kColumnCount> texts;
  int iconNumber = 0;
  bool operator==(const MemberRow& o) const { return iconNumber == o.iconNumber && texts == o.texts; }
};

// The contents of a board file as a copy last read or wrote them: what a
// save compares its rows with to tell what it changed. Not known until the
// board has been loaded or saved once.
struct BoardContent {
  bool known = false;
  std::vector<MemberRow> rows;
  std::array<std::string, kColumnNameCount> columnNames;
  std::string allMembersMessage;
};

}  // namespace wabo
