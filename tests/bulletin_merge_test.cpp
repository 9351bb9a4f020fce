// Changes of the bulletin board merged into the file as it is now, one copy at a time under keiji.lck. Two
// dialogs posting on one file, the question before a deletion and the refusals of the new-post dialog are the
// end-to-end scenarios'.
#include <gtest/gtest.h>
#include <utime.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include "common/clock.h"
#include "common/messages.h"
#include "messaging/bulletin_board.h"
#include "messaging/bulletin_merge.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

namespace wabo {
namespace {

using namespace testing;
using Posts = BulletinPosts;

BulletinPost post(std::string subject, std::string at = "2026/12/01 09:00") {
  return BulletinPost{subject, subject + " text", "writer", std::move(at)};
}

const BulletinLockTiming kQuick{100, 60};  // a held lock fails the test quickly

class BulletinMerge : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("keiji.dat"), lock = bulletinLockPath(path);
  RecordingUi ui;
  BulletinSettling settling;

  void TearDown() override {
    setClockForTests(-1);
    setSteadyClockForTests(-1);
  }
  Posts fileposts() const { return parseBulletinBoard(readFile(path)); }
};

TEST_F(BulletinMerge, DeletionRemovesOnlyItsPostOrNothingWhenItIsGone) {
  // Alike but for the time, and equal twice: only the first equal one goes.
  writeFile(path, bulletinFileBytes({post("a", "2026/12/02 10:00"), post("a"), post("b"), post("a")}));
  Posts shown, other;
  loadBulletinBoard(path, shown);
  ASSERT_EQ(addBulletinPost(path, post("new"), other, settling), BulletinChange::kWritten);  // meanwhile, on top
  EXPECT_EQ(removeBulletinPost(path, post("a"), shown, settling), BulletinChange::kWritten);
  EXPECT_EQ(std::make_pair(fileposts(), shown),
            std::make_pair(Posts{post("new"), post("a", "2026/12/02 10:00"), post("b"), post("a")}, fileposts()));
  // Deleted by another member already: the file stays, the list catches up.
  const std::string bytes = bulletinFileBytes({post("b"), post("c")});
  writeFile(path, bytes);
  EXPECT_EQ(removeBulletinPost(path, post("a"), shown, settling), BulletinChange::kGone);
  EXPECT_EQ(std::make_pair(readFile(path), shown), std::make_pair(bytes, Posts{post("b"), post("c")}));
  EXPECT_FALSE(exists(lock));
}

// Another PC's lock is judged by this copy's own clock: stale only once this copy has seen it unchanged
// (contents and time stamp) for a minute. Its time stamp, set by another clock, says nothing of its age.
TEST_F(BulletinMerge, LockOfAnotherCopyIsWaitedForUntilSeenUnchangedForAMinuteOfOwnTime) {
  const std::string bytes = bulletinFileBytes({post("b")});
  writeFile(path, bytes);
  writeFile(lock, "another copy");
  Posts shown = {post("b")};
  const auto stamp = [&](long secondsFromNow) {
    struct utimbuf times;
    times.actime = times.modtime = std::time(nullptr) + secondsFromNow;
    ASSERT_EQ(utime(lock.c_str(), &times), 0);
  };
  const auto at = [](std::int64_t ms) { setSteadyClockForTests(ms); };
  stamp(120);  // made by a PC whose clock is two minutes ahead
  at(1000000);
  EXPECT_EQ(removeBulletinPost(path, post("b"), shown, settling, kQuick), BulletinChange::kFailed);
  at(1059999);
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, settling, kQuick), BulletinChange::kFailed);
  EXPECT_EQ(std::make_tuple(readFile(path), shown, readFile(lock)),
            std::make_tuple(bytes, Posts{post("b")}, std::string("another copy")))
      << "somebody else's lock stays";
  at(1060000);  // unchanged for a minute of our own: its copy died
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, settling, kQuick), BulletinChange::kWritten);
  EXPECT_EQ(fileposts(), (Posts{post("a"), post("b")}));
  // Nothing is left of the lock, nor of the copy moved aside.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

  // An hour old by its time stamp but new to us: waited for. Renewed by its holder: the minute starts again.
  writeFile(lock, "third copy");
  stamp(-3600);
  at(2000000);
  EXPECT_EQ(addBulletinPost(path, post("c"), shown, settling, kQuick), BulletinChange::kFailed);
  at(2040000);
  writeFile(lock, "third copy, still here");
  stamp(-3600);
  EXPECT_EQ(addBulletinPost(path, post("c"), shown, settling, kQuick), BulletinChange::kFailed);
  at(2070000);
  stamp(-3000);  // the same contents, touched
  EXPECT_EQ(addBulletinPost(path, post("c"), shown, settling, kQuick), BulletinChange::kFailed);
  at(2129999);
  EXPECT_EQ(addBulletinPost(path, post("c"), shown, settling, kQuick), BulletinChange::kFailed);
  at(2130000);
  EXPECT_EQ(addBulletinPost(path, post("c"), shown, settling, kQuick), BulletinChange::kWritten);
  EXPECT_EQ(fileposts(), (Posts{post("c"), post("a"), post("b")}));
}

