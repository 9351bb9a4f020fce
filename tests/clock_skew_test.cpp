// PCs whose clocks disagree on one board: two copies in this process, each
// with its own clock (the program's clock is set to the saving copy's time
// before each of its steps), save in turn; a third copy looks after each
// save. Clocks five minutes apart, and one clock put back by an hour in the
// middle, as when a wrong time is corrected.
#include <gtest/gtest.h>
#include <utime.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <thread>

#include "board/board_file.h"
#include "board/board_save.h"
#include "board/member_lookup.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "messaging/bulletin_lock.h"
#include "tests/fake_ui.h"
#include "tests/editing_copy.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;

struct Pc : EditingCopy {
  Pc(const std::string& path, std::string member) : EditingCopy(path), id(std::move(member)) {}
  std::string id;
  std::time_t clock = 0;  // this PC's time now

  // The program's order for an edit: the check, a reload when changed, the change and its save.
  int checkAndLoad() {
    setClockForTests(clock);
    const int result = checkBoard(app.board, ui);
    if (result == kChanged) EXPECT_TRUE(loadBoard(list, app));
    return result;
  }
  bool save(const std::string& word) {
    setClockForTests(clock);
    return setDestination(id, word);
  }
  std::string text(const std::string& member, int column) const { return list.text(list.findId(member), column, 100); }
};

std::string minuteOf(std::time_t t) { return formatTime(localTime(t), "%Y/%m/%d %H:%M"); }

class SkewedClocks : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("boad1.csv");
  Pc a{path, "aoki"}, b{path, "baba"}, watcher{path, ""};
  const std::time_t start = localTime(2024, 5, 6, 9, 0, 0);

  void SetUp() override {
    writeFile(path, boardBytes(24085959, {"aoki,1,青木,在席,,,,,,,pc-a", "baba,2,馬場,在席,,,,,,,pc-b"}, "朝礼"));
    setClockForTests(start);
    for (Pc* pc : {&a, &b, &watcher}) ASSERT_TRUE(loadBoard(pc->list, pc->app));
  }
  void TearDown() override {
    setClockForTests(-1);
    setSteadyClockForTests(-1);
  }

  // 40 saves each, in turn, 7 s of each clock apart. `clockOf(pc, step)` is
  // that PC's time at the step. Each save must reach the file, the other
  // copy's check and the watcher, stamped with the saver's own time.
  void alternate(const std::function<std::time_t(const Pc&, int)>& clockOf) {
    for (int step = 0; step < 80; ++step) {
      Pc& saver = step % 2 ? b : a;
      Pc& other = step % 2 ? a : b;
      saver.clock = clockOf(saver, step);
      const std::string word = "会議" + std::to_string(step);
      if (step > 0) EXPECT_EQ(saver.checkAndLoad(), kChanged) << "step " << step << ": the other's save unseen";
      if (step > 0) EXPECT_EQ(saver.text(other.id, 2), "会議" + std::to_string(step - 1)) << step;
      ASSERT_TRUE(saver.save(word)) << step << ": " << saver.ui.warnings.back();
      watcher.clock = saver.clock;
      ASSERT_EQ(watcher.checkAndLoad(), kChanged) << "step " << step << ": the watcher missed it";
      EXPECT_EQ(watcher.text(saver.id, 2), word);
      EXPECT_EQ(watcher.text(saver.id, 4), minuteOf(saver.clock)) << "the saver's own time, step " << step;
      if (step > 0) EXPECT_EQ(watcher.text(other.id, 2), "会議" + std::to_string(step - 1)) << "lost, step " << step;
    }
    EXPECT_TRUE(a.ui.warnings.empty() && b.ui.warnings.empty());
    EXPECT_FALSE(exists(folder.file("lock.dat")));
  }
};

TEST_F(SkewedClocks, FiveMinutesApartFortySavesEachLoseNothingAndStampTheirOwnTimes) {
  alternate([&](const Pc& pc, int step) { return start + 7 * step - (&pc == &b ? 300 : 0); });
}

TEST_F(SkewedClocks, AClockPutBackAnHourInTheMiddleLosesNothing) {
  alternate([&](const Pc& pc, int step) {
    const std::time_t t = start + 7 * step - (&pc == &b ? 300 : 0);
    return &pc == &a && step >= 40 ? t - 3600 : t;
  });
}

// lock.dat of a PC whose clock is far ahead (or behind): the board has no
// rule that takes a lock over, whatever its time stamp says; a lock held
// for the time of a save is waited for, one that stays is refused and left.
TEST_F(SkewedClocks, ABoardLockStampedByAnotherClockIsNeverTakenOver) {
  const std::string lock = folder.file("lock.dat");
  a.clock = start + 2 * 3600;
  for (long offset : {+7200L, -7200L}) {
    writeFile(lock, "");
    struct utimbuf times;
    times.actime = times.modtime = std::time(nullptr) + offset;
    ASSERT_EQ(utime(lock.c_str(), &times), 0);
    EXPECT_FALSE(a.save("外出"));
    EXPECT_TRUE(exists(lock)) << offset;
    std::thread holder([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(40));
      std::filesystem::remove(lock);
    });
    EXPECT_TRUE(a.save("外出" + std::to_string(offset)));
    holder.join();
  }
  EXPECT_EQ(a.ui.warnings, (Lines{msg::kSaveLockedOrMissing, msg::kSaveLockedOrMissing}));
}

// keiji.lck of a live copy, while the waiting copy's wall clock jumps an
// hour forward and back: only this copy's steady clock ages a lock, so it
// is not taken over before a minute of that clock has passed.
TEST_F(SkewedClocks, ABulletinLockIsAgedOnlyByThisCopysSteadyClock) {
  const std::string lock = bulletinLockPath(folder.file("keiji.dat"));
  writeFile(lock, "a live copy");
  const BulletinLockTiming quick{30, 60};
  setSteadyClockForTests(1000000);
  for (std::time_t jump : {start + 3600, start - 3600, start + 86400}) {
    setClockForTests(jump);
    EXPECT_FALSE(BulletinLock(lock, quick).held());
    EXPECT_EQ(readFile(lock), "a live copy");
  }
  setSteadyClockForTests(1059999);
  EXPECT_FALSE(BulletinLock(lock, quick).held());
  setSteadyClockForTests(1060000);
  EXPECT_TRUE(BulletinLock(lock, quick).held()) << "seen unchanged for a minute of its own";
}

}  // namespace
