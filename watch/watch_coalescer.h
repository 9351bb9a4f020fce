// When a woken copy looks: the changes a folder watch reports come in
// bursts (a save is a lock, a write and a rename; a busy colleague saves
// many times a minute), and an office of a few hundred copies is woken by
// every save. The coalescer turns the changes into few checks:
//
// - at most one check is running at a time;
// - a look at the board starts no sooner than a gap after the previous one
//   (250 ms; while board changes keep coming during the gaps, the gap
//   doubles up to a second, and falls back once a gap passes quietly), and
//   waits a random part of a few hundred ms, so that the copies of an office
//   do not all read the board in the same instant;
// - a mail pickup starts at once: only this copy reads its own mail slots,
//   so there is no crowd to spread, and a pending look at the board keeps
//   its own time;
// - work refused because the program is busy (a check, a pickup or a dialog
//   of its own is running) is tried again, sooner at first, then once a second;
// - a look that found the board locked or unreadable waits for lock.dat to
//   go (or the next change of the board) instead of trying again at once.
//
// It keeps no clock of its own: the watch thread gives it the time.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "watch/watch_plan.h"

namespace wabo {

using WatchMillis = std::int64_t;

struct WatchTiming {
  WatchMillis minGap = 250;       // between the starts of two checks
  WatchMillis maxGap = 1000;      // the widest gap during a long burst
  WatchMillis boardSpread = 300;  // a look at the board waits 0..this
  WatchMillis busyRetry = 250;    // first retry after a refusal
  WatchMillis maxBusyRetry = 1000;
};

// How the program answered work handed to it.
struct WatchOutcome {
  bool busy = false;             // nothing was done; try again later
  bool boardUnreadable = false;  // the look at the board found it locked, missing or foreign
};

class WatchCoalescer {
 public:
  // `random` gives any 32-bit value; it spreads the looks at the board.
  WatchCoalescer(WatchTiming timing, std::function<std::uint32_t()> random);

  // A change asking for `work` (WatchWork bits) came at `now`.
  void noteChange(unsigned work, WatchMillis now);
  // When take() will hand out work; nothing while none is pending or while
  // the program still runs the last work handed out.
  std::optional<WatchMillis> wakeAt() const;
  // The work to run now (WatchWork bits), or 0. Work handed out counts as
  // running until finished().
  unsigned take(WatchMillis now);
  // The program's answer to the work last handed out.
  void finished(const WatchOutcome& outcome, WatchMillis now);

  bool running() const { return running_; }
  WatchMillis gap() const { return gap_; }

 private:
  WatchTiming timing_;
  std::function<std::uint32_t()> random_;
  // When pending mail work is due (never before a busy program's retry).
  WatchMillis mailAt() const;
  // When a pending look at the board is due: its spread, the gap, the retry.
  WatchMillis boardAt() const;

  unsigned pending_ = 0;
  WatchMillis notBefore_ = 0;   // the pending look at the board's spread
  WatchMillis mailSince_ = 0;   // when the pending mail work came
  WatchMillis busyUntil_ = 0;
  WatchMillis busyDelay_;
  bool started_ = false;        // a look at the board has started
  WatchMillis lastStart_ = 0;   // ... last at this time
  WatchMillis gap_;
  bool changedInGap_ = false;
  bool running_ = false;
  unsigned runningWork_ = 0;
  bool waitingForLock_ = false;
};

}  // namespace wabo
