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
using testing::TempFolder;
using testing::writeFile;

BulletinPost post(std::string subject, std::string info, std::string writer, std::string at) {
  return BulletinPost{std::move(subject), std::move(info), std::move(writer), std::move(at)};
}

const BulletinPost kOlder = post("P", "older text", "佐藤", "2026/12/01 09:00");
const BulletinPost kNewer = post("Q 会議", "newer text", "ソ連", "2026/12/02 10:30");

TEST(BulletinLayout, RecordsNewestFirstWithCountAndSeparators) {
  // Q is newer, so it is on top of the list and first in the file.
  EXPECT_EQ(bulletinFileBytes({kNewer, kOlder}),
            "2,Q 会議\x01newer text\x01ソ連\x01" "2026/12/02 10:30\r\n"
            "P\x01older text\x01佐藤\x01" "2026/12/01 09:00\r\n");
  // Two lines of text keep their CR LF; the record still ends with its own.
  EXPECT_EQ(bulletinFileBytes({post("S", "line 1\r\nline 2", "w", "2026/12/03 08:00")}),
            "1,S\x01line 1\r\nline 2\x01w\x01" "2026/12/03 08:00\r\n");
  // No writer: two separators in a row after the text.
  EXPECT_EQ(bulletinFileBytes({post("S", "t", "", "2026/12/03 08:00")}), "1,S\x01t\x01\x01" "2026/12/03 08:00\r\n");
  // The only post deleted.
  EXPECT_EQ(bulletinFileBytes({}), "0,");
}

TEST(BulletinLayout, SeparatorsInsideFieldsAndBreaksInTheTimeAreLeftOut) {
  EXPECT_EQ(bulletinFileBytes({post("a\x01" "b", "c\x01", "\x01", "2026/12/03\r\n 08:00")}),
            "1,ab\x01" "c\x01\x01" "2026/12/03 08:00\r\n");
}

TEST(BulletinLayout, WrittenPostsReadBackAsTheyWere) {
  const BulletinPosts posts = {kNewer, post("S", "line 1\r\nline 2\r\n", "", "2026/12/03 08:00"), kOlder,
                               post("", "", "", "")};
  EXPECT_EQ(parseBulletinBoard(bulletinFileBytes(posts)), posts);
  EXPECT_TRUE(parseBulletinBoard("0,").empty());
  EXPECT_TRUE(parseBulletinBoard("").empty());
}

TEST(BulletinReader, SeparatorsInsideTheTimeAreLeftOutAsTheWriterLeavesThemOut) {
  // Found by fuzzing: the time runs to the line end, so a stray separator
  // stayed in it and the file no longer read back as it was written.
  const BulletinPosts posts = parseBulletinBoard("9,A\x01" "a\x01" "x\x01" "t\x01" " B\x01" "half");
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].writtenAt, "t Bhalf");
  EXPECT_EQ(parseBulletinBoard(bulletinFileBytes(posts)), posts);
}

TEST(BulletinReader, CountsThatLieOrAreMissing) {
  const std::string two = "A\x01" "a\x01" "x\x01" "t1\r\nB\x01" "b\x01" "y\x01" "t2\r\n";
  struct Case {
    std::string head;
    std::size_t posts;
  } cases[] = {
      {"2,", 2}, {"9,", 2},           // larger than the records: stops at the end of the file
      {"1,", 1}, {"0,", 0},           // smaller: the reading stops there
      {"-1,", 2}, {"-2147483648,", 2},  // negative
      {"99999999999999999999999,", 2}, {"2147483648,", 2},  // beyond any int
      {",", 2}, {"", 2},              // missing
      {" 2,", 2}, {"+2,", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.head);
    BulletinPosts posts = parseBulletinBoard(c.head + two);
    ASSERT_EQ(posts.size(), c.posts);
    if (c.posts > 0) {
      EXPECT_EQ(posts[0], post("A", "a", "x", "t1"));
    }
    if (c.posts > 1) {
      EXPECT_EQ(posts[1], post("B", "b", "y", "t2"));
    }
  }
  // A head that is not a count belongs to the first subject.
  ASSERT_EQ(parseBulletinBoard("12\x01i\x01w\x01t\r\n").size(), 1u);
  EXPECT_EQ(parseBulletinBoard("12\x01i\x01w\x01t\r\n")[0].subject, "12");
  EXPECT_EQ(parseBulletinBoard("x,y\x01i\x01w\x01t\r\n")[0].subject, "x,y");
}

