#include "settings/user_settings_forms.h"

#include <cstdint>

#include "common/decimal.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "common/messages.h"

namespace wabo {
namespace {

std::string unsignedText(int value) { return std::to_string(static_cast<std::uint32_t>(value)); }

// The field's unsigned 32-bit value, as the int it is stored as; 0 for text
// that is no unsigned number.
int unsignedValue(const std::string& text) {
  const long long value = plainNumber(text, UINT32_MAX);
  return value < 0 ? 0 : static_cast<int>(static_cast<std::uint32_t>(value));
}

}  // namespace

DisplayForm displayFormFrom(const LocalSettings& settings) {
  DisplayForm form;
  form.showIcons = settings.showIcons;
  form.showGridLines = settings.showGridLines;
  form.fontSizeText = unsignedText(settings.fontSize);
  form.rowHeightText = unsignedText(settings.rowHeight);
  form.backgroundColour = settings.backgroundColour;
  form.textColour = settings.textColour;
  form.markOverdueRows = settings.markOverdueRows;
  return form;
}

void storeDisplayForm(LocalSettings& settings, const DisplayForm& form) {
  settings.showIcons = form.showIcons == 1 ? 1 : 0;
  settings.showGridLines = form.showGridLines == 1 ? 1 : 0;
  settings.fontSize = unsignedValue(form.fontSizeText);
  settings.rowHeight = unsignedValue(form.rowHeightText);
  settings.backgroundColour = form.backgroundColour;
  settings.textColour = form.textColour;
  settings.markOverdueRows = form.markOverdueRows;
}

QuickInputForm quickInputFormFrom(const LocalSettings& settings) {
  return {settings.quickInputWord1, settings.quickInputWord2};
}

void storeQuickInputForm(LocalSettings& settings, const QuickInputForm& form) {
  settings.quickInputWord1 = singleLineFieldText(form.word1, kShortTextBytes);
  settings.quickInputWord2 = singleLineFieldText(form.word2, kShortTextBytes);
}

AutoUpdateForm autoUpdateFormFrom(const LocalSettings& settings, int pcSearchAllowed) {
  AutoUpdateForm form;
  form.enabled = settings.autoUpdateEnabled;
  form.minutesText = settings.autoUpdateMinutesText;
  form.pcSearch = settings.autoPcSearch;
  form.connectedColour = settings.connectedColour;
  form.notConnectedColour = settings.notConnectedColour;
  form.pcSearchAllowed = pcSearchAllowed != 0;
  return form;
}

const char* checkAutoUpdateForm(const AutoUpdateForm& form) {
  if (form.enabled != 1) return nullptr;
  const int minutes = integerValueOf(fieldText(form.minutesText, kShortTextBytes));
  if (minutes <= 0 || minutes >= 1000) return msg::kMinutesOutOfRange;
  if (form.pcSearch == 1 && minutes < 10) return msg::kMinutesTooShortForSearch;
  return nullptr;
}

void storeAutoUpdateForm(LocalSettings& settings, const AutoUpdateForm& form) {
  settings.autoPcSearch = form.pcSearch == 1 ? 1 : 0;
  settings.autoUpdateEnabled = form.enabled == 1 ? 1 : 0;
  settings.connectedColour = form.connectedColour;
  settings.notConnectedColour = form.notConnectedColour;
  settings.autoUpdateMinutesText = std::to_string(integerValueOf(fieldText(form.minutesText, kShortTextBytes)));
}

SharedLocationForm sharedLocationFormFrom(const LocalSettings& settings, const std::string& programFolder) {
  return {settings.sharedSettingsFolder, isUncFolder(programFolder)};
}

void storeSharedLocationForm(LocalSettings& settings, const SharedLocationForm& form) {
  if (form.fromUnc) return;
  settings.sharedSettingsFolder = singleLineFieldText(form.folder, kPathBytes);
}

}  // namespace wabo
