#include <gtest/gtest.h>

#include "common/sjis.h"

using namespace wabo;

TEST(Sjis, LiteralsAreShiftJis) { EXPECT_STREQ("名前", "\x96\xbc\x91\x4f"); }

TEST(Sjis, CutNeverSplitsADoubleByteCharacter) {
  std::string s = "A表B";  // 41 95 5C 42
  EXPECT_EQ(sjis::cut(s, 1), "A");
  EXPECT_EQ(sjis::cut(s, 2), "A");  // the lead byte alone would be half a character
  EXPECT_EQ(sjis::cut(s, 3), "A表");
  EXPECT_EQ(sjis::cut(s, 10), s);
  EXPECT_EQ(sjis::cut(std::string("ab\0cd", 5), 10), "ab");
}

// A lead byte whose second byte is missing (end of text, or a NUL after it)
// is half a character too: no cut text ends in one.
TEST(Sjis, CutLeavesOutALeadByteWithoutItsSecondByte) {
  EXPECT_EQ(sjis::cut("ab\x82", 10), "ab");
  EXPECT_EQ(sjis::cut(std::string("ab\x82\0c", 5), 10), "ab");
  EXPECT_EQ(sjis::cut("\xEC", 255), "");
  EXPECT_EQ(sjis::cutLength("A表\x95", 3), 3u);
  EXPECT_EQ(sjis::cut("ab\x82" "\xA0", 10), "ab\x82" "\xA0");  // あ stays whole
}

TEST(Sjis, LastSeparatorStepsOverTrailBackslash) {
  // 表 and ソ end in 0x5C; neither is a separator.
  EXPECT_EQ(sjis::lastSeparator("C:\\表\\ソ"), 5u);
  EXPECT_EQ(sjis::lastSeparator("C:\\dir\\表"), 6u);
  EXPECT_EQ(sjis::lastSeparator("表"), std::string::npos);
  EXPECT_EQ(sjis::lastSeparator("/tmp/a/b.csv"), 6u);
  EXPECT_EQ(sjis::lastSeparator("a\\b\\c", 3), 1u);
}

TEST(Sjis, CaseFoldingLeavesDoubleByteCharactersAlone) {
  EXPECT_TRUE(sjis::equalsIgnoreCase("abc", "ABC"));
  EXPECT_FALSE(sjis::equalsIgnoreCase("abc", "ABCD"));
  // ＡとＢ: full-width letters have trail bytes in the ASCII letter range.
  EXPECT_FALSE(sjis::equalsIgnoreCase("\x82\x60", "\x82\x80"));
  EXPECT_FALSE(sjis::equalsIgnoreCase("\x83\x61", "\x83\x41"));  // ビ vs ア: trail 0x61 vs 0x41
  EXPECT_TRUE(sjis::equalsIgnoreCase("表x", "表X"));
}

TEST(Sjis, CommaToSlashReportsReplacement) {
  std::string s = "a,b,表";
  EXPECT_TRUE(sjis::commaToSlash(s));
  EXPECT_EQ(s, "a/b/表");
  EXPECT_FALSE(sjis::commaToSlash(s));
}
