// When a woken copy looks, and what it does then: bursts of changes become
// few checks, looks at the board are spread, a busy program is asked again
// later, a locked board is looked at again when the lock goes.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "watch/watch_coalescer.h"
#include "watch/woken_check.h"

using namespace wabo;

namespace {

class Coalescer : public ::testing::Test {
 protected:
  std::deque<std::uint32_t> randoms;
  WatchCoalescer co{WatchTiming{}, [this] {
                      std::uint32_t r = randoms.empty() ? 0 : randoms.front();
                      if (!randoms.empty()) randoms.pop_front();
                      return r;
                    }};
  // Runs the clock from `from` to `to` in 1 ms steps, taking work as soon as
  // it is due and answering it `answerAfter` ms later; returns the starts.
  std::vector<WatchMillis> starts;
  WatchMillis answerAt = -1;
  void advance(WatchMillis from, WatchMillis to, WatchMillis answerAfter = 20, WatchOutcome outcome = {}) {
    for (WatchMillis t = from; t <= to; ++t) step(t, answerAfter, outcome);
  }
  void step(WatchMillis t, WatchMillis answerAfter, WatchOutcome outcome = {}) {
    if (answerAt >= 0 && t >= answerAt) {
      co.finished(outcome, t);
      answerAt = -1;
    }
    if (co.take(t) != 0) {
      starts.push_back(t);
      answerAt = t + answerAfter;
      if (answerAfter == 0) {
        co.finished(outcome, t);
        answerAt = -1;
      }
    }
  }
};

TEST_F(Coalescer, ABoardChangeWaitsItsSpreadAMailChangeDoesNot) {
  randoms = {1234};  // 1234 % 301 = 30 ms
  co.noteChange(kBoardWork, 1000);
  ASSERT_TRUE(co.wakeAt().has_value());
  EXPECT_EQ(*co.wakeAt(), 1030);
  EXPECT_EQ(co.take(1029), kNoWatchWork);
  EXPECT_EQ(co.take(1030), kBoardWork);
  EXPECT_TRUE(co.running());
  EXPECT_FALSE(co.wakeAt().has_value());
  co.finished({}, 1040);
  EXPECT_FALSE(co.wakeAt().has_value());

  co.noteChange(kMailWork, 5000);
  EXPECT_EQ(*co.wakeAt(), 5000);
  EXPECT_EQ(co.take(5000), kMailWork);
}

TEST_F(Coalescer, TheSpreadStaysWithinAFewHundredMilliseconds) {
  randoms = {0xFFFFFFFFu};
  co.noteChange(kBoardWork, 0);
  EXPECT_EQ(*co.wakeAt(), static_cast<WatchMillis>(0xFFFFFFFFu % 301));
  WatchCoalescer noSpread{WatchTiming{250, 1000, 0, 250, 1000}, [] { return 77u; }};
  noSpread.noteChange(kBoardWork, 10);
  EXPECT_EQ(*noSpread.wakeAt(), 10);
}

TEST_F(Coalescer, ChangesBeforeTheLookAndDuringItJoinOneNextLook) {
  randoms = {100, 0};
  co.noteChange(kBoardWork, 0);
  co.noteChange(kBoardWork, 5);
  co.noteChange(kMailWork, 50);
  EXPECT_EQ(*co.wakeAt(), 100);  // the first change's spread counts
  EXPECT_EQ(co.take(100), kBoardWork | kMailWork);
  // Changes while it runs are kept, and wait for the gap after its start.
  co.noteChange(kBoardWork, 110);
  co.noteChange(kMailWork, 120);
  EXPECT_FALSE(co.wakeAt().has_value());
  co.finished({}, 130);
  EXPECT_EQ(*co.wakeAt(), 100 + 250);
  EXPECT_EQ(co.take(349), kNoWatchWork);
  EXPECT_EQ(co.take(350), kBoardWork | kMailWork);
}

TEST_F(Coalescer, ABurstOfTwentySavesBecomesAHandfulOfLooksEndingAfterTheLast) {
  // Another copy saves every 80 ms for 1.6 s; each save is seen as a change
  // of the board and the going of its lock. Spreads of 0..300 ms.
  for (int i = 0; i < 40; ++i) randoms.push_back(static_cast<std::uint32_t>(i * 97));
  WatchMillis lastChange = 0;
  for (WatchMillis t = 0; t <= 6000; ++t) {
    if (t % 80 == 0 && t < 20 * 80) {
      co.noteChange(kBoardWork, t);
      co.noteChange(kLockGone, t + 0);
      lastChange = t;
    }
    step(t, 30);
  }
  ASSERT_FALSE(starts.empty());
  EXPECT_LE(starts.size(), 6u);
  EXPECT_GT(starts.back(), lastChange);  // the last state is seen
  for (std::size_t i = 1; i < starts.size(); ++i) EXPECT_GE(starts[i] - starts[i - 1], 250);
  EXPECT_EQ(co.gap(), 1000);  // widened during the burst
  // After a quiet while, a single change is looked at within the short gap again.
  randoms = {0};
  co.noteChange(kBoardWork, 10000);
  advance(10000, 10000);
  ASSERT_EQ(starts.back(), 10000);
  advance(10001, 11999);
  co.noteChange(kBoardWork, 12000);
  advance(12000, 13000);
  EXPECT_EQ(starts.back(), 12000);
  EXPECT_EQ(co.gap(), 250);
}

TEST_F(Coalescer, ABusyProgramIsAskedAgainSoonerFirstThenOnceASecond) {
  co.noteChange(kMailWork, 0);
  advance(0, 3000, 0, WatchOutcome{true, false});
  // Refused at 0; asked again 250, 500, 1000 and then every 1000 ms later.
  ASSERT_GE(starts.size(), 5u);
  EXPECT_EQ(starts[0], 0);
  EXPECT_EQ(starts[1], 250);
  EXPECT_EQ(starts[2], 750);
  EXPECT_EQ(starts[3], 1750);
  EXPECT_EQ(starts[4], 2750);
  // Once the program is free, the work is done and the next refusal starts short again.
  EXPECT_EQ(co.take(3749), kNoWatchWork);
  EXPECT_EQ(co.take(3750), kMailWork);
  co.finished({}, 3760);
  EXPECT_FALSE(co.wakeAt().has_value());
  co.noteChange(kMailWork, 5000);
  EXPECT_EQ(co.take(5000), kMailWork);
  co.finished(WatchOutcome{true, false}, 5001);
  EXPECT_EQ(*co.wakeAt(), 5251);
  EXPECT_EQ(co.take(5251), kMailWork);  // the refused work was kept
}

TEST_F(Coalescer, ALockedBoardIsLookedAtAgainWhenTheLockGoes) {
  // The lock of a save going away while nobody waits for it asks for nothing.
  co.noteChange(kLockGone, 0);
  EXPECT_FALSE(co.wakeAt().has_value());
  co.noteChange(kBoardWork, 100);
  EXPECT_EQ(co.take(100), kBoardWork);
  co.finished(WatchOutcome{false, true}, 110);
  EXPECT_FALSE(co.wakeAt().has_value());  // no retry of its own
  co.noteChange(kLockGone, 900);
  EXPECT_EQ(*co.wakeAt(), 900);
  EXPECT_EQ(co.take(900), kBoardWork);
  co.finished({}, 910);
  co.noteChange(kLockGone, 2000);  // readable now: the next lock going is nothing
  EXPECT_FALSE(co.wakeAt().has_value());
  // A mail pickup alone does not end the wait for the lock.
  co.noteChange(kBoardWork, 3000);
  EXPECT_EQ(co.take(3000), kBoardWork);
  co.finished(WatchOutcome{false, true}, 3010);
  co.noteChange(kMailWork, 4000);
  EXPECT_EQ(co.take(4000), kMailWork);
  co.finished({}, 4010);
  co.noteChange(kLockGone, 5000);
  EXPECT_EQ(co.take(5000), kBoardWork);
}

TEST_F(Coalescer, AnAnswerWithoutWorkHandedOutChangesNothing) {
  co.finished(WatchOutcome{true, true}, 0);
  EXPECT_FALSE(co.wakeAt().has_value());
  co.noteChange(kNoWatchWork, 0);
  EXPECT_FALSE(co.wakeAt().has_value());
  co.noteChange(kLockGone, 0);
  EXPECT_FALSE(co.wakeAt().has_value());
}

// The program as a woken check finds it: a log of calls and scripted results.
struct FakeProgram : WatchedProgram {
  bool isBusy = false;
  int checkResult = 0;
  bool reloads = true;
  std::vector<std::string> log;
  bool busy() override { return isBusy; }
  void pickUpMail() override { log.push_back("mail"); }
  int checkBoard() override { return log.push_back("check"), checkResult; }
  bool reloadBoard() override { return log.push_back("reload"), reloads; }
};

TEST(WokenCheck, TheTicksLookWithoutItsWarning) {
  FakeProgram p;
  WatchOutcome o = runWokenCheck(kBoardWork | kMailWork, p);  // unchanged: nothing more
  EXPECT_EQ(p.log, (std::vector<std::string>{"mail", "check"}));
  EXPECT_FALSE(o.busy || o.boardUnreadable);
  p.log.clear();
  p.checkResult = 1;
  o = runWokenCheck(kBoardWork, p);
  EXPECT_EQ(p.log, (std::vector<std::string>{"check", "reload"}));
  EXPECT_FALSE(o.boardUnreadable);
  p.log.clear();
  p.reloads = false;  // the lock came between the look and the load
  EXPECT_TRUE(runWokenCheck(kBoardWork, p).boardUnreadable);
  p.log.clear();
  p.checkResult = 2;
  o = runWokenCheck(kBoardWork, p);
  EXPECT_EQ(p.log, (std::vector<std::string>{"check"}));
  EXPECT_TRUE(o.boardUnreadable);
  p.log.clear();
  EXPECT_FALSE(runWokenCheck(kMailWork, p).boardUnreadable);  // mail alone leaves the board
  EXPECT_EQ(p.log, (std::vector<std::string>{"mail"}));
}

TEST(WokenCheck, ABusyProgramIsLeftAlone) {
  FakeProgram p;
  p.isBusy = true;
  p.checkResult = 1;
  WatchOutcome o = runWokenCheck(kBoardWork | kMailWork, p);
  EXPECT_TRUE(o.busy);
  EXPECT_TRUE(p.log.empty());
}

}  // namespace
