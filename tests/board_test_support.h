// Building board files and a loaded program state for the board tests.
#pragma once
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/list_columns.h"
#include "tests/fake_member_list.h"
#include "tests/temp_folder.h"

namespace wabo::testing {

inline const std::string kDefaultCaptionLine = "ID,Icon No.,名前,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定,その他,PC-Name\r\n";

// A board file as the program writes it: head line, caption line, rows
// (each given without its CR LF), end line and message.
inline std::string boardBytes(int stamp, const std::vector<std::string>& rows, const std::string& message,
                              const std::string& captionLine = kDefaultCaptionLine) {
  std::string s = "W2," + std::to_string(stamp) + ",\r\n" + captionLine;
  for (const std::string& row : rows) s += row + "\r\n";
  return s + "END,\r\n" + message + "\r\n";
}

// A program state whose shown board is `boad1.csv` in a temporary folder,
// with a list whose columns have been created as at window creation.
struct BoardFixture {
  TempFolder folder;
  AppState app;
  FakeMemberList list;

  BoardFixture() {
    app.board.currentBoardPath = folder.file("boad1.csv");
    createColumns(list, app);
  }
  const std::string& boardPath() const { return app.board.currentBoardPath; }
  void writeBoard(const std::string& bytes) const { writeFile(boardPath(), bytes); }
};

}  // namespace wabo::testing
