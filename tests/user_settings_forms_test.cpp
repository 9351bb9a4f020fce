// The four dialogs of each member's settings as forms: what they refuse on
// OK and what they store.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "common/messages.h"
#include "settings/user_settings_forms.h"

using namespace wabo;

namespace {

std::string refusal(const char* message) { return message == nullptr ? "" : message; }

}  // namespace

TEST(AutoUpdateForm, MinutesOutsideOneTo999OrUnderTenWithTheSearchAreRefusedWhenOn) {
  const std::string range = msg::kMinutesOutOfRange, search = msg::kMinutesTooShortForSearch;
  const std::tuple<int, const char*, int, std::string> cases[] = {  // on, minutes, search box, refusal
      {1, "0", 0, range}, {1, "1000", 0, range}, {1, "abc", 0, range}, {1, "", 0, range}, {1, "-5", 0, range},
      {1, "99999999999", 0, range}, {1, "1", 0, ""}, {1, "999", 0, ""}, {1, " 30", 0, ""}, {1, "15分", 0, ""},
      {1, "9", 1, search}, {1, "10", 1, ""}, {1, "1000", 1, range} /* the range first */, {0, "abc", 1, ""}};
  for (const auto& [enabled, minutes, pcSearch, expected] : cases) {
    AutoUpdateForm form;
    form.enabled = enabled, form.minutesText = minutes, form.pcSearch = pcSearch;
    EXPECT_EQ(refusal(checkAutoUpdateForm(form)), expected) << enabled << " \"" << minutes << "\" " << pcSearch;
    form.pcSearchAllowed = false;  // a greyed search box still counts
    EXPECT_EQ(refusal(checkAutoUpdateForm(form)), expected) << minutes << " greyed";
  }
}

TEST(AutoUpdateForm, StoresTheBoxesColoursAndTheMinutesAsTheirIntegerValue) {
  LocalSettings settings;
  settings.autoUpdateEnabled = 1, settings.autoUpdateMinutesText = "10", settings.autoPcSearch = 1;
  AutoUpdateForm form = autoUpdateFormFrom(settings, 0);
  EXPECT_FALSE(form.pcSearchAllowed);
  EXPECT_EQ(std::tie(form.enabled, form.minutesText, form.pcSearch), std::make_tuple(1, std::string("10"), 1));
  // Search not allowed: the box keeps its state and that state is stored again.
  LocalSettings stored;
  form.connectedColour = 0x00FF00, form.notConnectedColour = 0x0000FF;
  const std::pair<std::string, std::string> minutes[] = {
      {"", "0"}, {"0020", "20"}, {"  42分", "42"}, {"-3", "-3"}, {std::string(27, ' ') + "12", "1"}};  // a 28-byte field
  for (const auto& [typed, text] : minutes) {
    form.minutesText = typed;
    storeAutoUpdateForm(stored, form);
    EXPECT_EQ(stored.autoUpdateMinutesText, text) << '"' << typed << '"';
  }
  EXPECT_EQ(std::tie(stored.autoUpdateEnabled, stored.autoPcSearch, stored.connectedColour, stored.notConnectedColour),
            std::make_tuple(1, 1, 0x00FF00, 0x0000FF));
}

TEST(DisplayForm, FontSizeAndRowHeightAreHeldToARangeTheListCanShow) {
  const std::string font = msg::kFontSizeOutOfRange, row = msg::kRowHeightOutOfRange;
  const auto check = [](const std::string& fontSize, const std::string& rowHeight) {
    DisplayForm form = displayFormFrom(LocalSettings());
    form.fontSizeText = fontSize, form.rowHeightText = rowHeight;
    return refusal(checkDisplayForm(form));
  };
  const std::string minFont = std::to_string(kMinFontSize), maxFont = std::to_string(kMaxFontSize);
  const std::string minRow = std::to_string(kMinRowHeight), maxRow = std::to_string(kMaxRowHeight);
  EXPECT_EQ(check(minFont, minRow) + check(maxFont, maxRow) + check(" 12 ", "16"), "");
  EXPECT_EQ(check(std::to_string(kMinFontSize - 1), "16"), font);
  EXPECT_EQ(check(std::to_string(kMaxFontSize + 1), "16"), font);
  EXPECT_EQ(check("12", std::to_string(kMinRowHeight - 1)), row);
  EXPECT_EQ(check("12", std::to_string(kMaxRowHeight + 1)), row);
  EXPECT_EQ(check("0", "0"), font) << "both wrong: the font size is named first";
  // Text that is not an unsigned number is refused rather than taken as 0 or wrapped.
  for (const char* typed : {"", "-12", "12px", "1 2", "4294967308"}) EXPECT_EQ(check(typed, "16"), font) << typed;
  for (const std::string& bound : {minFont, maxFont}) EXPECT_NE(font.find(bound), std::string::npos) << bound;
  for (const std::string& bound : {minRow, maxRow}) EXPECT_NE(row.find(bound), std::string::npos) << bound;
}

TEST(DisplayForm, ShowsNumbersUnsignedAndStoresEveryControl) {
  LocalSettings settings;
  settings.fontSize = -1;  // as a hand-edited file may hold it
  EXPECT_EQ(displayFormFrom(settings).fontSizeText, "4294967295");
  storeDisplayForm(settings, {0, 0, "20", " 24", 0x123456, 0xABCDEF});
  const DisplayForm f = displayFormFrom(settings);
  EXPECT_EQ(std::tie(f.showIcons, f.showGridLines, f.fontSizeText, f.rowHeightText, f.backgroundColour, f.textColour),
            std::make_tuple(0, 0, std::string("20"), std::string("24"), 0x123456, 0xABCDEF));
}

TEST(QuickInputForm, AcceptsEmptyWordsAndKeeps28BytesOfOneLine) {
  LocalSettings settings;
  EXPECT_EQ(quickInputFormFrom(settings).word2, "帰宅");
  const std::pair<std::string, std::string> words[] = {{"", ""},
                                                       {std::string(26, 'x') + "会", std::string(26, 'x') + "会"},
                                                       {std::string(27, 'a') + "会", std::string(27, 'a')},
                                                       {"在席\r\n2行目", "在席"}};
  for (const auto& [typed, stored] : words) {
    storeQuickInputForm(settings, {"語", typed});
    EXPECT_EQ(settings.quickInputWord1 + "|" + settings.quickInputWord2, "語|" + stored) << typed;
  }
}

TEST(SharedLocationForm, StoresUpTo254BytesUnlessTheProgramRunsFromAUncPath) {
  LocalSettings settings;
  settings.sharedSettingsFolder = "\\\\srv\\共有";
  SharedLocationForm local = sharedLocationFormFrom(settings, "Z:\\wabo");
  EXPECT_EQ(local.folder, settings.sharedSettingsFolder);
  EXPECT_FALSE(local.fromUnc);
  local.folder = "C:\\" + std::string(300, 'f');
  storeSharedLocationForm(settings, local);
  EXPECT_EQ(settings.sharedSettingsFolder, "C:\\" + std::string(251, 'f'));
  SharedLocationForm unc = sharedLocationFormFrom(settings, "\\\\srv\\apps\\wabo");
  EXPECT_TRUE(unc.fromUnc) << "shown greyed";
  unc.folder = "";
  storeSharedLocationForm(settings, unc);
  EXPECT_EQ(settings.sharedSettingsFolder.size(), 254u) << "kept";
  local.folder = "";
  storeSharedLocationForm(settings, local);
  EXPECT_EQ(settings.sharedSettingsFolder, "") << "the program folder";
}
