// One change test of a board file, for the bench script to watch under
// strace: how often the file is opened and how many bytes are read from it.
//
//   check_probe <board file> <stamp held>
//
// Prints "RESULT check_result <0|1|2>".
#include <cstdio>
#include <cstdlib>

#include "board/board_file.h"
#include "board/board_state.h"
#include "common/ui.h"

namespace {

class SilentUi : public wabo::Ui {
 public:
  int shown = 0;
  void warn(const char*) override { ++shown; }
  void inform(const char*) override { ++shown; }
  bool confirm(const char*) override {
    ++shown;
    return false;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: check_probe <board file> <stamp held>\n");
    return 2;
  }
  wabo::BoardState board;
  board.currentBoardPath = argv[1];
  board.boardStamp = static_cast<std::int32_t>(std::atol(argv[2]));
  SilentUi ui;
  int result = wabo::checkBoard(board, ui);
  std::printf("RESULT check_result %d\n", result);
  std::printf("RESULT check_messages %d\n", ui.shown);
  return 0;
}
