// The local values held beside the file and the ones taken just before the
// save: auto update texts and minutes, the window rectangle.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "settings/local_settings.h"

using namespace wabo;

TEST(AutoUpdateValues, StatusTextAndMinutesFollowTheStoredMinutes) {
  EXPECT_EQ(autoUpdateStatusFor(1, "10"), " Auto 10min");
  EXPECT_EQ(autoUpdateStatusFor(1, "3"), " Auto 3min");
  EXPECT_EQ(autoUpdateStatusFor(0, "10"), " Manual");

  LocalSettings on;
  on.autoUpdateMinutes = 25;
  deriveAutoUpdateState(on);
  EXPECT_EQ(on.autoUpdateEnabled, 1);
  EXPECT_EQ(on.autoUpdateMinutesText, "25");
  EXPECT_EQ(on.autoUpdateStatusText, " Auto 25min");

  // Switched off: manual, and the minutes field stays empty.
  LocalSettings off;
  off.autoUpdateEnabled = 1;  // the flag and the status text must agree
  off.autoUpdateMinutes = 0;
  deriveAutoUpdateState(off);
  EXPECT_EQ(off.autoUpdateEnabled, 0);
  EXPECT_EQ(off.autoUpdateMinutesText, "");
  EXPECT_EQ(off.autoUpdateStatusText, " Manual");

  // Odd minutes from a file are shown as they are.
  LocalSettings odd;
  odd.autoUpdateMinutes = -5;
  deriveAutoUpdateState(odd);
  EXPECT_EQ(odd.autoUpdateEnabled, 1);
  EXPECT_EQ(odd.autoUpdateStatusText, " Auto -5min");
}

TEST(AutoUpdateValues, MinutesAreTakenFromTheTextOnlyWhileAutoUpdateIsOn) {
  LocalSettings s;
  s.autoUpdateEnabled = 1;
  s.autoUpdateMinutesText = "15";
  takeAutoUpdateMinutes(s);
  EXPECT_EQ(s.autoUpdateMinutes, 15);

  s.autoUpdateEnabled = 0;
  takeAutoUpdateMinutes(s);
  EXPECT_EQ(s.autoUpdateMinutes, 0);

  s.autoUpdateEnabled = 1;
  s.autoUpdateMinutesText = "abc";
  takeAutoUpdateMinutes(s);
  EXPECT_EQ(s.autoUpdateMinutes, 0);

  // The C library's integer value of a text: blanks, sign, digits, stop.
  EXPECT_EQ(integerValueOf(" 7x"), 7);
  EXPECT_EQ(integerValueOf("-12"), -12);
  EXPECT_EQ(integerValueOf("+8"), 8);
  EXPECT_EQ(integerValueOf(""), 0);
  EXPECT_EQ(integerValueOf("- 3"), 0);
  EXPECT_EQ(integerValueOf("99999999999"), INT_MAX);
  EXPECT_EQ(integerValueOf("-99999999999"), INT_MIN);
  EXPECT_EQ(integerValueOf(std::string(5000, '9')), INT_MAX);
}

TEST(WindowRectangle, NormalWindowsKeepTheirRectangleOthersGetTheFixedOne) {
  LocalSettings s;
  takeWindowRectangle(s, 10, 20, 810, 620, true);
  EXPECT_EQ(s.windowLeft, 10);
  EXPECT_EQ(s.windowTop, 20);
  EXPECT_EQ(s.windowWidth, 800);
  EXPECT_EQ(s.windowHeight, 600);

  // Minimised or maximised: 580 wide, not the 648 of a first start.
  takeWindowRectangle(s, -32000, -32000, -31840, -31972, false);
  EXPECT_EQ(s.windowLeft, 119);
  EXPECT_EQ(s.windowTop, 135);
  EXPECT_EQ(s.windowWidth, 580);
  EXPECT_EQ(s.windowHeight, 338);

  // Absurd rectangles do not overflow.
  takeWindowRectangle(s, INT_MIN, INT_MIN, INT_MAX, INT_MAX, true);
  EXPECT_EQ(s.windowWidth, INT_MAX);
  EXPECT_EQ(s.windowHeight, INT_MAX);
}
