#include "settings/added_section.h"

#include "common/decimal.h"
#include "common/limits.h"
#include "common/sjis.h"
#include "settings/local_settings.h"

namespace wabo {

namespace {

constexpr char kReturnWatchName[] = "戻ったら知らせる=";
// The longest line: the return watch's name and its IDs with commas between.
constexpr std::size_t kAddedLineBytes =
    sizeof kReturnWatchName + kMaxWatchedMembers * (textLimit(kShortTextBytes) + 1) + 2;
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

// "a,b,c": the IDs that a line can hold, at most kMaxWatchedMembers, each
// cut to an ID's length; empty pieces are passed over.
std::vector<std::string> readIds(const std::string& text) {
  std::vector<std::string> ids;
  std::size_t start = 0;
  while (start <= text.size() && ids.size() < kMaxWatchedMembers) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    std::string id = sjis::cut(std::string_view(text).substr(start, comma - start), textLimit(kShortTextBytes));
    if (!id.empty()) ids.push_back(std::move(id));
    start = comma + 1;
  }
  return ids;
}

// The IDs that the line can hold: none with a comma or a line break.
std::string idLine(const std::vector<std::string>& ids) {
  std::string line;
  std::size_t count = 0;
  for (const std::string& id : ids) {
    if (!isStorableWatchId(id) || count == kMaxWatchedMembers) continue;
    line += (count++ == 0 ? "" : ",") + sjis::cut(id, textLimit(kShortTextBytes));
  }
  return line;
}

}  // namespace

bool isStorableWatchId(const std::string& id) {
  return !id.empty() && id.find_first_of(",\r\n") == std::string::npos;
}

std::string addedSectionBytes(const LocalSettings& s) {
  std::string lines;
  if (s.historyWindowWidth > 0 && s.historyWindowHeight > 0)
    lines += std::string(kHistoryWindowName) + std::to_string(s.historyWindowWidth) + "," +
             std::to_string(s.historyWindowHeight) + "\r\n";
  if (!s.markOverdueRows) lines += std::string(kOverdueMarkingName) + "0\r\n";
  const std::string watched = idLine(s.returnWatchIds);
  if (!watched.empty()) lines += kReturnWatchName + watched + "\r\n";
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
    } else if (inSection && line.rfind(kReturnWatchName, 0) == 0) {
      s.returnWatchIds = readIds(line.substr(sizeof kReturnWatchName - 1));
    }
    line.clear();
  }
}

}  // namespace wabo
