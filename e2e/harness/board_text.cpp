#include "harness/board_text.h"

namespace e2e {

namespace {
const char kLineEnd[] = "\r\n";
}

std::string memberLineText(const MemberLine& m) {
  return m.id + "," + std::to_string(m.icon) + "," + m.name + "," + m.destination + "," +
         m.returnTime + "," + m.writeTime + "," + m.mobile + "," + m.contact + "," + m.schedule +
         "," + m.other + "," + m.pcName;
}

std::string BoardText::bytes() const {
  std::string out = mark + "," + std::to_string(stamp) + "," + kLineEnd;
  out += "ID,Icon No.,";
  for (size_t i = 0; i < 8; ++i) out += (i < captions.size() ? captions[i] : std::string()) + ",";
  out += std::string("PC-Name") + kLineEnd;
  if (!rawRows.empty()) {
    for (const std::string& line : rawRows) out += line + kLineEnd;
  } else {
    for (const MemberLine& m : members) out += memberLineText(m) + kLineEnd;
  }
  out += std::string("END,") + kLineEnd;
  out += message + kLineEnd;
  return out;
}

std::string SharedSettingsText::bytes() const {
  std::string out;
  for (int i = 0; i < 5; ++i) {
    out += "[ﾎﾞｰﾄﾞ" + std::to_string(i + 1) + "]" + kLineEnd;
    out += boardNames[i] + kLineEnd;
    out += boardPaths[i] + kLineEnd;
  }
  out += std::string("[ﾒｰﾙﾌｫﾙﾀﾞ]") + kLineEnd + mailFolder + kLineEnd;
  out += std::string("[ﾊﾞｯｸｱｯﾌﾟ設定]") + kLineEnd + std::to_string(backupEnabled) + kLineEnd;
  out += std::string("[起動時ID入力設定]") + kLineEnd + std::to_string(askUserIdAtStart) + kLineEnd;
  out += std::string("[PC接続ｻｰﾁ許可]") + kLineEnd + std::to_string(pcSearchAllowed) + kLineEnd;
  out += std::string("[行き先ﾘｽﾄ]") + kLineEnd;
  for (const std::string& word : destinations) out += word + kLineEnd;
  return out;
}

LocalSettingsFile::LocalSettingsFile() {
  const int widths[10] = {70, 70, 70, 70, 105, 90, 150, 150, -1, 0};
  for (int b = 0; b < 5; ++b) {
    for (int c = 0; c < 10; ++c) {
      columnWidths[b][c] = widths[c];
      columnOrder[b][c] = c;
    }
  }
}

namespace {
std::string joined(const int* values, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += (i ? "," : "") + std::to_string(values[i]);
  return out;
}
}  // namespace

std::string LocalSettingsFile::bytes() const {
  std::string out = std::string("[表示位置]") + kLineEnd + joined(window, 4) + kLineEnd;
  out += std::string("[ｶﾗﾑｻｲｽﾞ]") + kLineEnd;
  for (const auto& board : columnWidths) out += joined(board, 10) + kLineEnd;
  out += std::string("[列順]") + kLineEnd;
  for (const auto& board : columnOrder) out += joined(board, 10) + kLineEnd;
  out += std::string("[自分のID]") + kLineEnd + userId + kLineEnd;
  out += std::string("[選択ﾎﾞｰﾄﾞ]") + kLineEnd + std::to_string(selectedBoard) + kLineEnd;
  out += std::string("[ｸｲｯｸ入力設定]") + kLineEnd + quickInputWord1 + kLineEnd + quickInputWord2 + kLineEnd;
  out += std::string("[Wabo.iniﾌｧｲﾙの位置]") + kLineEnd + sharedSettingsFolder + kLineEnd;
  out += std::string("[その他]") + kLineEnd;
  for (int key : sortKeys) out += std::to_string(key) + ",";
  out += joined(display, 10) + kLineEnd;
  return out;
}

std::vector<std::string> fileLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace e2e
