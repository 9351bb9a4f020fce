// Changes of the bulletin board merged into the file as it is now, one copy at a time under keiji.lck. Two
// dialogs posting on one file, the question before a deletion and the refusals of the new-post dialog are the
// end-to-end scenarios'.
#include <gtest/gtest.h>
#include <utime.h>

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

  void TearDown() override { setClockForTests(-1); }
  Posts fileposts() const { return parseBulletinBoard(readFile(path)); }
};

TEST_F(BulletinMerge, DeletionRemovesOnlyItsPostOrNothingWhenItIsGone) {
  // Alike but for the time, and equal twice: only the first equal one goes.
  writeFile(path, bulletinFileBytes({post("a", "2026/12/02 10:00"), post("a"), post("b"), post("a")}));
  Posts shown, other;
  loadBulletinBoard(path, shown);
  ASSERT_EQ(addBulletinPost(path, post("new"), other), BulletinChange::kWritten);  // meanwhile, on top
  EXPECT_EQ(removeBulletinPost(path, post("a"), shown), BulletinChange::kWritten);
  EXPECT_EQ(std::make_pair(fileposts(), shown),
            std::make_pair(Posts{post("new"), post("a", "2026/12/02 10:00"), post("b"), post("a")}, fileposts()));
  // Deleted by another member already: the file stays, the list catches up.
  const std::string bytes = bulletinFileBytes({post("b"), post("c")});
  writeFile(path, bytes);
  EXPECT_EQ(removeBulletinPost(path, post("a"), shown), BulletinChange::kGone);
  EXPECT_EQ(std::make_pair(readFile(path), shown), std::make_pair(bytes, Posts{post("b"), post("c")}));
  EXPECT_FALSE(exists(lock));
}

TEST_F(BulletinMerge, LockOfAnotherCopyIsWaitedForUnlessOlderThanAMinute) {
  const std::string bytes = bulletinFileBytes({post("b")});
  writeFile(path, bytes);
  writeFile(lock, "another copy");
  Posts shown = {post("b")};
  const auto age = [&](long seconds) {
    struct utimbuf times;
    times.actime = times.modtime = std::time(nullptr) - seconds;
    ASSERT_EQ(utime(lock.c_str(), &times), 0);
  };
  EXPECT_EQ(removeBulletinPost(path, post("b"), shown, kQuick), BulletinChange::kFailed);
  age(50);  // well under the minute: a loaded sanitizer build may take seconds
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, kQuick), BulletinChange::kFailed);
  EXPECT_EQ(std::make_tuple(readFile(path), shown, readFile(lock)),
            std::make_tuple(bytes, Posts{post("b")}, std::string("another copy")))
      << "somebody else's lock stays";
  age(61);  // left by a copy that died: taken over
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, kQuick), BulletinChange::kWritten);
  EXPECT_EQ(fileposts(), (Posts{post("a"), post("b")}));
  // Nothing is left of the lock, nor of the copy moved aside.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(BulletinMerge, CopiesWritingAtOnceTakeTurns) {
  auto writer = [&](const std::string& who) {
    Posts shown;
    for (int i = 0; i < 15; ++i)
      EXPECT_EQ(addBulletinPost(path, post(who + std::to_string(i)), shown, {5000, 60}), BulletinChange::kWritten);
  };
  std::thread a(writer, "A"), b(writer, "B"), c(writer, "C");
  a.join(), b.join(), c.join();
  Posts posts = fileposts();
  ASSERT_EQ(posts.size(), 45u);
  for (const char* who : {"A", "B", "C"})
    for (int i = 0; i < 15; ++i)
      EXPECT_NE(std::find(posts.begin(), posts.end(), post(who + std::to_string(i))), posts.end()) << who << i;
}

using BulletinBoardDialog = BulletinMerge;

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
