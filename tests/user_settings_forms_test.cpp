// The four dialogs of each member's settings as forms: what they refuse on
// OK and what they store.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "app/list_font.h"
#include "common/messages.h"
#include "settings/user_settings_forms.h"

using namespace wabo;

namespace {

std::string refusal(const char* message) { return message == nullptr ? "" : message; }

}  // namespace

TEST(AutoUpdateForm, MinutesOutsideOneTo999OrUnderTenWithTheSearchAreRefusedWhenOn) {
  const std::string range = msg::kMinutesOutOfRange, search = msg::kMinutesTooShortForSearch;
  const std::tuple<int, const char*, int, std::string> cases[] = {  // on, minutes, search box, refusal
      {1, "0", 0, range},  {1, "1000", 0, range}, {1, "", 0, range},    {1, "99999999999", 0, range},
      {1, "1", 0, ""},     {1, "999", 0, ""},     {1, "15分", 0, ""},   {1, "9", 1, search},
      {1, "10", 1, ""},    {1, "1000", 1, range} /* the range first */, {0, "abc", 1, ""}};
  for (const auto& [enabled, minutes, pcSearch, expected] : cases) {
    AutoUpdateForm form;
    form.enabled = enabled, form.minutesText = minutes, form.pcSearch = pcSearch;
    form.pcSearchAllowed = pcSearch == 0;  // a greyed search box still counts
    EXPECT_EQ(refusal(checkAutoUpdateForm(form)), expected) << enabled << " \"" << minutes << "\" " << pcSearch;
  }
}

TEST(AutoUpdateForm, StoresTheBoxesColoursAndTheMinutesAsTheirIntegerValue) {
  LocalSettings settings;
  settings.autoUpdateEnabled = 1, settings.autoUpdateMinutesText = "10", settings.autoPcSearch = 1;
  AutoUpdateForm form = autoUpdateFormFrom(settings, 0);  // search not allowed: the box keeps its state
  EXPECT_EQ(std::tie(form.enabled, form.pcSearch, form.pcSearchAllowed), std::make_tuple(1, 1, false));
  form.connectedColour = 0x00FF00, form.notConnectedColour = 0x0000FF;
  const std::pair<std::string, std::string> minutes[] = {
      {"", "0"}, {"  42分", "42"}, {std::string(27, ' ') + "12", "1"}};  // a 28-byte field
  for (const auto& [typed, text] : minutes) {
    form.minutesText = typed;
    storeAutoUpdateForm(settings, form);
    EXPECT_EQ(settings.autoUpdateMinutesText, text) << '"' << typed << '"';
  }
  EXPECT_EQ(std::tie(settings.autoPcSearch, settings.connectedColour, settings.notConnectedColour),
            std::make_tuple(1, 0x00FF00, 0x0000FF));
}

// The font size and row height take any unsigned number, as they always did; a value stored by hand or by an
// older copy (a negative font size is the character height) is shown as an unsigned number and kept through OK.
TEST(DisplayForm, AnyUnsignedNumberIsTakenAndAStoredValueComesBackUnchanged) {
  LocalSettings settings;
  const std::pair<int, std::string> stored[] = {{-14, "4294967282"}, {60, "60"}, {0, "0"}, {1000, "1000"}};
  for (const auto& [value, shown] : stored) {
    settings.fontSize = value, settings.rowHeight = value;
    const DisplayForm form = displayFormFrom(settings);
    EXPECT_EQ(form.fontSizeText + "|" + form.rowHeightText, shown + "|" + shown);
    settings.fontSize = settings.rowHeight = 12;
    storeDisplayForm(settings, form);
    EXPECT_EQ(std::make_pair(settings.fontSize, settings.rowHeight), std::make_pair(value, value)) << shown;
  }
  // Blanks around the digits are taken; a sign, a unit, an empty field or a number past 32 bits give 0.
  const std::pair<std::string, int> typed[] = {{" 20 ", 20}, {"4294967295", -1}, {"-12", 0},
                                               {"12px", 0},  {"", 0},            {"4294967296", 0}};
  for (const auto& [text, value] : typed) {
    DisplayForm form = displayFormFrom(settings);
    form.fontSizeText = text;
    storeDisplayForm(settings, form);
    EXPECT_EQ(settings.fontSize, value) << '"' << text << '"';
  }
}

TEST(DisplayForm, TheOverdueMarkingGoesThroughTheFormBothWays) {
  LocalSettings settings;
  DisplayForm form = displayFormFrom(settings);
  EXPECT_TRUE(form.markOverdueRows);
  form.markOverdueRows = false;
  storeDisplayForm(settings, form);
  EXPECT_FALSE(settings.markOverdueRows);
  EXPECT_FALSE(displayFormFrom(settings).markOverdueRows);
}

TEST(DisplayForm, TheListFontIsMadeWithinWhatTheListCanShowKeepingTheSignsMeaning) {
  for (int kept : {-14, 60, 0, 12, -kMaxListFontPixels, kMaxListFontPixels}) EXPECT_EQ(listFontHeight(kept), kept);
  EXPECT_EQ(listFontHeight(4000) + listFontHeight(INT_MAX), 2 * kMaxListFontPixels);
  EXPECT_EQ(listFontHeight(-4000) + listFontHeight(INT_MIN), -2 * kMaxListFontPixels);
}

TEST(TextForms, KeepWholeCharactersWithinTheirBytesAndAUncProgramKeepsItsFolder) {
  LocalSettings settings;
  const std::pair<std::string, std::string> words[] = {{std::string(26, 'x') + "会", std::string(26, 'x') + "会"},
                                                       {std::string(27, 'a') + "会", std::string(27, 'a')},
                                                       {"在席\r\n2行目", "在席"}};
  for (const auto& [typed, stored] : words) {
    storeQuickInputForm(settings, {"", typed});
    EXPECT_EQ(settings.quickInputWord1 + "|" + settings.quickInputWord2, "|" + stored) << typed;
  }
  SharedLocationForm local = sharedLocationFormFrom(settings, "Z:\\wabo");
  local.folder = "C:\\" + std::string(300, 'f');
  storeSharedLocationForm(settings, local);
  EXPECT_EQ(settings.sharedSettingsFolder, "C:\\" + std::string(251, 'f'));
  SharedLocationForm unc = sharedLocationFormFrom(settings, "\\\\srv\\apps\\wabo");
  EXPECT_EQ(std::make_pair(unc.fromUnc, unc.folder), std::make_pair(true, settings.sharedSettingsFolder));
  unc.folder = "";
  storeSharedLocationForm(settings, unc);
  EXPECT_EQ(settings.sharedSettingsFolder.size(), 254u) << "kept";
}
