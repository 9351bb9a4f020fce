// Shift_JIS texts and decimal numbers, the two readings every field goes through.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "common/decimal.h"
#include "common/sjis.h"

using namespace wabo;

TEST(Sjis, LiteralsAreShiftJis) { EXPECT_STREQ("名前", "\x96\xbc\x91\x4f"); }

// A lead byte without its second byte (cut off, at the end, or before a NUL)
// is half a character: no cut text ends in one.
TEST(Sjis, CutNeverSplitsADoubleByteCharacter) {
  const std::string s = "A表B", nul(1, '\0');  // 41 95 5C 42
  for (const auto& [text, bytes, cut] : std::vector<std::tuple<std::string, std::size_t, std::string>>{
           {s, 1, "A"}, {s, 2, "A"}, {s, 3, "A表"}, {s, 10, s}, {"ab" + nul + "cd", 10, "ab"}, {"ab\x82", 10, "ab"},
           {"ab\x82" + nul + "c", 10, "ab"}, {"\xEC", 255, ""}, {"ab\x82\xA0", 10, "ab\x82\xA0"}})
    EXPECT_EQ(sjis::cut(text, bytes), cut) << text << " " << bytes;
  EXPECT_EQ(sjis::cutLength("A表\x95", 3), 3u);
}

TEST(Sjis, LastSeparatorStepsOverTrailBackslash) {  // 表 and ソ end in 0x5C
  EXPECT_EQ(sjis::lastSeparator("C:\\表\\ソ"), 5u);
  EXPECT_EQ(sjis::lastSeparator("C:\\dir\\表"), 6u);
  EXPECT_EQ(sjis::lastSeparator("表"), std::string::npos);
  EXPECT_EQ(sjis::lastSeparator("/tmp/a/b.csv"), 6u);
  EXPECT_EQ(sjis::lastSeparator("a\\b\\c", 3), 1u);
}

TEST(Sjis, CaseFoldingLeavesDoubleByteCharactersAloneAndCommasBecomeSlashes) {
  EXPECT_TRUE(sjis::equalsIgnoreCase("abc", "ABC") && sjis::equalsIgnoreCase("表x", "表X"));
  EXPECT_FALSE(sjis::equalsIgnoreCase("abc", "ABCD"));
  // Full-width letters have trail bytes in the ASCII letter range: Ａ/Ｂ, ビ/ア.
  EXPECT_FALSE(sjis::equalsIgnoreCase("\x82\x60", "\x82\x80") || sjis::equalsIgnoreCase("\x83\x61", "\x83\x41"));
  std::string s = "a,b,表";
  EXPECT_TRUE(sjis::commaToSlash(s));
  EXPECT_EQ(s, "a/b/表");
  EXPECT_FALSE(sjis::commaToSlash(s));
}

// atoi and scanf("%d") without their undefined overflow.
TEST(Decimal, SignBlanksAndTheEndsOfTheIntRange) {
  struct Case {
    const char* text;
    bool anyWhiteSpace, found, fits;
    int value;
  } cases[] = {
      {"2147483647", false, true, true, INT_MAX},     {"2147483648", false, true, false, INT_MAX},
      {"-2147483648", false, true, true, INT_MIN},    {"-2147483649", false, true, false, INT_MIN},
      {"000000000000000000000042x", false, true, true, 42},  // leading zeros are no overflow
      {"99999999999999999999999999", false, true, false, INT_MAX},
      {" \t+7", false, true, true, 7},                {"\r\n 7", false, false, false, 0},
      {"\r\n 7", true, true, true, 7},                {"- 7", false, false, false, 0},
      {"", false, false, false, 0},                   {"+", false, false, false, 0},
  };
  for (const Case& c : cases) {
    LeadingInteger n = leadingInteger(c.text, c.anyWhiteSpace);
    EXPECT_EQ(n.found, c.found) << c.text;
    EXPECT_EQ(n.fits, c.fits) << c.text;
    EXPECT_EQ(n.value, c.value) << c.text;
  }
}

// A number field of a dialog: digits with blanks around them and nothing else.
TEST(Decimal, PlainNumbersTakeDigitsWithBlanksAroundThemOnly) {
  for (const auto& [text, value] : std::vector<std::pair<const char*, long long>>{
           {"0", 0}, {" 17\t", 17}, {"4294967295", 4294967295LL}, {"4294967296", -1},
           {"99999999999999999999999999999", -1}, {"+5", -1}, {"5 5", -1}, {"  ", -1}, {"１２", -1}})  // full-width digits
    EXPECT_EQ(plainNumber(text, UINT32_MAX), value) << text;
}

// The mail and settings readers keep their fields in whole characters with
// cut: the pairs are counted from the start of the text, so a byte in the
// lead range that is the second byte of a pair is no lead byte, and a run of
// three lead-range bytes keeps its first two.
TEST(Sjis, CutPairsBytesFromTheStartOfTheText) {
  EXPECT_EQ(sjis::cut("\x81\x81\x81", 10), "\x81\x81");
  EXPECT_EQ(sjis::cut("\x81\x81\x81\x81", 10), "\x81\x81\x81\x81");
  EXPECT_EQ(sjis::cut("a\x95\x95\x95", 3), "a\x95\x95");
  EXPECT_EQ(sjis::cutLength(std::string("\x95\x95\x95\0\x41", 5), 5), 2u);
}
