// The mail file: its name, its bytes as other copies write and read them,
// hostile and broken files, and the IDs that may become file names.
#include <gtest/gtest.h>

#include <string>

#include "messaging/mail_file.h"
#include "messaging/mail_pickup.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

TEST(MailFile, NameIsFolderIdSlotAndExtension) {
  EXPECT_EQ(mailFilePath("C:\\mail", "yamada", 3), "C:\\mail\\yamada3.ml");
  EXPECT_EQ(mailFilePath("C:\\", "ab", 1), "C:\\ab1.ml");
  EXPECT_EQ(mailFilePath("\\\\server\\share\\m", "ab1", 0), "\\\\server\\share\\m\\ab10.ml");
  EXPECT_EQ(mailFilePath("/tmp/m", "ABC", 0), "/tmp/m/ABC0.ml");
  // A folder whose last character has '\' as its second byte (表) is not
  // taken to end in a separator.
  EXPECT_EQ(mailFilePath("C:\\\x95\x5c", "a", 9), "C:\\\x95\x5c\\a9.ml");
}

TEST(MailFile, BytesFollowTheSharedLayout) {
  // Every text byte is written one higher: CR LF becomes 0x0E 0x0B, 0xFF becomes 0x00.
  std::string text = std::string("ab\r\n") + "\xff" + "表";
  std::string expected = std::string("tanaka\x01") + "bc\x0e\x0b" + std::string(1, '\0') + "\x96\x5d" +
                         "\x01" + "2003/05/01 09:30\x01\x01";
  EXPECT_EQ(mailFileBytes("tanaka", text, "2003/05/01 09:30"), expected);
  // The empty text.
  EXPECT_EQ(mailFileBytes("tanaka", "", "2003/05/01 09:30"), std::string("tanaka\x01\x01") + "2003/05/01 09:30\x01\x01");
}

TEST(MailFile, BytesKeepTheirLimits) {
  std::string long600(600, 'x');
  std::string bytes = mailFileBytes("id", long600, "t");
  EXPECT_EQ(bytes, "id\x01" + std::string(512, 'y') + "\x01t\x01\x01");
  // The text ends at a NUL byte; the sender's ID at 29 bytes and without 0x01.
  EXPECT_EQ(mailFileBytes(std::string(40, 's'), std::string("ab\0cd", 5), "t"),
            std::string(29, 's') + "\x01" + "bc\x01t\x01\x01");
  EXPECT_EQ(mailFileBytes("a\x01" "b", "", "t"), "ab\x01\x01t\x01\x01");
}

TEST(MailFile, ReadsWhatIsWrittenAndNoticesTheMissingEnd) {
  std::string text = std::string("行1\r\n") + "\xff" + "表示";
  std::string bytes = mailFileBytes("tanaka", text, "2003/05/01 09:30");
  ParsedMail parsed = parseMailBytes(bytes);
  EXPECT_TRUE(parsed.complete);
  EXPECT_EQ(parsed.mail.senderId, "tanaka");
  EXPECT_EQ(parsed.mail.body, text);
  EXPECT_EQ(parsed.mail.sentTime, "2003/05/01 09:30");
  // Cut anywhere before the last separator, the file is not complete, and
  // the reader takes what is there.
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    ParsedMail cut = parseMailBytes(std::string_view(bytes).substr(0, n));
    EXPECT_FALSE(cut.complete) << n;
  }
  ParsedMail half = parseMailBytes(bytes.substr(0, 9));
  EXPECT_EQ(half.mail.senderId, "tanaka");
  EXPECT_EQ(half.mail.body, "行");
  EXPECT_EQ(half.mail.sentTime, "");
  // Bytes after the fourth separator are not read.
  EXPECT_TRUE(parseMailBytes(bytes + "junk\x01more").complete);
}

