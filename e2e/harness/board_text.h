// The files that a test puts into a folder, built from their parts: board
// files, the shared Wabo.ini and the local WaboM.ini, with CR LF line ends.
// Texts are Shift-JIS bytes (the driver's literals are compiled to code page 932).
#pragma once
#include <algorithm>
#include <string>
#include <vector>

namespace e2e {

const std::string kLineEnd = "\r\n";

struct MemberLine {
  std::string id;
  int icon = 0;
  std::string name, destination, returnTime, writeTime, mobile, contact, schedule, other, pcName;
};

struct BoardText {
  std::string mark = "W2";
  long stamp = 1;
  std::vector<std::string> captions = {"名前",     "行き先",   "戻り予定", "書込日時",
                                       "携帯番号", "連絡事項", "予定",     "その他"};
  std::vector<MemberLine> members;
  std::string message;

  std::string bytes() const {
    std::string out = mark + "," + std::to_string(stamp) + "," + kLineEnd + "ID,Icon No.,";
    for (const std::string& caption : captions) out += caption + ",";
    out += "PC-Name" + kLineEnd;
    for (const MemberLine& m : members)
      out += m.id + "," + std::to_string(m.icon) + "," + m.name + "," + m.destination + "," + m.returnTime + "," +
             m.writeTime + "," + m.mobile + "," + m.contact + "," + m.schedule + "," + m.other + "," + m.pcName +
             kLineEnd;
    return out + "END," + kLineEnd + message + kLineEnd;
  }
};

struct SharedSettingsText {
  std::string boardNames[5] = {"ﾎﾞｰﾄﾞ1", "ﾎﾞｰﾄﾞ2", "ﾎﾞｰﾄﾞ3", "ﾎﾞｰﾄﾞ4", "ﾎﾞｰﾄﾞ5"};
  std::string boardPaths[5];
  std::string mailFolder;
  int backupEnabled = 1, askUserIdAtStart = 0, pcSearchAllowed = 1;

  std::string bytes() const {
    std::string out;
    for (int i = 0; i < 5; ++i)
      out += "[ﾎﾞｰﾄﾞ" + std::to_string(i + 1) + "]" + kLineEnd + boardNames[i] + kLineEnd + boardPaths[i] + kLineEnd;
    out += "[ﾒｰﾙﾌｫﾙﾀﾞ]" + kLineEnd + mailFolder + kLineEnd;
    out += "[ﾊﾞｯｸｱｯﾌﾟ設定]" + kLineEnd + std::to_string(backupEnabled) + kLineEnd;
    out += "[起動時ID入力設定]" + kLineEnd + std::to_string(askUserIdAtStart) + kLineEnd;
    out += "[PC接続ｻｰﾁ許可]" + kLineEnd + std::to_string(pcSearchAllowed) + kLineEnd;
    out += "[行き先ﾘｽﾄ]" + kLineEnd + "事務所" + kLineEnd + "会議室" + kLineEnd + "出張" + kLineEnd + "休み" + kLineEnd;
    for (int i = 4; i < 20; ++i) out += kLineEnd;
    return out;
  }
};

// WaboM.ini as a first start writes it, but for these values.
struct LocalSettingsFile {
  int board1Column8 = -1;  // the width the fill rule works out, once written
  std::string userId;
  std::string sharedSettingsFolder;  // where Wabo.ini is; "" beside the program
  int autoUpdateMinutes = 10, autoPcSearch = 0;

  std::string bytes() const {
    std::string out = "[表示位置]" + kLineEnd + "119,135,648,338" + kLineEnd + "[ｶﾗﾑｻｲｽﾞ]" + kLineEnd;
    for (int board = 0; board < 5; ++board)
      out += "70,70,70,70,105,90,150,150," + std::to_string(board ? -1 : board1Column8) + ",0" + kLineEnd;
    out += "[列順]" + kLineEnd;
    for (int board = 0; board < 5; ++board) out += "0,1,2,3,4,5,6,7,8,9" + kLineEnd;
    out += "[自分のID]" + kLineEnd + userId + kLineEnd + "[選択ﾎﾞｰﾄﾞ]" + kLineEnd + "1" + kLineEnd;
    out += "[ｸｲｯｸ入力設定]" + kLineEnd + "出社" + kLineEnd + "帰宅" + kLineEnd;
    out += "[Wabo.iniﾌｧｲﾙの位置]" + kLineEnd + sharedSettingsFolder + kLineEnd + "[その他]" + kLineEnd;
    // Five sort keys, grid lines, background and text colours, minutes,
    // icons, row height, font size, automatic search, the search marks' colours.
    return out + "0,0,0,0,0,1,16056319,0," + std::to_string(autoUpdateMinutes) + ",1,16,12," +
           std::to_string(autoPcSearch) + ",13697023,14737632" + kLineEnd;
  }
};

// The lines of a text file without their CR LF ends.
inline std::vector<std::string> fileLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < bytes.size(); start = end + kLineEnd.size()) {
    end = std::min(bytes.find(kLineEnd, start), bytes.size());
    lines.push_back(bytes.substr(start, end - start));
  }
  return lines;
}

}  // namespace e2e
