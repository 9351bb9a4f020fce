// When a woken copy looks: changes become few checks, looks at the board are spread, a busy program is asked
// again later, a locked board is looked at again when the lock goes. That the gap widens during a burst of saves
// (a few looks, the last state seen) is the end-to-end scenario's; what a look does, the woken check, is tested
// over a real board with the refresh cycle.
#include <gtest/gtest.h>

#include <vector>

#include "watch/watch_coalescer.h"

using namespace wabo;

namespace {

class Coalescer : public ::testing::Test {
 protected:
  std::uint32_t random = 0;  // handed out for the spreads
  WatchCoalescer co{WatchTiming{}, [this] { return random; }};
  std::vector<WatchMillis> starts;
  WatchMillis answerAt = -1;

  // Runs the clock in 1 ms steps, taking work as soon as it is due and answering `outcome` `answerAfter` ms later.
  void run(WatchMillis from, WatchMillis to, WatchMillis answerAfter = 20, WatchOutcome outcome = {}) {
    for (WatchMillis t = from; t <= to; ++t) {
      if (co.take(t) != 0) starts.push_back(t), answerAt = t + answerAfter;
      if (answerAt == t) co.finished(outcome, t), answerAt = -1;
    }
  }
  // A change at `t`, the work taken at once and answered 10 ms later.
  unsigned cycle(unsigned work, WatchMillis t, WatchOutcome outcome = {}) {
    co.noteChange(work, t);
    const unsigned taken = co.take(t);
    co.finished(outcome, t + 10);
    return taken;
  }
};

const WatchOutcome kBusy{true, false}, kUnreadable{false, true};

TEST_F(Coalescer, ABoardChangeWaitsItsSpreadAMailChangeDoesNot) {
  random = 0xFFFFFFFFu;  // the spread is 0..300 ms: 0xFFFFFFFF % 301 = 101
  co.noteChange(kBoardWork, 1000);
  EXPECT_EQ(co.take(1100), kNoWatchWork);
  EXPECT_EQ(co.take(1101), kBoardWork);
  co.finished({}, 1110);
  EXPECT_EQ(cycle(kMailWork, 5000), kMailWork);
  WatchCoalescer noSpread{WatchTiming{250, 1000, 0, 250, 1000}, [] { return 77u; }};
  noSpread.noteChange(kBoardWork, 10);
  EXPECT_EQ(noSpread.wakeAt(), 10);
}

TEST_F(Coalescer, BoardChangesBeforeTheLookAndDuringItJoinOneNextLook) {
  random = 100;
  co.noteChange(kBoardWork, 0);
  co.noteChange(kBoardWork, 50);
  EXPECT_EQ(co.wakeAt(), 100);  // the first change's spread counts
  EXPECT_EQ(co.take(100), kBoardWork);
  // Changes while it runs are kept: the board waits for the gap after its start, the mail only for the end.
  co.noteChange(kBoardWork, 110);
  co.noteChange(kMailWork, 120);
  EXPECT_FALSE(co.wakeAt()) << "one check at a time";
  co.finished({}, 130);
  EXPECT_EQ(co.take(130), kMailWork);
  co.finished({}, 140);
  EXPECT_EQ(co.take(349), kNoWatchWork);
  EXPECT_EQ(co.take(350), kBoardWork);
  // Both due at once: one look does both.
  co.finished({}, 360);
  co.noteChange(kMailWork, 2000);
  co.noteChange(kBoardWork, 2000);
  EXPECT_EQ(co.take(2100), kBoardWork | kMailWork);
}

// Only this copy reads its own mail slots: a mail has no crowd to spread and no burst of saves to wait out.
TEST_F(Coalescer, AMailIsLookedForAtOnceWhateverTheBoardWaitsFor) {
  random = 200;
  co.noteChange(kBoardWork, 0);
  co.noteChange(kMailWork, 10);
  EXPECT_EQ(co.wakeAt(), 10);
  EXPECT_EQ(co.take(10), kMailWork);
  co.finished({}, 20);
  EXPECT_EQ(co.wakeAt(), 200) << "the board keeps its spread";
  EXPECT_EQ(co.take(199), kNoWatchWork);
  EXPECT_EQ(co.take(200), kBoardWork);
  co.finished({}, 210);
  // Right after a look at the board, inside its gap.
  EXPECT_EQ(cycle(kMailWork, 220), kMailWork);
  // The mail file's own write record, come while its pickup showed it, and the pickup's deletion of it: one more
  // look at once, and the next mail is not held back by them.
  co.noteChange(kMailWork, 300);
  EXPECT_EQ(co.take(300), kMailWork);
  co.noteChange(kMailWork, 310);
  co.finished({}, 900);
  EXPECT_EQ(co.take(900), kMailWork);
  co.finished({}, 905);
  EXPECT_EQ(cycle(kMailWork, 1000), kMailWork);
  EXPECT_EQ(co.gap(), 250) << "mail does not widen the board's gap";
  co.noteChange(kBoardWork, 1010);
  EXPECT_EQ(co.take(1210), kBoardWork);
}

TEST_F(Coalescer, ABusyProgramIsAskedAgainSoonerFirstThenOnceASecond) {
  co.noteChange(kMailWork, 0);
  run(0, 3000, 0, kBusy);
  EXPECT_EQ(starts, (std::vector<WatchMillis>{0, 250, 750, 1750, 2750}));
  // Once the program is free, the work is done and the next refusal starts short again.
  EXPECT_EQ(co.take(3749), kNoWatchWork);
  EXPECT_EQ(co.take(3750), kMailWork);
  co.finished({}, 3760);
  EXPECT_FALSE(co.wakeAt());
  EXPECT_EQ(cycle(kMailWork, 5000, kBusy), kMailWork);
  EXPECT_EQ(co.wakeAt(), 5260);
  EXPECT_EQ(co.take(5260), kMailWork);  // the refused work was kept
}

TEST_F(Coalescer, ALockedBoardIsLookedAtAgainWhenTheLockGoes) {
  co.noteChange(kLockGone, 0);  // the lock of a save nobody waits for: nothing
  EXPECT_FALSE(co.wakeAt());
  EXPECT_EQ(cycle(kBoardWork, 100, kUnreadable), kBoardWork);
  EXPECT_FALSE(co.wakeAt());  // no retry of its own
  // A mail pickup alone does not end the wait for the lock.
  EXPECT_EQ(cycle(kMailWork, 1000), kMailWork);
  EXPECT_EQ(cycle(kLockGone, 2000), kBoardWork);
  co.noteChange(kLockGone, 3000);  // readable now: the next lock going is nothing
  EXPECT_FALSE(co.wakeAt());
}

}  // namespace
