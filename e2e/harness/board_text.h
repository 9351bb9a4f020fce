// The files that a test puts into a program folder, built from their parts:
// board files and the shared settings file Wabo.ini. The texts are
// Shift-JIS bytes (the driver's literals are compiled to code page 932).
#pragma once
#include <string>
#include <vector>

namespace e2e {

struct MemberLine {
  std::string id;
  int icon = 0;
  std::string name, destination, returnTime, writeTime;
  std::string mobile, contact, schedule, other, pcName;
};

// One member row of a board file, without the line end.
std::string memberLineText(const MemberLine& member);

struct BoardText {
  std::string mark = "W2";
  long stamp = 1;
  std::vector<std::string> captions = {"名前", "行き先", "戻り予定", "書込日時",
                                       "携帯番号", "連絡事項", "予定", "その他"};
  std::vector<MemberLine> members;
  std::string message;
  // Lines placed verbatim in place of the member rows, when not empty.
  std::vector<std::string> rawRows;

  // The whole file: head line, caption line, rows, "END,", message, CR LF ends.
  std::string bytes() const;
};

// The shared settings file, 44 lines with CR LF ends.
struct SharedSettingsText {
  std::string boardNames[5] = {"ﾎﾞｰﾄﾞ1", "ﾎﾞｰﾄﾞ2", "ﾎﾞｰﾄﾞ3", "ﾎﾞｰﾄﾞ4", "ﾎﾞｰﾄﾞ5"};
  std::string boardPaths[5];
  std::string mailFolder;
  int backupEnabled = 1;
  int askUserIdAtStart = 0;
  int pcSearchAllowed = 1;
  std::string destinations[20] = {"事務所", "会議室", "出張", "休み"};

  std::string bytes() const;
};

// The local settings file WaboM.ini, 25 lines with CR LF ends; the defaults
// are those of a first start.
struct LocalSettingsFile {
  LocalSettingsFile();
  int window[4] = {119, 135, 648, 338};
  int columnWidths[5][10];
  int columnOrder[5][10];
  std::string userId;
  int selectedBoard = 1;
  std::string quickInputWord1 = "出社";
  std::string quickInputWord2 = "帰宅";
  std::string sharedSettingsFolder;
  int sortKeys[5] = {0, 0, 0, 0, 0};
  // showGridLines, backgroundColour, textColour, autoUpdateMinutes, showIcons,
  // rowHeight, fontSize, autoPcSearch, connectedColour, notConnectedColour
  int display[10] = {1, 16056319, 0, 10, 1, 16, 12, 0, 13697023, 14737632};

  std::string bytes() const;
};

// The lines of a text file without their CR LF ends.
std::vector<std::string> fileLines(const std::string& bytes);

}  // namespace e2e
