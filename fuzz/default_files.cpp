// Writes the files that hold the program's own Japanese texts into the
// folder given on the command line: WaboM.ini and Wabo.ini with their
// defaults, a new empty board, and that board after a member was added and
// saved (with its backup). Built twice, by the native g++ build
// (-fexec-charset=CP932) and by the clang fuzz build (literals escaped by
// sjis_escape); the two outputs must be equal byte for byte.
#include <cstdio>
#include <ctime>
#include <string>

#include "app/app_state.h"
#include "app/list_columns.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "settings/local_settings.h"
#include "settings/shared_settings.h"
#include "tests/fake_member_list.h"
#include "tests/fake_ui.h"

using namespace wabo;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::string folder = argv[1];
  std::tm start{};
  start.tm_year = 2026 - 1900, start.tm_mon = 11, start.tm_mday = 7, start.tm_hour = 9, start.tm_isdst = -1;
  setClockForTests(std::mktime(&start));

  bool ok = writeLocalSettingsFile(LocalSettings(), folder + "/WaboM.ini");

  SharedSettings shared;
  setDefaultBoardPaths(shared, "C:\\ﾜﾎﾞ");
  ok = saveSharedSettings(shared, folder + "/Wabo.ini") && ok;

  AppState app;
  app.board.currentBoardPath = folder + "/boad1.csv";
  ok = writeEmptyBoard(app, app.board.currentBoardPath) && ok;

  testing::FakeMemberList list;
  testing::RecordingUi ui;
  createColumns(list, app);
  ok = loadBoard(list, app) && ok;
  app.edit.editRowIndex = -1;
  app.edit.editId = "山田";
  app.edit.editName = "山田 太郎";
  app.edit.editDestination = app.local.quickInputWord1;
  app.edit.editOther = app.shared.destinationList[1];
  ok = applyEditedRow(list, app, ui) && ok;

  if (!ok || !ui.warnings.empty()) {
    std::fprintf(stderr, "default_files: a file could not be written\n");
    return 1;
  }
  return 0;
}
