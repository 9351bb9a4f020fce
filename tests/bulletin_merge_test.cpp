// Changes of the bulletin board merged into the file as it is now, one copy
// at a time under keiji.lck.
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

using testing::readFile;
using testing::RecordingUi;
using testing::TempFolder;
using testing::writeFile;

BulletinPost post(std::string subject, std::string at = "2026/12/01 09:00") {
  return BulletinPost{subject, subject + " text", "writer", std::move(at)};
}

// A short wait, so that a test of a held lock stays quick.
const BulletinLockTiming kQuick{100, 60};

class BulletinMerge : public ::testing::Test {
 protected:
  TempFolder folder;
  std::string path = folder.file("keiji.dat");
  std::string lock = bulletinLockPath(path);

  BulletinPosts fileposts() const { return parseBulletinBoard(readFile(path)); }
  void age(const std::string& file, long seconds) const {
    struct utimbuf times;
    times.actime = times.modtime = std::time(nullptr) - seconds;
    ASSERT_EQ(utime(file.c_str(), &times), 0);
  }
};

TEST_F(BulletinMerge, PostsFromTwoDialogsOpenedOnTheSameFileBothSurvive) {
  writeFile(path, bulletinFileBytes({post("old")}));
  BulletinPosts shownA, shownB;
  loadBulletinBoard(path, shownA);
  loadBulletinBoard(path, shownB);

  EXPECT_EQ(addBulletinPost(path, post("from A"), shownA), BulletinChange::kWritten);
  EXPECT_EQ(addBulletinPost(path, post("from B"), shownB), BulletinChange::kWritten);

  const BulletinPosts expected = {post("from B"), post("from A"), post("old")};
  EXPECT_EQ(fileposts(), expected);
  EXPECT_EQ(shownB, expected);  // B's list now shows A's post too
  EXPECT_EQ(shownA, (BulletinPosts{post("from A"), post("old")}));
  EXPECT_FALSE(testing::exists(lock));
  EXPECT_FALSE(testing::exists(path + ".new"));
}

TEST_F(BulletinMerge, FirstPostCreatesTheFile) {
  BulletinPosts shown;
  EXPECT_EQ(addBulletinPost(path, post("first"), shown), BulletinChange::kWritten);
  EXPECT_EQ(readFile(path), bulletinFileBytes({post("first")}));
}

TEST_F(BulletinMerge, DeletionRemovesOnlyItsPost) {
  // Two posts alike but for their time, and one equal to the deleted one
  // twice: only the first equal one goes.
  writeFile(path, bulletinFileBytes({post("a", "2026/12/02 10:00"), post("a"), post("b"), post("a")}));
  BulletinPosts shown;
  loadBulletinBoard(path, shown);
  // Meanwhile another member adds a post on top.
  BulletinPosts other;
  ASSERT_EQ(addBulletinPost(path, post("new"), other), BulletinChange::kWritten);

  EXPECT_EQ(removeBulletinPost(path, post("a"), shown), BulletinChange::kWritten);
  const BulletinPosts expected = {post("new"), post("a", "2026/12/02 10:00"), post("b"), post("a")};
  EXPECT_EQ(fileposts(), expected);
  EXPECT_EQ(shown, expected);

  // The last post deleted.
  writeFile(path, bulletinFileBytes({post("only")}));
  EXPECT_EQ(removeBulletinPost(path, post("only"), shown), BulletinChange::kWritten);
  EXPECT_EQ(readFile(path), "0,");
  EXPECT_TRUE(shown.empty());
}

TEST_F(BulletinMerge, PostDeletedByAnotherMemberAlreadyTouchesNothing) {
  const std::string bytes = bulletinFileBytes({post("b"), post("c")});
  writeFile(path, bytes);
  BulletinPosts shown = {post("a"), post("b")};
  EXPECT_EQ(removeBulletinPost(path, post("a"), shown), BulletinChange::kGone);
  EXPECT_EQ(readFile(path), bytes);
  EXPECT_EQ(shown, (BulletinPosts{post("b"), post("c")}));
  EXPECT_FALSE(testing::exists(lock));
}

TEST_F(BulletinMerge, LockHeldByAnotherCopyOrNoFolder) {
  const std::string bytes = bulletinFileBytes({post("b")});
  writeFile(path, bytes);
  writeFile(lock, "another copy");
  BulletinPosts shown = {post("b")};
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, kQuick), BulletinChange::kFailed);
  EXPECT_EQ(removeBulletinPost(path, post("b"), shown, kQuick), BulletinChange::kFailed);
  EXPECT_EQ(readFile(path), bytes);
  EXPECT_EQ(shown, BulletinPosts{post("b")});
  EXPECT_EQ(readFile(lock), "another copy");  // somebody else's lock stays

  const std::string nowhere = folder.file("no folder/keiji.dat");
  EXPECT_EQ(addBulletinPost(nowhere, post("a"), shown), BulletinChange::kFailed);
  EXPECT_FALSE(testing::exists(folder.file("no folder")));
}

