// Real temporary folders, whole-file reads and writes, board files and a
// loaded program state for the tests.
#pragma once
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/list_columns.h"
#include "tests/fake_member_list.h"
#include "tests/fake_ui.h"

namespace wabo::testing {

// Removed with everything in it at the end of the test.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "wabo-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
inline bool exists(const std::string& path) { return std::filesystem::exists(path); }
// The names in a folder, sorted.
inline std::vector<std::string> filesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// Local time, whatever the machine's time zone.
inline std::time_t localTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900, tm.tm_mon = month - 1, tm.tm_mday = day;
  tm.tm_hour = hour, tm.tm_min = minute, tm.tm_sec = second, tm.tm_isdst = -1;
  return std::mktime(&tm);
}

inline const std::string kDefaultCaptionLine =
    "ID,Icon No.,名前,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定,その他,PC-Name\r\n";

// A board file as the program writes it; rows without their CR LF.
inline std::string boardBytes(int stamp, const std::vector<std::string>& rows, const std::string& message,
                              const std::string& captionLine = kDefaultCaptionLine) {
  std::string s = "W2," + std::to_string(stamp) + ",\r\n" + captionLine;
  for (const std::string& row : rows) s += row + "\r\n";
  return s + "END,\r\n" + message + "\r\n";
}

// The first n lines of a file of CR LF lines.
inline std::string firstLines(const std::string& bytes, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n; ++i) at = bytes.find("\r\n", at) + 2;
  return bytes.substr(0, at);
}

// The member rows of a board file: the lines between the captions and END.
inline std::vector<std::string> fileRows(const std::string& bytes) {
  std::vector<std::string> rows;
  std::size_t at = bytes.find("\r\n", bytes.find("\r\n") + 2) + 2, end;
  for (; (end = bytes.find("\r\n", at)) != std::string::npos && bytes.compare(at, end - at, "END,"); at = end + 2)
    rows.push_back(bytes.substr(at, end - at));
  return rows;
}

// The shown board is `boad1.csv` in a temporary folder; the list's columns
// are made as at window creation.
struct BoardFixture {
  TempFolder folder;
  AppState app;
  FakeMemberList list;

  BoardFixture() {
    app.board.currentBoardPath = folder.file("boad1.csv");
    createColumns(list, app);
  }
  const std::string& boardPath() const { return app.board.currentBoardPath; }
  void writeBoard(const std::string& bytes) const { writeFile(boardPath(), bytes); }
  std::string board() const { return readFile(boardPath()); }
  void lock() const { writeFile(folder.file("lock.dat"), ""); }
};

// One copy of the program over the board file at `path`, without its windows.
struct BoardCopy {
  AppState app;
  FakeMemberList list;
  RecordingUi ui;

  explicit BoardCopy(const std::string& path) {
    app.board.currentBoardPath = path;
    createColumns(list, app);
  }
};

}  // namespace wabo::testing
