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

}  // namespace e2e
