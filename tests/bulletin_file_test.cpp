// keiji.dat: the layout byte for byte, and a reader that takes nothing in
// the file on trust.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "messaging/bulletin_file.h"
#include "tests/test_support.h"

namespace wabo {
namespace {

using testing::readFile;
using testing::writeFile;

BulletinPost post(std::string subject, std::string info, std::string writer, std::string at) {
  return BulletinPost{std::move(subject), std::move(info), std::move(writer), std::move(at)};
}

const BulletinPost kOlder = post("P", "older text", "佐藤", "2026/12/01 09:00");
const BulletinPost kNewer = post("Q 会議", "newer text", "ソ連", "2026/12/02 10:30");
const BulletinPost kA = post("A", "a", "x", "t1"), kB = post("B", "b", "y", "t2");
const std::string kRecA = "A\x01" "a\x01" "x\x01" "t1\r\n", kRecB = "B\x01" "b\x01" "y\x01" "t2\r\n", kTwo = kRecA + kRecB;

TEST(BulletinLayout, RecordsNewestFirstWithCountAndSeparatorsReadBackAsTheyWere) {
  EXPECT_EQ(bulletinFileBytes({kNewer, post("P", "t", "", "2026/12/01 09:00")}),
            "2,Q 会議\x01newer text\x01ソ連\x01" "2026/12/02 10:30\r\n"
            "P\x01t\x01\x01" "2026/12/01 09:00\r\n");
  EXPECT_EQ(bulletinFileBytes({}), "0,");
  // Separators inside fields and line breaks inside the time are left out.
  EXPECT_EQ(bulletinFileBytes({post("a\x01" "b", "c\x01", "\x01", "2026/12/03\r\n 08:00")}),
            "1,ab\x01" "c\x01\x01" "2026/12/03 08:00\r\n");
  const BulletinPosts posts = {kNewer, post("S", "line 1\r\nline 2\r\n", "", "2026/12/03 08:00"), kOlder,
                               post("", "", "", "")};
  EXPECT_EQ(parseBulletinBoard(bulletinFileBytes(posts)), posts);
  EXPECT_TRUE(parseBulletinBoard("0,").empty());
  EXPECT_TRUE(parseBulletinBoard("").empty());
  // Found by fuzzing: a stray separator in the time (which runs to the line
  // end) stayed in it, and the file no longer read back as it was written.
  const BulletinPosts stray = parseBulletinBoard("9,A\x01" "a\x01" "x\x01" "t\x01" " B\x01" "half");
  ASSERT_EQ(stray.size(), 1u);
  EXPECT_EQ(stray[0].writtenAt, "t Bhalf");
  EXPECT_EQ(parseBulletinBoard(bulletinFileBytes(stray)), stray);
}

TEST(BulletinReader, CountsThatLieOrAreMissing) {
  const struct { std::string head; std::size_t posts; } cases[] = {
      {"2,", 2}, {"9,", 2}, {"1,", 1}, {"0,", 0}, {"-1,", 2}, {"99999999999999999999999,", 2},
      {",", 2},  {"", 2},   {" 2,", 2}, {"+1,", 1}};
  for (const auto& c : cases) {
    BulletinPosts expected = {kA, kB};
    expected.resize(c.posts);
    EXPECT_EQ(parseBulletinBoard(c.head + kTwo), expected) << c.head;
  }
  // A head that is not a count belongs to the first subject.
  EXPECT_EQ(parseBulletinBoard("12\x01i\x01w\x01t\r\n"), BulletinPosts{post("12", "i", "w", "t")});
  EXPECT_EQ(parseBulletinBoard("x,y\x01i\x01w\x01t\r\n")[0].subject, "x,y");
  // A huge count reserves nothing; empty fields stay empty.
  EXPECT_EQ(parseBulletinBoard("2147483647,\x01\x01\x01\r\n"), BulletinPosts{post("", "", "", "")});
}

TEST(BulletinReader, FileThatEndsInsideARecordHasDamagedLineEndsOrLongFields) {
  // The subject is there: the post counts with what follows it.
  EXPECT_EQ(parseBulletinBoard("3," + kRecA + "B\x01" "half of the te"),
            (BulletinPosts{kA, post("B", "half of the te", "", "")}));
  EXPECT_EQ(parseBulletinBoard("1,A\x01" "a\x01" "x\x01" "t1"), BulletinPosts{kA});
  EXPECT_EQ(parseBulletinBoard("5," + kRecA + "no separator"), BulletinPosts{kA});
  // A lone CR or LF does not swallow the next post.
  for (const std::string end : {"\n", "\r"})
    EXPECT_EQ(parseBulletinBoard("2,A\x01" "a\x01" "x\x01" "t1" + end + kRecB), (BulletinPosts{kA, kB})) << int(end[0]);
  // Long fields are cut and the rest skipped.
  EXPECT_EQ(parseBulletinBoard("2," + std::string(100, 's') + "\x01" + std::string(700, 'i') + "\x01" +
                               std::string(61, 'w') + "\x01" + std::string(45, '9') + "\r\n" + kRecB),
            (BulletinPosts{post(std::string(59, 's'), std::string(511, 'i'), std::string(59, 'w'), std::string(29, '9')),
                           kB}));
  // 58 bytes and 表 (95 5C) would end at byte 60: the character is left out whole.
  EXPECT_EQ(parseBulletinBoard("1," + std::string(58, 'a') + "表\x01i\x01w\x01t\r\n")[0].subject, std::string(58, 'a'));
  // A NUL ends the text as it would end the program's buffer.
  const char withNul[] = "1,ab\0cd\x01i\x01w\x01t\r\n";
  EXPECT_EQ(parseBulletinBoard(std::string(withNul, sizeof withNul - 1)), BulletinPosts{post("ab", "i", "w", "t")});
}

TEST(BulletinFile, ReadSaveAndMissingFile) {
  testing::TempFolder folder;
  const std::string path = folder.file("keiji.dat");
  BulletinPosts posts = {kOlder};
  EXPECT_EQ(readBulletinFile(path, posts), BulletinRead::kMissing);
  loadBulletinBoard(path, posts);
  EXPECT_EQ(posts, BulletinPosts{kOlder});  // nothing opened, nothing changed
  ASSERT_EQ(saveBulletinBoard(path, {kNewer, kOlder}), 0);
  posts.clear();
  EXPECT_EQ(readBulletinFile(path, posts), BulletinRead::kRead);
  EXPECT_EQ(posts, (BulletinPosts{kNewer, kOlder}));
  EXPECT_EQ(bulletinFilePath("\\\\srv\\mail"), "\\\\srv\\mail\\keiji.dat");
  // The file beside cannot be made: the previous board stays whole.
  std::filesystem::create_directory(path + ".new");
  EXPECT_EQ(saveBulletinBoard(path, {kOlder}), 1);
  EXPECT_EQ(readFile(path), bulletinFileBytes({kNewer, kOlder}));
  EXPECT_EQ(saveBulletinBoard(folder.file("gone/keiji.dat"), {kNewer}), 1);
  EXPECT_FALSE(testing::exists(folder.file("gone")));
}

}  // namespace
}  // namespace wabo
