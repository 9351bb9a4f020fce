// Load and save of a board through the portable core, natively, over the
// in-memory member list of the unit tests. A reference beside the figures of
// the real program under Wine.
//
//   core_bench <board file> <runs>
//
// The board file is loaded and saved where it lies (the script gives it a
// copy of its own). Prints "RESULT <name> <value>" lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/app_state.h"
#include "app/board_reload.h"
#include "app/list_columns.h"
#include "app/overdue_rows.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "board/columns.h"
#include "common/clock.h"
#include "tests/fake_member_list.h"
#include "tests/fake_ui.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kSaveSpacing{50};

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The overdue look at every row, as the list's paint makes it row by row:
// the median milliseconds for all rows, with `overdue` the rows found. The
// generated return times are no times; here every row gets one of the
// forms that are read to the end (full-width ones too), a few rows the
// in-office word, so that each row takes the longest way.
double overdueLook(wabo::testing::FakeMemberList& list, int runs, int& overdue) {
  const char* forms[] = {"15:00", "９：３０", "15時30分ごろ", "１５時半予定", "17:00まで", "8時"};
  for (int row = 0; row < list.rowCount(); ++row) {
    list.setText(row, wabo::kReturnTimeColumn, forms[row % 6]);
    if (row % 10 == 0) list.setText(row, wabo::kDestinationColumn, "出社");
  }
  const std::tm now = wabo::localTime(wabo::clockNow());
  std::vector<double> looks;
  for (int i = 0; i <= runs; ++i) {
    Clock::time_point start = Clock::now();
    overdue = 0;
    for (int row = 0; row < list.rowCount(); ++row) overdue += wabo::rowIsOverdue(list, row, "出社", now);
    if (i > 0) looks.push_back(millisecondsSince(start));
  }
  return median(looks);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: core_bench <board file> <runs>\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[2]));
  wabo::AppState app;
  app.board.currentBoardPath = argv[1];
  app.shared.backupEnabled = 1;
  wabo::testing::FakeMemberList list;
  wabo::testing::RecordingUi ui;
  wabo::createColumns(list, app);

  std::vector<double> loads, saves;
  int rows = -1;
  for (int i = 0; i <= runs; ++i) {
    Clock::time_point start = Clock::now();
    bool loaded = wabo::loadBoard(list, app);
    double ms = millisecondsSince(start);
    rows = list.rowCount();
    if (!loaded || rows <= 0) {
      std::fprintf(stderr, "core_bench: the board did not load\n");
      return 1;
    }
    if (i > 0) loads.push_back(ms);  // the first run warms the file cache
  }
  // A save that follows the same copy's save closely first leaves the lock
  // to the others for a moment (board/board_save.cpp); the saves here are
  // spaced beyond it, as a member's are, and the pause is not timed.
  for (int i = 0; i <= runs; ++i) {
    std::this_thread::sleep_for(kSaveSpacing);
    Clock::time_point start = Clock::now();
    bool saved = wabo::saveBoard(list, app, ui);
    double ms = millisecondsSince(start);
    if (!saved || !ui.warnings.empty()) {
      std::fprintf(stderr, "core_bench: the save failed\n");
      return 1;
    }
    if (i > 0) saves.push_back(ms);
  }
  // What was saved loads back with every row.
  list.deleteAllRows();
  if (!wabo::loadBoard(list, app) || list.rowCount() != rows) {
    std::fprintf(stderr, "core_bench: the saved board does not load back\n");
    return 1;
  }
  int overdue = 0;
  const double lookMs = overdueLook(list, runs, overdue);
  std::printf("RESULT core_rows %d\n", rows);
  std::printf("RESULT core_overdue_ms %.3f\n", lookMs);
  std::printf("RESULT core_overdue_rows %d\n", overdue);
  std::printf("RESULT core_load_ms %.3f\n", median(loads));
  std::printf("RESULT core_save_ms %.3f\n", median(saves));
  return 0;
}
