// The four dialogs of each member's settings as forms: what they show, what
// they refuse, and what they store on OK.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/messages.h"
#include "settings/user_settings_forms.h"

using namespace wabo;

namespace {

AutoUpdateForm autoUpdate(int enabled, const std::string& minutes, int pcSearch) {
  AutoUpdateForm form;
  form.enabled = enabled;
  form.minutesText = minutes;
  form.pcSearch = pcSearch;
  return form;
}

std::string refusal(const AutoUpdateForm& form) {
  const char* message = checkAutoUpdateForm(form);
  return message == nullptr ? "" : message;
}

std::string refusal(const DisplayForm& form) {
  const char* message = checkDisplayForm(form);
  return message == nullptr ? "" : message;
}

DisplayForm display(const std::string& fontSize, const std::string& rowHeight) {
  DisplayForm form = displayFormFrom(LocalSettings());
  form.fontSizeText = fontSize;
  form.rowHeightText = rowHeight;
  return form;
}

}  // namespace

TEST(AutoUpdateForm, MinutesMustLieBetweenOneAnd999WhenAutoUpdateIsOn) {
  const std::string outOfRange = msg::kMinutesOutOfRange;
  for (const char* minutes : {"0", "1000", "abc", "", "-5", "  ", "99999999999"})
    EXPECT_EQ(refusal(autoUpdate(1, minutes, 0)), outOfRange) << '"' << minutes << '"';
  for (const char* minutes : {"1", "999", " 30", "15分", "7x"})
    EXPECT_EQ(refusal(autoUpdate(1, minutes, 0)), "") << '"' << minutes << '"';
}

TEST(AutoUpdateForm, SearchAtEachUpdateNeedsTenMinutesAndTheRangeIsCheckedFirst) {
  EXPECT_EQ(refusal(autoUpdate(1, "5", 1)), msg::kMinutesTooShortForSearch);
  EXPECT_EQ(refusal(autoUpdate(1, "9", 1)), msg::kMinutesTooShortForSearch);
  EXPECT_EQ(refusal(autoUpdate(1, "10", 1)), "");
  EXPECT_EQ(refusal(autoUpdate(1, "0", 1)), msg::kMinutesOutOfRange);
  EXPECT_EQ(refusal(autoUpdate(1, "1000", 1)), msg::kMinutesOutOfRange);
  // The search box counts even when it is greyed.
  AutoUpdateForm greyed = autoUpdate(1, "5", 1);
  greyed.pcSearchAllowed = false;
  EXPECT_EQ(refusal(greyed), msg::kMinutesTooShortForSearch);
}

TEST(AutoUpdateForm, OffAcceptsAnyTextAndStoresItsIntegerValue) {
  const struct {
    const char* typed;
    const char* stored;
  } cases[] = {{"", "0"}, {"abc", "0"}, {"1000", "1000"}, {"  42分", "42"}, {"-3", "-3"}, {"0", "0"}};
  for (const auto& c : cases) {
    AutoUpdateForm form = autoUpdate(0, c.typed, 1);
    EXPECT_EQ(refusal(form), "") << c.typed;
    LocalSettings settings;
    storeAutoUpdateForm(settings, form);
    EXPECT_EQ(settings.autoUpdateMinutesText, c.stored) << c.typed;
    EXPECT_EQ(settings.autoUpdateEnabled, 0);
    EXPECT_EQ(settings.autoPcSearch, 1);
  }
}

TEST(AutoUpdateForm, OpensWithTheSettingsAndStoresEverythingOnOk) {
  LocalSettings settings;
  settings.autoUpdateEnabled = 1;
  settings.autoUpdateMinutesText = "10";
  settings.autoPcSearch = 1;
  AutoUpdateForm form = autoUpdateFormFrom(settings, 0);
  EXPECT_EQ(form.enabled, 1);
  EXPECT_EQ(form.minutesText, "10");
  EXPECT_EQ(form.pcSearch, 1);
  EXPECT_EQ(form.connectedColour, 13697023);
  EXPECT_EQ(form.notConnectedColour, 14737632);
  EXPECT_FALSE(form.pcSearchAllowed);

  // Not allowed: the box keeps its old state, and that state is stored again.
  form.minutesText = "0020";
  form.connectedColour = 0x00FF00;
  form.notConnectedColour = 0x0000FF;
  storeAutoUpdateForm(settings, form);
  EXPECT_EQ(settings.autoPcSearch, 1);
  EXPECT_EQ(settings.autoUpdateMinutesText, "20");
  EXPECT_EQ(settings.connectedColour, 0x00FF00);
  EXPECT_EQ(settings.notConnectedColour, 0x0000FF);

  // The minutes are read as a field of 28 bytes: digits past them do not count.
  form.minutesText = std::string(27, ' ') + "12";
  storeAutoUpdateForm(settings, form);
  EXPECT_EQ(settings.autoUpdateMinutesText, "1");
}

