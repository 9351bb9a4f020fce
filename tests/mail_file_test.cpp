// The mail file: its name, its bytes as other copies write and read them, hostile and broken files, and the
// IDs that may become file names.
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
  EXPECT_EQ(mailFilePath("/tmp/m", "ABC", 0), "/tmp/m/ABC0.ml");
  // 表 ends in the byte '\': the folder does not end in a separator.
  EXPECT_EQ(mailFilePath("C:\\\x95\x5c", "a", 9), "C:\\\x95\x5c\\a9.ml");
}

TEST(MailFile, BytesRaiseTheTextByOneKeepTheirLimitsAndReadBackUntilTheEndIsMissing) {
  // CR LF becomes 0x0E 0x0B, 0xFF wraps to 0x00.
  EXPECT_EQ(mailFileBytes("tanaka", std::string("ab\r\n\xff") + "表", "2003/05/01 09:30"),
            std::string("tanaka\x01" "bc\x0e\x0b") + '\0' + "\x96\x5d\x01" "2003/05/01 09:30\x01\x01");
  EXPECT_EQ(mailFileBytes("id", std::string(600, 'x'), "t"), "id\x01" + std::string(512, 'y') + "\x01t\x01\x01");
  // The text ends at a NUL; the sender's ID at 29 bytes and without 0x01.
  EXPECT_EQ(mailFileBytes(std::string(40, 's'), std::string("ab\0cd", 5), "t"),
            std::string(29, 's') + "\x01" "bc\x01t\x01\x01");
  EXPECT_EQ(mailFileBytes("a\x01" "b", "", "t"), "ab\x01\x01t\x01\x01");
  const std::string text = std::string("行1\r\n\xff") + "表示";
  const std::string bytes = mailFileBytes("tanaka", text, "2003/05/01 09:30");
  ParsedMail parsed = parseMailBytes(bytes);
  EXPECT_TRUE(parsed.complete);
  EXPECT_EQ(parsed.mail.senderId, "tanaka");
  EXPECT_EQ(parsed.mail.body, text);
  EXPECT_EQ(parsed.mail.sentTime, "2003/05/01 09:30");
  for (std::size_t n = 0; n < bytes.size(); ++n) EXPECT_FALSE(parseMailBytes(bytes.substr(0, n)).complete) << n;
  ParsedMail half = parseMailBytes(bytes.substr(0, 9));  // a sender still writing: take what is there
  EXPECT_EQ(half.mail.senderId, "tanaka");
  EXPECT_EQ(half.mail.body, "行");
  EXPECT_EQ(half.mail.sentTime, "");
  EXPECT_TRUE(parseMailBytes(bytes + "junk\x01more").complete);
}

TEST(MailFile, OverlongFieldsAreCutNeverSpillIntoTheNextAndAreReadOnlySoFar) {
  ParsedMail parsed =
      parseMailBytes(std::string(100, 'S') + "\x01" + std::string(700, 'b') + "\x01" + std::string(50, '9') + "\x01\x01");
  EXPECT_TRUE(parsed.complete);
  EXPECT_EQ(parsed.mail.senderId, std::string(29, 'S'));
  EXPECT_EQ(parsed.mail.body, std::string(512, 'a'));
  EXPECT_EQ(parsed.mail.sentTime, std::string(29, '9'));
  // A double-byte character across the limit is left out whole.
  EXPECT_EQ(parseMailBytes(std::string(28, 'i') + "\x95\x5c\x01\x01t\x01\x01").mail.senderId, std::string(28, 'i'));
  // A field that ends in a lead byte without its second byte drops it.
  ParsedMail ragged = parseMailBytes("a\x95" "\x01" "b\x96" "\x01" "\xff\xfe\xf7");
  EXPECT_EQ(ragged.mail.senderId, "a");
  EXPECT_EQ(ragged.mail.body, "a");
  EXPECT_EQ(ragged.mail.sentTime, "\xff\xfe");
  // The file is read up to its limit only.
  TempFolder folder;
  writeFile(folder.file("big0.ml"), std::string(100000, 'x'));
  std::string bytes;
  ASSERT_TRUE(readMailFile(folder.file("big0.ml"), bytes, kMailFileReadLimit));
  EXPECT_EQ(bytes.size(), kMailFileReadLimit);
  EXPECT_FALSE(readMailFile(folder.file("none0.ml"), bytes, kMailFileReadLimit));
}

TEST(MailId, OnlyPlainFileNamePartsAreUsable) {
  for (const char* id : {"yamada", "a.b", "表示", "ソフト", "ﾔﾏﾀﾞ", "a b", "CONSOLE", "LPT10x"})
    EXPECT_TRUE(isUsableMailId(id)) << id;
  // Separators, what Windows refuses in names, devices (also as one of the
  // ten slot names: COM + 1), control bytes, half characters, overlong.
  const std::string refused[] = {"", "..", "a..b", "a\\b", "a/b", "C:x", "a*", "a?", "a\"", "a<", "a>", "a|", "a.",
                                 "a ", "con", "Prn", "AUX", "nul.txt", "COM1", "lpt5.x", "CON .x", "COM", "lpt",
                                 "tab\tid", "del\x7f", "a\x95", "\x95\x20", std::string(300, 'a')};
  for (const std::string& id : refused) EXPECT_FALSE(isUsableMailId(id)) << id;
}

TEST(MailExport, SixLinesWithTheSendersId) {
  TempFolder folder;
  const std::string path = folder.file("mail.txt");
  writeFile(path, "old content that is longer than the new one, to see the truncation");
  ASSERT_TRUE(saveMailAsText(path, ReceivedMail{"tanaka", "a\r\nb", "2003/05/01 09:30"}));
  EXPECT_EQ(readFile(path), "[ﾒｰﾙ送信者ID]\r\ntanaka\r\n[ﾒｰﾙ内容]\r\na\r\nb\r\n[ﾒｰﾙ送信時間]\r\n2003/05/01 09:30\r\n");
  EXPECT_EQ(readFile(path).substr(0, 6), "\x5b\xd2\xb0\xd9\x91\x97");  // written in Shift-JIS
  EXPECT_FALSE(saveMailAsText(folder.file("no/such/folder.txt"), ReceivedMail{}));
}
