// Sizes at the screen's resolution: the scaling of 96-DPI units to pixels
// and back, and that a stored size shown and taken back is the same number,
// so that WaboM.ini stays byte for byte what it was.
#include <gtest/gtest.h>

#include <climits>

#include "common/dpi_scale.h"

using namespace wabo;

namespace {

TEST(DpiScale, ScalesToTheNearestPixelWithHalvesAwayFromZero) {
  EXPECT_EQ(scaleToDpi(16, 144), 24);
  EXPECT_EQ(scaleToDpi(70, 120), 88);   // 87.5
  EXPECT_EQ(scaleToDpi(105, 144), 158);  // 157.5
  EXPECT_EQ(scaleToDpi(-1, 144), -2);   // -1.5
  EXPECT_EQ(scaleToDpi(-215, 144), -323);
  EXPECT_EQ(scaleToDpi(648, 192), 1296);
  EXPECT_EQ(scaleToDpi(338, 96), 338);
  EXPECT_EQ(unscaleFromDpi(101, 144), 67);  // 67.33: a column dragged to 101 pixels
  EXPECT_EQ(unscaleFromDpi(-2, 144), -1);   // -1.33
  EXPECT_EQ(unscaleFromDpi(3, 144), 2);
  // A DPI that is no DPI counts as 96; numbers beyond int are held at its ends.
  EXPECT_EQ(scaleToDpi(70, 0), 70);
  EXPECT_EQ(unscaleFromDpi(70, -5), 70);
  EXPECT_EQ(scaleToDpi(INT_MAX, 192), INT_MAX);
  EXPECT_EQ(scaleToDpi(INT_MIN, 192), INT_MIN);
  EXPECT_EQ(unscaleFromDpi(INT_MAX, 48), INT_MAX);
}

// Every width from 0 to 2000 and the window's coordinates (negative ones on
// a screen left of the main one) come back as they were at 96, 120, 144,
// 192 DPI; at any DPI when the stored value is kept while it still fits.
TEST(DpiScale, EveryStoredSizeComesBackUnchanged) {
  for (int dpi : {96, 120, 144, 168, 192, 240, 288}) {
    for (int v = -2000; v <= 2000; ++v) {
      const int shown = scaleToDpi(v, dpi);
      ASSERT_EQ(unscaleFromDpi(shown, dpi), v) << v << " at " << dpi << " DPI";
      ASSERT_EQ(unscaleKeeping(shown, v, dpi), v) << v << " at " << dpi << " DPI";
    }
  }
  // Below 96 DPI two stored values can show as one pixel width: only the
  // kept value comes back as it was.
  for (int dpi : {72, 48}) {
    for (int v = 0; v <= 2000; ++v) ASSERT_EQ(unscaleKeeping(scaleToDpi(v, dpi), v, dpi), v) << v;
  }
  EXPECT_NE(unscaleFromDpi(scaleToDpi(3, 48), 48), 3);  // 1.5 pixels, shown as 2, taken back as 4
}

// A size the member changed on screen is stored as its 96-DPI value, the
// stored one no longer counts.
TEST(DpiScale, AChangedSizeIsStoredInNinetySixDpiUnits) {
  EXPECT_EQ(unscaleKeeping(150, 70, 144), 100);  // 70 shown as 105, dragged to 150
  EXPECT_EQ(unscaleKeeping(106, 70, 144), 71);
  EXPECT_EQ(unscaleKeeping(105, 70, 144), 70);
  EXPECT_EQ(unscaleKeeping(0, 70, 192), 0);  // a column dragged shut
  EXPECT_EQ(unscaleKeeping(70, 70, 96), 70);
  EXPECT_EQ(unscaleKeeping(71, 70, 96), 71);
}

}  // namespace