TEST(MailFile, OverlongFieldsAreCutAndNeverSpillIntoTheNext) {
  std::string bytes = std::string(100, 'S') + "\x01" + std::string(700, 'b') + "\x01" + std::string(50, '9') + "\x01\x01";
  ParsedMail parsed = parseMailBytes(bytes);
  EXPECT_TRUE(parsed.complete);
  EXPECT_EQ(parsed.mail.senderId, std::string(29, 'S'));
  EXPECT_EQ(parsed.mail.body, std::string(512, 'a'));
  EXPECT_EQ(parsed.mail.sentTime, std::string(29, '9'));
  // A double-byte character across a limit is left out whole.
  std::string id = std::string(28, 'i') + "\x95\x5c";
  EXPECT_EQ(parseMailBytes(id + "\x01\x01t\x01\x01").mail.senderId, std::string(28, 'i'));
  // A field that ends in a lead byte without its second byte drops it.
  ParsedMail ragged = parseMailBytes("a\x95" "\x01" "b\x96" "\x01" "\xff\xfe\xf7");
  EXPECT_EQ(ragged.mail.senderId, "a");
  EXPECT_EQ(ragged.mail.body, "a");
  EXPECT_EQ(ragged.mail.sentTime, "\xff\xfe");
}

TEST(MailFile, ReadingStopsAtItsLimit) {
  TempFolder folder;
  std::string path = folder.file("big0.ml");
  writeFile(path, std::string(100000, 'x'));
  std::string bytes;
  ASSERT_TRUE(readMailFile(path, bytes, kMailFileReadLimit));
  EXPECT_EQ(bytes.size(), kMailFileReadLimit);
  EXPECT_FALSE(parseMailBytes(bytes).complete);
  EXPECT_FALSE(readMailFile(folder.file("none0.ml"), bytes, kMailFileReadLimit));
}

TEST(MailId, PlainIdsAreUsable) {
  for (const char* id : {"yamada", "ABC", "a.b", "表示", "ソフト", "ﾔﾏﾀﾞ", "a b", "CONSOLE", "LPT10x", "x-1_2"})
    EXPECT_TRUE(isUsableMailId(id)) << id;
}

TEST(MailId, IdsThatAreNoPlainFileNamePartAreRefused) {
  const char* refused[] = {"", "..", "a..b", "..\\x", "../x", "a\\b", "a/b", "C:x", "a*", "a?", "a\"", "a<", "a>",
                           "a|", "a.", "a ", "CON", "con", "Prn", "AUX", "NUL", "nul.txt", "COM1", "com9.ml", "LPT1",
                           "lpt5.x", "CON .x", "COM", "lpt", "tab\tid", "nl\nid", "del\x7f"};
  for (const char* id : refused) EXPECT_FALSE(isUsableMailId(id)) << id;
  // A lead byte without its second byte, or with one that is no trail byte.
  EXPECT_FALSE(isUsableMailId("a\x95"));
  EXPECT_FALSE(isUsableMailId("\x95\x20"));
  EXPECT_FALSE(isUsableMailId(std::string(300, 'a')));
}

TEST(MailExport, SixLinesWithTheSendersId) {
  TempFolder folder;
  std::string path = folder.file("mail.txt");
  writeFile(path, "old content that is longer than the new one, to see the truncation");
  ASSERT_TRUE(saveMailAsText(path, ReceivedMail{"tanaka", "abc", "2003/05/01 09:30"}));
  EXPECT_EQ(readFile(path), "[ﾒｰﾙ送信者ID]\r\ntanaka\r\n[ﾒｰﾙ内容]\r\nabc\r\n[ﾒｰﾙ送信時間]\r\n2003/05/01 09:30\r\n");
  EXPECT_EQ(readFile(path).substr(0, 14), "\x5b\xd2\xb0\xd9\x91\x97\x90\x4d\x8e\xd2\x49\x44\x5d\r");
  // The text's own line breaks stay as they are.
  ASSERT_TRUE(saveMailAsText(path, ReceivedMail{"t", "a\r\nb", "x"}));
  EXPECT_EQ(readFile(path), "[ﾒｰﾙ送信者ID]\r\nt\r\n[ﾒｰﾙ内容]\r\na\r\nb\r\n[ﾒｰﾙ送信時間]\r\nx\r\n");
  EXPECT_FALSE(saveMailAsText(folder.file("no/such/folder.txt"), ReceivedMail{}));
}
