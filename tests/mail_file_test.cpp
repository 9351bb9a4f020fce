// The mail file: its name, its bytes as other copies write and read them, and the IDs that may become file
// names. That any bytes read stay within the fields and read back the same is the fuzz target's work.
#include <gtest/gtest.h>

#include <string>

#include "messaging/mail_file.h"

using namespace wabo;

TEST(MailFile, NameIsFolderIdSlotAndExtension) {
  EXPECT_EQ(mailFilePath("C:\\", "ab", 1), "C:\\ab1.ml");
  EXPECT_EQ(mailFilePath("/tmp/m", "ABC", 0), "/tmp/m/ABC0.ml");
  // 表 ends in the byte '\': the folder does not end in a separator.
  EXPECT_EQ(mailFilePath("C:\\\x95\x5c", "a", 9), "C:\\\x95\x5c\\a9.ml");
}

TEST(MailFile, BytesRaiseTheTextByOneKeepTheirLimitsAndReadBackOnlyWhenTheEndIsThere) {
  // CR LF becomes 0x0E 0x0B, 0xFF wraps to 0x00.
  EXPECT_EQ(mailFileBytes("tanaka", std::string("ab\r\n\xff") + "表", "2003/05/01 09:30"),
            std::string("tanaka\x01" "bc\x0e\x0b") + '\0' + "\x96\x5d\x01" "2003/05/01 09:30\x01\x01");
  EXPECT_EQ(mailFileBytes("id", std::string(600, 'x'), "t"), "id\x01" + std::string(512, 'y') + "\x01t\x01\x01");
  // The text ends at a NUL; the sender's ID at 29 bytes and without 0x01.
  EXPECT_EQ(mailFileBytes(std::string(40, 's'), std::string("ab\0cd", 5), "t"),
            std::string(29, 's') + "\x01" "bc\x01t\x01\x01");
  EXPECT_EQ(mailFileBytes("a\x01" "b", "", "t"), "ab\x01\x01t\x01\x01");
  const std::string bytes = mailFileBytes("tanaka", "行1\r\n表示", "2003/05/01 09:30");
  EXPECT_TRUE(parseMailBytes(bytes).complete);
  for (std::size_t n = 0; n < bytes.size(); ++n) EXPECT_FALSE(parseMailBytes(bytes.substr(0, n)).complete) << n;
  const ReceivedMail half = parseMailBytes(bytes.substr(0, 9)).mail;  // a sender still writing
  EXPECT_EQ(half.senderId + "|" + half.body + "|" + half.sentTime, "tanaka|行|");
}

TEST(MailFile, OverlongFieldsAreCutInWholeCharactersAndNeverSpillIntoTheNext) {
  ReceivedMail mail = parseMailBytes(std::string(100, 'S') + "\x01" + std::string(700, 'b') + "\x01" +
                                     std::string(50, '9') + "\x01\x01").mail;
  EXPECT_EQ(mail.senderId + "|" + mail.body + "|" + mail.sentTime,
            std::string(29, 'S') + "|" + std::string(512, 'a') + "|" + std::string(29, '9'));
  EXPECT_EQ(parseMailBytes(std::string(28, 'i') + "\x95\x5c\x01\x01t\x01\x01").mail.senderId, std::string(28, 'i'));
  // A field that ends in a lead byte without its second byte drops it.
  mail = parseMailBytes("a\x95" "\x01" "b\x96" "\x01" "\xff\xfe\xf7").mail;
  EXPECT_EQ(mail.senderId + "|" + mail.body + "|" + mail.sentTime, "a|a|\xff\xfe");
}

TEST(MailId, OnlyIdsWhoseFileNamesAreOrdinaryNamesInTheFolderAreUsable) {
  // con0.ml, a.0.ml, a 0.ml, a..b0.ml and ..0.ml are ordinary names.
  for (const char* id : {"yamada", "a.b", "表示", "ソフト", "a b", "CONSOLE", "LPT10x", "con", "nul", "a.", "a ",
                         "a..b", "..", "con ", "x.com1"})
    EXPECT_TRUE(isUsableMailId(id)) << id;
  // Separators, what Windows refuses in names, file names that are devices
  // (their part before the first dot: COM + 1, con.x + 0), control bytes,
  // half characters, overlong.
  const std::string refused[] = {"", "a\\b", "a/b", "C:x", "a*", "a|", "nul.txt", "lpt5.x", "CON .x", "COM",
                                 "tab\tid", "del\x7f", "a\x95", std::string(300, 'a')};
  for (const std::string& id : refused) EXPECT_FALSE(isUsableMailId(id)) << id;
}