TEST(BulletinReader, FileThatEndsInsideARecord) {
  // The subject is there: the post counts with what follows it.
  BulletinPosts posts = parseBulletinBoard("3,A\x01" "a\x01" "x\x01" "t1\r\nB\x01" "half of the te");
  ASSERT_EQ(posts.size(), 2u);
  EXPECT_EQ(posts[1], post("B", "half of the te", "", ""));
  // No line end after the last time.
  posts = parseBulletinBoard("1,A\x01" "a\x01" "x\x01" "t1");
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].writtenAt, "t1");
  // Bytes without a separator are not a post.
  EXPECT_EQ(parseBulletinBoard("5,A\x01" "a\x01" "x\x01" "t1\r\nno separator").size(), 1u);
}

TEST(BulletinReader, DamagedLineEndsDoNotSwallowTheNextPost) {
  for (const std::string end : {"\n", "\r", "\r\n"}) {
    SCOPED_TRACE(::testing::PrintToString(end));
    BulletinPosts posts = parseBulletinBoard("2,A\x01" "a\x01" "x\x01" "t1" + end + "B\x01" "b\x01" "y\x01" "t2" + end);
    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(posts[0], post("A", "a", "x", "t1"));
    EXPECT_EQ(posts[1], post("B", "b", "y", "t2"));
  }
}

TEST(BulletinReader, LongFieldsAreCutAndTheRestSkipped) {
  const std::string longSubject(100, 's');
  const std::string longInfo(700, 'i');
  const std::string longWriter(61, 'w');
  const std::string longTime(45, '9');
  BulletinPosts posts = parseBulletinBoard("2," + longSubject + "\x01" + longInfo + "\x01" + longWriter + "\x01" +
                                           longTime + "\r\nB\x01" "b\x01" "y\x01" "t2\r\n");
  ASSERT_EQ(posts.size(), 2u);
  EXPECT_EQ(posts[0], post(std::string(59, 's'), std::string(511, 'i'), std::string(59, 'w'), std::string(29, '9')));
  EXPECT_EQ(posts[1], post("B", "b", "y", "t2"));

  // A double-byte character across the limit is left out whole: 58 bytes
  // of "a", then 表 (95 5C) would end at byte 60.
  posts = parseBulletinBoard("1," + std::string(58, 'a') + "表\x01i\x01w\x01t\r\n");
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].subject, std::string(58, 'a'));
  // A NUL ends the text as it would end the program's buffer.
  const char withNul[] = "1,ab\0cd\x01i\x01w\x01t\r\n";
  posts = parseBulletinBoard(std::string(withNul, sizeof withNul - 1));
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].subject, "ab");
  EXPECT_EQ(posts[0].info, "i");
}

TEST(BulletinReader, HugeCountAllocatesNothingAndEmptyFieldsStayEmpty) {
  BulletinPosts posts = parseBulletinBoard("2147483647,\x01\x01\x01\r\n");
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0], post("", "", "", ""));
}

TEST(BulletinFile, ReadSaveAndMissingFile) {
  TempFolder folder;
  const std::string path = folder.file("keiji.dat");
  BulletinPosts posts = {kOlder};
  EXPECT_EQ(readBulletinFile(path, posts), BulletinRead::kMissing);
  loadBulletinBoard(path, posts);
  EXPECT_EQ(posts, BulletinPosts{kOlder});  // nothing opened, nothing changed

  ASSERT_EQ(saveBulletinBoard(path, {kNewer, kOlder}), 0);
  EXPECT_EQ(readFile(path), bulletinFileBytes({kNewer, kOlder}));
  EXPECT_FALSE(testing::exists(path + ".new"));
  posts.clear();
  EXPECT_EQ(readBulletinFile(path, posts), BulletinRead::kRead);
  EXPECT_EQ(posts, (BulletinPosts{kNewer, kOlder}));

  ASSERT_EQ(saveBulletinBoard(path, {}), 0);
  EXPECT_EQ(readFile(path), "0,");
  EXPECT_EQ(bulletinFilePath("\\\\srv\\mail"), "\\\\srv\\mail\\keiji.dat");
}

TEST(BulletinFile, FailedWriteLeavesThePreviousFile) {
  TempFolder folder;
  const std::string path = folder.file("keiji.dat");
  writeFile(path, bulletinFileBytes({kOlder}));
  // The file beside cannot be made: the previous board stays whole.
  std::filesystem::create_directory(path + ".new");
  EXPECT_EQ(saveBulletinBoard(path, {kNewer, kOlder}), 1);
  EXPECT_EQ(readFile(path), bulletinFileBytes({kOlder}));
  // No mail folder at all.
  EXPECT_EQ(saveBulletinBoard(folder.file("gone/keiji.dat"), {kNewer}), 1);
  EXPECT_FALSE(testing::exists(folder.file("gone")));
}

}  // namespace
}  // namespace wabo
