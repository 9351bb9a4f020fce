// The 25 lines of WaboM.ini, read by position and written byte for byte.
#include <cstdio>
#include <string>

#include "settings/added_section.h"
#include "settings/local_settings.h"
#include "settings/positional_reader.h"

namespace wabo {

namespace {

static_assert(sizeof(int) == 4, "the settings hold 32-bit integers");

const char kHeaderWindow[] = "[表示位置]";
const char kHeaderWidths[] = "[ｶﾗﾑｻｲｽﾞ]";
const char kHeaderOrder[] = "[列順]";
const char kHeaderUserId[] = "[自分のID]";
const char kHeaderBoard[] = "[選択ﾎﾞｰﾄﾞ]";
const char kHeaderQuickInput[] = "[ｸｲｯｸ入力設定]";
const char kHeaderSharedFolder[] = "[Wabo.iniﾌｧｲﾙの位置]";
const char kHeaderOther[] = "[その他]";

// Line limits of the reader (the bytes read for one text line).
constexpr std::size_t kUserIdLine = 30;
constexpr std::size_t kQuickWordLine = 30;
constexpr std::size_t kFolderLine = 256;

void readAll(LocalSettings& s, PositionalReader& in) {
  in.skipHeaderLine();
  in.scan("%d,%d,%d,%d\n", {&s.windowLeft, &s.windowTop, &s.windowWidth, &s.windowHeight});

  in.skipHeaderLine();
  for (auto& widths : s.columnWidths) {
    for (int column = 0; column < kColumnCount - 1; ++column) in.scan("%d,", {&widths[column]});
    in.scan("%d\n", {&widths[kColumnCount - 1]});
  }

  in.skipHeaderLine();
  for (auto& o : s.columnOrder) {
    in.scan("%d,%d,%d,%d,%d,%d,%d,%d,%d,%d", {&o[0], &o[1], &o[2], &o[3], &o[4], &o[5], &o[6], &o[7], &o[8], &o[9]});
    in.get();  // CR
    in.get();  // LF
  }

  in.skipHeaderLine();
  in.readTextLine(kUserIdLine, s.userId);

  in.skipHeaderLine();
  in.scan("%d\n", {&s.selectedBoard});

  in.skipHeaderLine();
  in.readTextLine(kQuickWordLine, s.quickInputWord1);
  in.readTextLine(kQuickWordLine, s.quickInputWord2);

  in.skipHeaderLine();
  in.readTextLine(kFolderLine, s.sharedSettingsFolder);

  in.skipHeaderLine();
  for (int& key : s.sortKeys) in.scan("%d,", {&key});
  in.scan("%d,%d,%d,%d,%d,%d,%d,%d,%d,%d",
          {&s.showGridLines, &s.backgroundColour, &s.textColour, &s.autoUpdateMinutes, &s.showIcons, &s.rowHeight,
           &s.fontSize, &s.autoPcSearch, &s.connectedColour, &s.notConnectedColour});
}

void line(std::string& out, const std::string& text) {
  out += text;
  out += "\r\n";
}

std::string joined(const std::array<int, kColumnCount>& values) {
  std::string text;
  for (int i = 0; i < kColumnCount; ++i) {
    if (i > 0) text += ',';
    text += std::to_string(values[i]);
  }
  return text;
}

std::string format(const LocalSettings& s) {
  std::string out;
  line(out, kHeaderWindow);
  line(out, std::to_string(s.windowLeft) + "," + std::to_string(s.windowTop) + "," + std::to_string(s.windowWidth) +
                "," + std::to_string(s.windowHeight));
  line(out, kHeaderWidths);
  for (const auto& widths : s.columnWidths) line(out, joined(widths));
  line(out, kHeaderOrder);
  for (const auto& order : s.columnOrder) line(out, joined(order));
  line(out, kHeaderUserId);
  line(out, s.userId);
  line(out, kHeaderBoard);
  line(out, std::to_string(s.selectedBoard));
  line(out, kHeaderQuickInput);
  line(out, s.quickInputWord1);
  line(out, s.quickInputWord2);
  line(out, kHeaderSharedFolder);
  line(out, s.sharedSettingsFolder);
  line(out, kHeaderOther);
  std::string other;
  for (int key : s.sortKeys) other += std::to_string(key) + ",";
  const int rest[] = {s.showGridLines, s.backgroundColour, s.textColour,   s.autoUpdateMinutes, s.showIcons,
                      s.rowHeight,     s.fontSize,         s.autoPcSearch, s.connectedColour,   s.notConnectedColour};
  for (std::size_t i = 0; i < sizeof rest / sizeof rest[0]; ++i) {
    if (i > 0) other += ',';
    other += std::to_string(rest[i]);
  }
  line(out, other);
  return out;
}

}  // namespace

bool readLocalSettingsFile(LocalSettings& settings, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  PositionalReader in(file);
  readAll(settings, in);
  readAddedSection(in, settings);
  std::fclose(file);
  keepLocalSettingsInRange(settings);
  return true;
}

bool writeLocalSettingsFile(const LocalSettings& settings, const std::string& path) {
  const std::string bytes = format(settings) + addedSectionBytes(settings);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = (std::fclose(file) == 0) && written;
  return written;
}

}  // namespace wabo
