#include "watch/woken_check.h"

namespace wabo {

WatchOutcome runWokenCheck(unsigned work, WatchedProgram& program) {
  WatchOutcome outcome;
  if (program.busy()) {
    outcome.busy = true;
    return outcome;
  }
  if (work & kMailWork) program.pickUpMail();
  if (work & kBoardWork) {
    const int result = program.checkBoard();
    if (result == 1) outcome.boardUnreadable = !program.reloadBoard();
    else if (result != 0) outcome.boardUnreadable = true;
  }
  return outcome;
}

}  // namespace wabo