TEST_F(BulletinMerge, CopiesWritingAtOnceTakeTurns) {
  auto writer = [&](const std::string& who) {
    Posts shown;
    BulletinSettling own;
    for (int i = 0; i < 15; ++i)
      EXPECT_EQ(addBulletinPost(path, post(who + std::to_string(i)), shown, own, {5000, 60}), BulletinChange::kWritten);
  };
  std::thread a(writer, "A"), b(writer, "B"), c(writer, "C");
  a.join(), b.join(), c.join();
  Posts posts = fileposts();
  ASSERT_EQ(posts.size(), 45u);
  for (const char* who : {"A", "B", "C"})
    for (int i = 0; i < 15; ++i)
      EXPECT_NE(std::find(posts.begin(), posts.end(), post(who + std::to_string(i))), posts.end()) << who << i;
}

// Older copies rewrite keiji.dat in place and know nothing of keiji.lck. A change merged onto a file cut short
// would write the cut list back: such a file is read again, and taken as it is only once it has stayed the same
// for two seconds of this copy's own clock, as a copy that died while writing leaves it.
TEST_F(BulletinMerge, AFileCutShortIsNeverMergedOntoUntilWholeOrUnchangedForTwoSeconds) {
  const std::string recA = bulletinFileBytes({post("a")}).substr(2), recB = bulletinFileBytes({post("b")}).substr(2);
  const std::string cuts[] = {"", "2", "2," + recA, "2," + recA + "b\x01half", "1," + recA.substr(0, recA.size() - 1)};
  std::int64_t t = 1000000;
  for (const std::string& cut : cuts) {
    SCOPED_TRACE(cut);
    writeFile(path, cut);
    const Posts before = parseBulletinBoard(cut);
    Posts shown = {post("shown")};
    settling = {};
    setSteadyClockForTests(t);
    EXPECT_EQ(addBulletinPost(path, post("new"), shown, settling), BulletinChange::kWaiting);
    setSteadyClockForTests(t + 1999);
    EXPECT_EQ(removeBulletinPost(path, post("a"), shown, settling), BulletinChange::kWaiting);
    EXPECT_EQ(std::make_pair(readFile(path), shown), std::make_pair(cut, Posts{post("shown")})) << "nothing changed";
    EXPECT_FALSE(exists(lock));
    setSteadyClockForTests(t + 2000);
    EXPECT_EQ(addBulletinPost(path, post("new"), shown, settling), BulletinChange::kWritten);
    Posts expected = before;
    expected.insert(expected.begin(), post("new"));
    EXPECT_EQ(std::make_pair(fileposts(), shown), std::make_pair(expected, expected));
    t += 10000;
  }
  // Growing meanwhile: the two seconds start again at every change.
  writeFile(path, "2," + recA);
  settling = {};
  Posts shown;
  setSteadyClockForTests(t);
  EXPECT_EQ(addBulletinPost(path, post("new"), shown, settling), BulletinChange::kWaiting);
  writeFile(path, "2," + recA + "b");
  setSteadyClockForTests(t + 1500);
  EXPECT_EQ(addBulletinPost(path, post("new"), shown, settling), BulletinChange::kWaiting);
  setSteadyClockForTests(t + 3499);
  EXPECT_EQ(addBulletinPost(path, post("new"), shown, settling), BulletinChange::kWaiting);
  // Finished by its writer: merged at once.
  writeFile(path, "2," + recA + recB);
  EXPECT_EQ(addBulletinPost(path, post("new"), shown, settling), BulletinChange::kWritten);
  EXPECT_EQ(fileposts(), (Posts{post("new"), post("a"), post("b")}));
  // Whole files are never waited for: the last deletion's "0,", and a head that is no count.
  for (const std::string& whole : {std::string("0,"), "x" + recA}) {
    writeFile(path, whole);
    EXPECT_EQ(removeBulletinPost(path, post("zzz"), shown, settling), BulletinChange::kGone) << whole;
  }
}

