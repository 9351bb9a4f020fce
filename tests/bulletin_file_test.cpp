// keiji.dat: the layout byte for byte, and what the reader makes of counts,
// records and fields it cannot trust. That any bytes read stay within the
// fields and read back the same is the fuzz target's work.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "messaging/bulletin_file.h"
#include "tests/test_support.h"

namespace wabo {
namespace {

BulletinPost post(std::string subject, std::string info, std::string writer, std::string at) {
  return BulletinPost{std::move(subject), std::move(info), std::move(writer), std::move(at)};
}

const BulletinPost kA = post("A", "a", "x", "t1"), kB = post("B", "b", "y", "t2");
const std::string kRecA = "A\x01" "a\x01" "x\x01" "t1\r\n", kRecB = "B\x01" "b\x01" "y\x01" "t2\r\n";

TEST(BulletinLayout, RecordsNewestFirstWithCountAndWithoutSeparatorsInsideFields) {
  EXPECT_EQ(bulletinFileBytes({post("Q 会議", "line 1\r\nline 2", "ソ連", "2026/12/02 10:30"), kA}),
            "2,Q 会議\x01line 1\r\nline 2\x01ソ連\x01" "2026/12/02 10:30\r\n" + kRecA);
  EXPECT_EQ(bulletinFileBytes({}), "0,");
  EXPECT_EQ(bulletinFileBytes({post("a\x01" "b", "c\x01", "\x01", "2026/12/03\r\n 08:00")}),
            "1,ab\x01" "c\x01\x01" "2026/12/03 08:00\r\n");
}

TEST(BulletinReader, CountsThatLieOrAreMissingGiveTheRecordsThatAreThere) {
  const struct { std::string head; std::size_t posts; } cases[] = {
      {"9,", 2}, {"1,", 1}, {"0,", 0}, {"-1,", 2}, {"99999999999999999999999,", 2}, {"", 2}, {"+1,", 1}};
  for (const auto& c : cases) {
    BulletinPosts expected = {kA, kB};
    expected.resize(c.posts);
    EXPECT_EQ(parseBulletinBoard(c.head + kRecA + kRecB), expected) << c.head;
  }
  // A head that is not a count belongs to the first subject.
  EXPECT_EQ(parseBulletinBoard("12\x01i\x01w\x01t\r\n"), BulletinPosts{post("12", "i", "w", "t")});
  EXPECT_EQ(parseBulletinBoard("x,y\x01i\x01w\x01t\r\n"), BulletinPosts{post("x,y", "i", "w", "t")});
}

TEST(BulletinReader, FileThatEndsInsideARecordHasDamagedLineEndsOrLongFields) {
  // The subject is there: the post counts with what follows it.
  EXPECT_EQ(parseBulletinBoard("3," + kRecA + "B\x01" "half of the te"),
            (BulletinPosts{kA, post("B", "half of the te", "", "")}));
  EXPECT_EQ(parseBulletinBoard("5," + kRecA + "no separator"), BulletinPosts{kA});
  // A lone CR or LF does not swallow the next post.
  for (const std::string end : {"\n", "\r"})
    EXPECT_EQ(parseBulletinBoard("2,A\x01" "a\x01" "x\x01" "t1" + end + kRecB), (BulletinPosts{kA, kB})) << int(end[0]);
  // Long fields are cut and the rest skipped, not taken for the next field.
  EXPECT_EQ(parseBulletinBoard("2," + std::string(100, 's') + "\x01" + std::string(700, 'i') + "\x01" +
                               std::string(61, 'w') + "\x01" + std::string(45, '9') + "\r\n" + kRecB),
            (BulletinPosts{post(std::string(59, 's'), std::string(511, 'i'), std::string(59, 'w'), std::string(29, '9')),
                           kB}));
  // A NUL ends the text as it would end the program's buffer.
  const char withNul[] = "1,ab\0cd\x01i\x01w\x01t\r\n";
  EXPECT_EQ(parseBulletinBoard(std::string(withNul, sizeof withNul - 1)), BulletinPosts{post("ab", "i", "w", "t")});
}

TEST(BulletinFile, AMissingFileChangesNothingAndAFailedSaveKeepsThePreviousBoard) {
  testing::TempFolder folder;
  const std::string path = folder.file("keiji.dat");
  BulletinPosts posts = {kA};
  EXPECT_EQ(readBulletinFile(path, posts), BulletinRead::kMissing);
  EXPECT_EQ(posts, BulletinPosts{kA});
  ASSERT_EQ(saveBulletinBoard(path, {kB, kA}), 0);
  std::filesystem::create_directory(path + ".new");  // the file beside cannot be made
  EXPECT_EQ(saveBulletinBoard(path, {kA}), 1);
  EXPECT_EQ(testing::readFile(path), bulletinFileBytes({kB, kA}));
  EXPECT_EQ(saveBulletinBoard(folder.file("gone/keiji.dat"), {kB}), 1);
  EXPECT_FALSE(testing::exists(folder.file("gone")));
}

}  // namespace
}  // namespace wabo