TEST_F(BulletinMerge, LockOlderThanAMinuteIsTakenOver) {
  writeFile(lock, "died");
  // Well under the minute: a busy machine (the sanitizer build under load)
  // may take more than a second between this and the look at the lock.
  age(lock, 50);
  BulletinPosts shown;
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, kQuick), BulletinChange::kFailed);
  age(lock, 61);
  EXPECT_EQ(addBulletinPost(path, post("a"), shown, kQuick), BulletinChange::kWritten);
  EXPECT_EQ(fileposts(), BulletinPosts{post("a")});
  EXPECT_FALSE(testing::exists(lock));
  // Nothing is left of the lock that was moved aside.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(BulletinMerge, CopiesWritingAtOnceTakeTurns) {
  constexpr int kEach = 15;
  auto writer = [&](const std::string& who) {
    BulletinPosts shown;
    for (int i = 0; i < kEach; ++i) {
      BulletinLockTiming patient{5000, 60};
      EXPECT_EQ(addBulletinPost(path, post(who + std::to_string(i)), shown, patient), BulletinChange::kWritten);
    }
  };
  std::thread a(writer, "A"), b(writer, "B"), c(writer, "C");
  a.join(), b.join(), c.join();
  BulletinPosts posts = fileposts();
  ASSERT_EQ(posts.size(), 3u * kEach);
  for (const char* who : {"A", "B", "C"}) {
    for (int i = 0; i < kEach; ++i) {
      EXPECT_NE(std::find(posts.begin(), posts.end(), post(who + std::to_string(i))), posts.end()) << who << i;
    }
  }
}

class BulletinBoardDialog : public BulletinMerge {
 protected:
  RecordingUi ui;
  void TearDown() override { setClockForTests(-1); }
};

TEST_F(BulletinBoardDialog, NewPostTakesTheTypedTextsAndTheTime) {
  setClockForTests(testing::localTime(2026, 12, 7, 9, 5, 30));
  writeFile(path, bulletinFileBytes({post("old")}));
  BulletinBoard board(path);
  board.load();
  // The subject box keeps one line; separators a paste brought are dropped;
  // every text is cut to what its field takes.
  board.writeNewPost(std::string(70, 's') + "\r\nsecond", "line 1\r\nline\x01 2", "佐藤\x01", ui);
  EXPECT_TRUE(ui.warnings.empty());
  const BulletinPost written{std::string(58, 's'), "line 1\r\nline 2", "佐藤", "2026/12/07 09:05"};
  EXPECT_EQ(board.posts(), (BulletinPosts{written, post("old")}));
  EXPECT_EQ(fileposts(), board.posts());

  board.writeNewPost("x", std::string(600, 'i'), std::string(80, 'w'), ui);
  EXPECT_EQ(board.posts()[0].info, std::string(510, 'i'));
  EXPECT_EQ(board.posts()[0].writer, std::string(58, 'w'));
}

TEST_F(BulletinBoardDialog, EmptySubjectOrMissingFolderIsRefused) {
  BulletinBoard board(path);
  board.load();
  board.writeNewPost("", "text", "writer", ui);
  board.writeNewPost("\r\nafter a line break", "text", "writer", ui);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kPostSubjectMissing, msg::kPostSubjectMissing}));
  EXPECT_EQ(std::string(msg::kPostSubjectMissing), "[\x8c\x8f\x96\xbc] \x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x49 ");
  EXPECT_FALSE(testing::exists(path));

  BulletinBoard nowhere(folder.file("gone/keiji.dat"));
  nowhere.writeNewPost("subject", "text", "", ui);
  ASSERT_EQ(ui.warnings.size(), 3u);
  EXPECT_EQ(ui.warnings[2], msg::kSaveFolderMissing);
  EXPECT_TRUE(nowhere.posts().empty());  // the post is not in the list
}

TEST_F(BulletinBoardDialog, DeleteAsksFirstAndKeepsTheRowWhenNotWritten) {
  writeFile(path, bulletinFileBytes({post("表"), post("b")}));
  BulletinBoard board(path);
  board.load();
  std::vector<std::string> asked;
  auto answer = [&](bool yes) {
    return [&asked, yes](const std::string& question) {
      asked.push_back(question);
      return yes;
    };
  };
  EXPECT_FALSE(board.deletePost(0, answer(false), ui));
  EXPECT_EQ(asked, std::vector<std::string>{"[ 表 ] を削除しますか？"});
  EXPECT_EQ(board.posts().size(), 2u);
  EXPECT_EQ(fileposts().size(), 2u);

  EXPECT_TRUE(board.deletePost(0, answer(true), ui));
  EXPECT_EQ(board.posts(), BulletinPosts{post("b")});
  EXPECT_EQ(fileposts(), BulletinPosts{post("b")});

  EXPECT_FALSE(board.deletePost(5, answer(true), ui));  // no such row: nothing asked
  EXPECT_EQ(asked.size(), 2u);

  // The mail folder went away: told, and the row stays in the list.
  std::filesystem::remove_all(folder.path());
  board.deletePost(0, answer(true), ui);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kSaveFolderMissing});
  EXPECT_EQ(board.posts(), BulletinPosts{post("b")});
}

}  // namespace
}  // namespace wabo
