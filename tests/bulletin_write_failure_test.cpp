// The bulletin board on a share that fails its writes: a full disk, a
// keiji.dat that cannot be replaced, a share held open by another program.
// keiji.dat stays as it was, nothing is left beside it, the dialog's list
// keeps what the file holds, and the member is told.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "common/platform_file_faults.h"
#include "messaging/bulletin_board.h"
#include "messaging/bulletin_file.h"
#include "messaging/bulletin_lock.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

namespace wabo {
namespace {

using namespace testing;
using Posts = BulletinPosts;

BulletinPost post(const std::string& subject) { return BulletinPost{subject, subject + " text", "writer", "2026/12/01 09:00"}; }

TEST(BulletinWriteFailure, AFullDiskOrAFileThatCannotBeReplacedKeepsKeijiDatAndTellsTheMember) {
  TempFolder folder;
  const std::string path = folder.file("keiji.dat");
  const std::string before = bulletinFileBytes({post("b"), post("a")});
  const auto full = [] {
    platform::FileFaults f;
    f.writableBytes = 10;  // the disk fills up ten bytes into the new file
    return f;
  }();
  const auto readOnly = [&] {
    platform::FileFaults f;
    f.readOnlyFile = path;
    return f;
  }();
  for (const platform::FileFaults& faults : {full, readOnly}) {
    SCOPED_TRACE(faults.readOnlyFile.empty() ? "full disk" : "read-only keiji.dat");
    writeFile(path, before);
    BulletinBoard board(path);
    board.load();
    RecordingUi ui;
    platform::setFileFaultsForTests(faults);
    board.writeNewPost("new", "本文", "総務", ui);
    EXPECT_TRUE(board.deletePost(1, [](const std::string&) { return true; }, ui)) << "answered Yes";
    platform::setFileFaultsForTests({});
    EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveFolderMissing, msg::kSaveFolderMissing}));
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"keiji.dat"}) << "no .new, no keiji.lck";
    EXPECT_EQ(board.posts(), (Posts{post("b"), post("a")})) << "the list keeps what the file holds";
    EXPECT_FALSE(board.waiting());
    // Room again: the same changes go through.
    board.writeNewPost("new", "本文", "総務", ui);
    EXPECT_TRUE(board.deletePost(2, [](const std::string&) { return true; }, ui));
    EXPECT_EQ(ui.warnings.size(), 2u);
    const Posts now = parseBulletinBoard(readFile(path));
    ASSERT_EQ(now.size(), 2u);
    EXPECT_EQ(now[0].subject + now[1].subject, "newb");
  }
}

}  // namespace
}  // namespace wabo