// A stand-in older copy rewrites keiji.dat in place, in pieces, while this copy's new post is merged: the
// post waits for the rewrite to end and goes on top of every post the older copy wrote.
TEST_F(BulletinMerge, APostMergedWhileAnOlderCopyRewritesTheFileInPlaceLosesNoPost) {
  Posts theirs;
  for (int i = 0; i < 20; ++i) theirs.push_back(post("old" + std::to_string(i)));
  const std::string bytes = bulletinFileBytes(theirs);
  for (std::size_t firstPiece : {std::size_t{0}, std::size_t{100}}) {
    SCOPED_TRACE(firstPiece);
    writeFile(path, bytes);
    BulletinBoard board(path);
    board.load();
    std::atomic<bool> midway{false}, tried{false};
    std::thread older([&] {
      std::FILE* f = std::fopen(path.c_str(), "wb");  // truncated in place, as the older copy does
      std::fwrite(bytes.data(), 1, firstPiece, f);
      std::fflush(f);
      midway = true;
      while (!tried) std::this_thread::yield();
      for (std::size_t at = firstPiece; at < bytes.size(); at += 64) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::fwrite(bytes.data() + at, 1, std::min<std::size_t>(64, bytes.size() - at), f);
        std::fflush(f);
      }
      std::fclose(f);
    });
    while (!midway) std::this_thread::yield();
    board.writeNewPost("ours", "text", "me", ui);
    const bool waited = board.waiting();
    tried = true;
    EXPECT_TRUE(waited);
    EXPECT_EQ(board.posts().front().subject, "ours") << "shown on top while it waits";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (board.waiting() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(kBulletinRetryMs / 25));
      board.retryWaiting(ui);
    }
    older.join();
    const Posts now = fileposts();
    ASSERT_EQ(now.size(), 21u);
    EXPECT_EQ(now[0].subject, "ours");
    EXPECT_EQ(Posts(now.begin() + 1, now.end()), theirs);
    EXPECT_EQ(board.posts(), now);
    EXPECT_TRUE(ui.warnings.empty());
  }
}

using BulletinBoardDialog = BulletinMerge;

TEST_F(BulletinBoardDialog, AChangeThatWaitsTooLongIsTakenBackAndTold) {
  writeFile(path, bulletinFileBytes({post("a"), post("b")}));
  BulletinBoard board(path);
  board.load();
  writeFile(path, "3," + bulletinFileBytes({post("a")}).substr(2));  // an older copy is writing it
  setSteadyClockForTests(1000000);
  EXPECT_TRUE(board.deletePost(1, [](const std::string&) { return true; }, ui));
  ASSERT_TRUE(board.waiting());
  EXPECT_EQ(board.posts(), Posts{post("a")}) << "shown without it meanwhile";
  board.writeNewPost("later", "", "", ui);
  EXPECT_FALSE(board.deletePost(0, [](const std::string&) { return true; }, ui)) << "one change at a time";
  // Another copy's turn under the lock at a retry: still waiting.
  writeFile(lock, "another copy");
  board.retryWaiting(ui);
  EXPECT_TRUE(board.waiting());
  std::filesystem::remove(lock);
  // The writer keeps changing it for half a minute: given up, told, and the list is as it was.
  for (std::int64_t t = 1000000; board.waiting() && t <= 1000000 + kBulletinGiveUpMs; t += 1000) {
    setSteadyClockForTests(t);
    writeFile(path, "3," + bulletinFileBytes({post("a")}).substr(2) + std::to_string(t));
    board.retryWaiting(ui);
    if (t < 1000000 + kBulletinGiveUpMs) {
      EXPECT_TRUE(board.waiting()) << t;
    }
  }
  EXPECT_FALSE(board.waiting());
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kSaveFolderMissing});
  EXPECT_EQ(board.posts(), (Posts{post("a"), post("b")}));
  EXPECT_FALSE(exists(lock));
}


TEST_F(BulletinBoardDialog, NewPostKeepsOneLineOfSubjectAndCutsEveryTextToItsField) {
  setClockForTests(localTime(2026, 12, 7, 9, 5, 30));
  writeFile(path, bulletinFileBytes({post("old")}));
  BulletinBoard board(path);
  board.writeNewPost("\r\nafter a line break", "text", "writer", ui);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kPostSubjectMissing}));
  // Separators a paste brought are dropped.
  board.writeNewPost(std::string(70, 's') + "\r\nsecond", "line 1\r\nline\x01 2", "佐藤\x01", ui);
  const BulletinPost written{std::string(58, 's'), "line 1\r\nline 2", "佐藤", "2026/12/07 09:05"};
  EXPECT_EQ(board.posts(), (Posts{written, post("old")}));
  EXPECT_EQ(fileposts(), board.posts());
  board.writeNewPost("x", std::string(600, 'i'), std::string(80, 'w'), ui);
  EXPECT_EQ(board.posts()[0].info + "|" + board.posts()[0].writer, std::string(510, 'i') + "|" + std::string(58, 'w'));
}

TEST_F(BulletinBoardDialog, ADeletionThatIsNotWrittenKeepsTheRow) {
  writeFile(path, bulletinFileBytes({post("b")}));
  BulletinBoard board(path);
  board.load();
  std::filesystem::remove_all(folder.path());  // the mail folder went away: told, and the row stays
  board.deletePost(0, [](const std::string&) { return true; }, ui);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kSaveFolderMissing});
  EXPECT_EQ(board.posts(), Posts{post("b")});
}

}  // namespace
}  // namespace wabo
