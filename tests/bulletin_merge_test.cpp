// Changes of the bulletin board merged into the file as it is now, one copy at a time under keiji.lck.
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
  void age(const std::string& file, long seconds) const {
    struct utimbuf times;
    times.actime = times.modtime = std::time(nullptr) - seconds;
    ASSERT_EQ(utime(file.c_str(), &times), 0);
  }
};

TEST_F(BulletinMerge, PostsFromTwoDialogsOpenedOnTheSameFileBothSurvive) {
  Posts shownA, shownB;  // both opened before the file exists
  loadBulletinBoard(path, shownA);
  loadBulletinBoard(path, shownB);
  EXPECT_EQ(addBulletinPost(path, post("from A"), shownA), BulletinChange::kWritten);
  EXPECT_EQ(addBulletinPost(path, post("from B"), shownB), BulletinChange::kWritten);
  EXPECT_EQ(fileposts(), (Posts{post("from B"), post("from A")}));
  EXPECT_EQ(shownB, fileposts());  // B's list now shows A's post too
  EXPECT_FALSE(exists(lock) || exists(path + ".new"));
}

TEST_F(BulletinMerge, DeletionRemovesOnlyItsPostOrNothingWhenItIsGone) {
  // Alike but for the time, and equal twice: only the first equal one goes.
  writeFile(path, bulletinFileBytes({post("a", "2026/12/02 10:00"), post("a"), post("b"), post("a")}));
  Posts shown, other;
  loadBulletinBoard(path, shown);
  ASSERT_EQ(addBulletinPost(path, post("new"), other), BulletinChange::kWritten);  // meanwhile, on top
  EXPECT_EQ(removeBulletinPost(path, post("a"), shown), BulletinChange::kWritten);
  EXPECT_EQ(fileposts(), (Posts{post("new"), post("a", "2026/12/02 10:00"), post("b"), post("a")}));
  EXPECT_EQ(shown, fileposts());
  // Deleted by another member already: the file stays, the list catches up.
  const std::string bytes = bulletinFileBytes({post("b"), post("c")});
  writeFile(path, bytes);
  EXPECT_EQ(removeBulletinPost(path, post("a"), shown), BulletinChange::kGone);
  EXPECT_EQ(readFile(path), bytes);
  EXPECT_EQ(shown, (Posts{post("b"), post("c")}));
  EXPECT_FALSE(exists(lock));
}

TEST_F(BulletinMerge, LockOfAnotherCopyIsWaitedForUnlessOlderThanAMinute) {
  const std::string bytes = bulletinFileBytes({post("b")});
  writeFile(path, bytes);
  writeFile(lock, "another copy");
  Posts shown = {post("b")};
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, kQuick), BulletinChange::kFailed);
  EXPECT_EQ(removeBulletinPost(path, post("b"), shown, kQuick), BulletinChange::kFailed);
  EXPECT_EQ(readFile(path), bytes);
  EXPECT_EQ(shown, Posts{post("b")});
  EXPECT_EQ(readFile(lock), "another copy");  // somebody else's lock stays
  EXPECT_EQ(addBulletinPost(folder.file("no folder/keiji.dat"), post("a"), shown), BulletinChange::kFailed);
  EXPECT_FALSE(exists(folder.file("no folder")));
  age(lock, 50);  // well under the minute: a loaded sanitizer build may take seconds
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, kQuick), BulletinChange::kFailed);
  age(lock, 61);  // left by a copy that died: taken over
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

TEST_F(BulletinBoardDialog, NewPostTakesTheTypedTextsAndTheTimeButNeedsASubjectAndTheFolder) {
  setClockForTests(localTime(2026, 12, 7, 9, 5, 30));
  BulletinBoard board(path);
  board.writeNewPost("", "text", "writer", ui);
  board.writeNewPost("\r\nafter a line break", "text", "writer", ui);
  EXPECT_FALSE(exists(path));
  BulletinBoard nowhere(folder.file("gone/keiji.dat"));
  nowhere.writeNewPost("subject", "text", "", ui);
  EXPECT_TRUE(nowhere.posts().empty());  // the post is not in the list
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kPostSubjectMissing, msg::kPostSubjectMissing,
                                                   msg::kSaveFolderMissing}));
  ui.warnings.clear();
  writeFile(path, bulletinFileBytes({post("old")}));
  board.load();
  // The subject keeps one line; separators a paste brought are dropped;
  // every text is cut to what its field takes.
  board.writeNewPost(std::string(70, 's') + "\r\nsecond", "line 1\r\nline\x01 2", "佐藤\x01", ui);
  const BulletinPost written{std::string(58, 's'), "line 1\r\nline 2", "佐藤", "2026/12/07 09:05"};
  EXPECT_EQ(board.posts(), (Posts{written, post("old")}));
  EXPECT_EQ(fileposts(), board.posts());
  board.writeNewPost("x", std::string(600, 'i'), std::string(80, 'w'), ui);
  EXPECT_EQ(board.posts()[0].info, std::string(510, 'i'));
  EXPECT_EQ(board.posts()[0].writer, std::string(58, 'w'));
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(BulletinBoardDialog, DeleteAsksFirstAndKeepsTheRowWhenNotWritten) {
  writeFile(path, bulletinFileBytes({post("表"), post("b")}));
  BulletinBoard board(path);
  board.load();
  std::vector<std::string> asked;
  auto answer = [&](bool yes) { return [&asked, yes](const std::string& q) { return asked.push_back(q), yes; }; };
  EXPECT_FALSE(board.deletePost(0, answer(false), ui));
  EXPECT_EQ(asked, std::vector<std::string>{"[ 表 ] を削除しますか？"});
  EXPECT_EQ(fileposts().size(), 2u);
  EXPECT_EQ(board.posts().size(), 2u);
  EXPECT_TRUE(board.deletePost(0, answer(true), ui));
  EXPECT_EQ(fileposts(), Posts{post("b")});
  EXPECT_EQ(board.posts(), Posts{post("b")});
  EXPECT_FALSE(board.deletePost(5, answer(true), ui));  // no such row: nothing asked
  EXPECT_EQ(asked.size(), 2u);
  std::filesystem::remove_all(folder.path());  // the mail folder went away: told, and the row stays
  board.deletePost(0, answer(true), ui);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kSaveFolderMissing});
  EXPECT_EQ(board.posts(), Posts{post("b")});
}

}  // namespace
}  // namespace wabo
