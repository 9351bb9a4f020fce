#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "common/decimal.h"

using namespace wabo;

// The one reading of decimal numbers: atoi and scanf("%d") without their
// undefined overflow.
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

// A number field of a dialog: digits with blanks around them and nothing
// else, up to the caller's maximum.
TEST(Decimal, PlainNumbersTakeDigitsWithBlanksAroundThemOnly) {
  EXPECT_EQ(plainNumber("0", UINT32_MAX), 0);
  EXPECT_EQ(plainNumber(" 17\t", UINT32_MAX), 17);
  EXPECT_EQ(plainNumber("4294967295", UINT32_MAX), 4294967295LL);
  EXPECT_EQ(plainNumber("4294967296", UINT32_MAX), -1);
  EXPECT_EQ(plainNumber("99999999999999999999999999999", UINT32_MAX), -1);  // no overflow on the way
  EXPECT_EQ(plainNumber("+5", UINT32_MAX), -1);
  EXPECT_EQ(plainNumber("5 5", UINT32_MAX), -1);
  EXPECT_EQ(plainNumber("  ", UINT32_MAX), -1);
  EXPECT_EQ(plainNumber("１２", UINT32_MAX), -1);  // full-width digits
}
