#include "settings/added_section.h"

#include "common/decimal.h"
#include "settings/local_settings.h"

namespace wabo {

namespace {

constexpr std::size_t kAddedLineBytes = 512;
constexpr int kAddedMaxLines = 64;
constexpr char kHistoryWindowName[] = "変更履歴=";
constexpr long long kLargestWindowSide = 10000;
// Written only when the marking of overdue rows is off; "=1" or no line is on.
constexpr char kOverdueMarkingName[] = "戻り予定の強調=";

// "w,h" of two numbers from 0 to 10000; false for anything else.
bool readSize(const std::string& text, int& width, int& height) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  const long long w = plainNumber(std::string_view(text).substr(0, comma), kLargestWindowSide);
  const long long h = plainNumber(std::string_view(text).substr(comma + 1), kLargestWindowSide);
  if (w < 0 || h < 0) return false;
  width = static_cast<int>(w), height = static_cast<int>(h);
  return true;
}

}  // namespace

std::string addedSectionBytes(const LocalSettings& s) {
  std::string lines;
  if (s.historyWindowWidth > 0 && s.historyWindowHeight > 0)
    lines += std::string(kHistoryWindowName) + std::to_string(s.historyWindowWidth) + "," +
             std::to_string(s.historyWindowHeight) + "\r\n";
  if (!s.markOverdueRows) lines += std::string(kOverdueMarkingName) + "0\r\n";
  if (lines.empty()) return lines;
  return std::string(kAddedSectionHeader) + "\r\n" + lines;
}

void readAddedSection(PositionalReader& in, LocalSettings& s) {
  std::string line;
  bool inSection = false;
  for (int n = 0; n < kAddedMaxLines && in.readTextLine(kAddedLineBytes, line); ++n) {
    if (!line.empty() && line.back() == '\n') line.pop_back();
    if (!line.empty() && line.front() == '\n') line.erase(0, 1);
    if (line == kAddedSectionHeader) {
      inSection = true;
    } else if (inSection && line.rfind(kHistoryWindowName, 0) == 0) {
      readSize(line.substr(sizeof kHistoryWindowName - 1), s.historyWindowWidth, s.historyWindowHeight);
    } else if (inSection && line.rfind(kOverdueMarkingName, 0) == 0) {
      const std::string value = line.substr(sizeof kOverdueMarkingName - 1);
      if (value == "0" || value == "1") s.markOverdueRows = value == "1";
    }
    line.clear();
  }
}

}  // namespace wabo
