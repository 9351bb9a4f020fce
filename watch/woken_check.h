// What the user-interface thread does with work the folder watch hands it:
// the same look at the board as a tick, and the mail pickup, but only when
// the program is free, and without the tick's warning when the board cannot
// be read (the next regular tick still gives it).
#pragma once
#include "watch/watch_coalescer.h"

namespace wabo {

// The program as a woken check reaches it; the shell supplies it.
class WatchedProgram {
 public:
  virtual ~WatchedProgram() = default;
  // A check, a pickup, a dialog, a message box, a menu or an in-place edit
  // of this program is open or running.
  virtual bool busy() = 0;
  // The pickup of the mail waiting for the user.
  virtual void pickUpMail() = 0;
  // The tick's look at the board file (0 unchanged, 1 changed, 2 missing,
  // locked or foreign), but silent and without waiting for a lock.
  virtual int checkBoard() = 0;
  // Reloads the list and shows the time with " 更新" in status part 2;
  // false when the file could not be read after all.
  virtual bool reloadBoard() = 0;
};

// Runs `work` (WatchWork bits): nothing and `busy` when the program is busy;
// otherwise the pickup first, as a tick has it, then the look at the board:
// a reload on 1, nothing visible on 0, nothing but the outcome on 2.
WatchOutcome runWokenCheck(unsigned work, WatchedProgram& program);

}  // namespace wabo