TEST(DisplayForm, FontSizeAndRowHeightAreHeldToARangeTheListCanShow) {
  const std::string font = msg::kFontSizeOutOfRange, row = msg::kRowHeightOutOfRange;
  EXPECT_EQ(refusal(display("12", "16")), "");
  EXPECT_EQ(refusal(display(std::to_string(kMinFontSize), std::to_string(kMinRowHeight))), "");
  EXPECT_EQ(refusal(display(std::to_string(kMaxFontSize), std::to_string(kMaxRowHeight))), "");
  EXPECT_EQ(refusal(display(std::to_string(kMinFontSize - 1), "16")), font);
  EXPECT_EQ(refusal(display(std::to_string(kMaxFontSize + 1), "16")), font);
  EXPECT_EQ(refusal(display("12", std::to_string(kMinRowHeight - 1))), row);
  EXPECT_EQ(refusal(display("12", std::to_string(kMaxRowHeight + 1))), row);
  // Text that is not an unsigned number is refused rather than taken as 0.
  for (const char* typed : {"", "0", "abc", "-12", "12px", "1 2", "4294967308"})
    EXPECT_EQ(refusal(display(typed, "16")), font) << '"' << typed << '"';
  EXPECT_EQ(refusal(display(" 12 ", "16")), "");
  // Both wrong: the font size is named first.
  EXPECT_EQ(refusal(display("0", "0")), font);
  // The messages name the range the check holds.
  for (int bound : {kMinFontSize, kMaxFontSize})
    EXPECT_NE(font.find(std::to_string(bound)), std::string::npos) << bound;
  for (int bound : {kMinRowHeight, kMaxRowHeight})
    EXPECT_NE(row.find(std::to_string(bound)), std::string::npos) << bound;
}

TEST(DisplayForm, ShowsNumbersUnsignedAndStoresEveryControl) {
  LocalSettings settings;
  settings.fontSize = -1;  // as a hand-edited file may hold it
  DisplayForm form = displayFormFrom(settings);
  EXPECT_EQ(form.fontSizeText, "4294967295");
  EXPECT_EQ(form.rowHeightText, "16");
  EXPECT_EQ(form.backgroundColour, 16056319);
  EXPECT_EQ(form.textColour, 0);
  EXPECT_NE(checkDisplayForm(form), nullptr);

  form = {0, 0, "20", " 24", 0x123456, 0xABCDEF};
  storeDisplayForm(settings, form);
  EXPECT_EQ(settings.showIcons, 0);
  EXPECT_EQ(settings.showGridLines, 0);
  EXPECT_EQ(settings.fontSize, 20);
  EXPECT_EQ(settings.rowHeight, 24);
  EXPECT_EQ(settings.backgroundColour, 0x123456);
  EXPECT_EQ(settings.textColour, 0xABCDEF);
}

TEST(QuickInputForm, AcceptsEmptyWordsAndKeeps28BytesOfOneLine) {
  LocalSettings settings;
  QuickInputForm form = quickInputFormFrom(settings);
  EXPECT_EQ(form.word1, "出社");
  EXPECT_EQ(form.word2, "帰宅");
  form.word1 = "";
  form.word2 = std::string(13, 'x') + "外出中です。";  // 13 + 12 bytes
  storeQuickInputForm(settings, form);
  EXPECT_EQ(settings.quickInputWord1, "");
  EXPECT_EQ(settings.quickInputWord2, form.word2);

  form.word1 = std::string(27, 'a') + "会";  // 29 bytes: the character does not fit
  form.word2 = "在席\r\n2行目";
  storeQuickInputForm(settings, form);
  EXPECT_EQ(settings.quickInputWord1, std::string(27, 'a'));
  EXPECT_EQ(settings.quickInputWord2, "在席");
}

TEST(SharedLocationForm, StoresTheFolderUnlessTheProgramRunsFromAUncPath) {
  LocalSettings settings;
  settings.sharedSettingsFolder = "\\\\srv\\共有\\wabo";
  SharedLocationForm local = sharedLocationFormFrom(settings, "C:\\Wabo");
  EXPECT_FALSE(local.fromUnc);
  EXPECT_EQ(local.folder, settings.sharedSettingsFolder);
  local.folder = "D:\\表示\\設定";  // 表 has the trail byte '\'
  storeSharedLocationForm(settings, local);
  EXPECT_EQ(settings.sharedSettingsFolder, "D:\\表示\\設定");

  SharedLocationForm unc = sharedLocationFormFrom(settings, "\\\\srv\\apps\\wabo");
  EXPECT_TRUE(unc.fromUnc);
  EXPECT_EQ(unc.folder, "D:\\表示\\設定");  // shown greyed
  unc.folder = "E:\\other";
  storeSharedLocationForm(settings, unc);
  EXPECT_EQ(settings.sharedSettingsFolder, "D:\\表示\\設定");

  // Mapped drive letters are not UNC paths.
  EXPECT_FALSE(sharedLocationFormFrom(settings, "Z:\\wabo").fromUnc);

  // 254 bytes at most; the empty text means the program folder.
  local.folder = "C:\\" + std::string(300, 'f');
  storeSharedLocationForm(settings, local);
  EXPECT_EQ(settings.sharedSettingsFolder.size(), 254u);
  local.folder = "";
  storeSharedLocationForm(settings, local);
  EXPECT_EQ(settings.sharedSettingsFolder, "");
}
