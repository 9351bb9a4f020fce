// A stand-in for an older copy of the program on the same board: it follows
// the file protocol as those copies do. It tests for lock.dat and then
// creates it (empty), a step apart; writes the board in place (backup off:
// the file is truncated and written line by line) and deletes lock.dat at
// the end, whoever made it. It never looks at the file again before writing
// (no catch-up).
#pragma once
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace wabo::testing {

class OlderCopy {
 public:
  explicit OlderCopy(std::string boardPath)
      : path_(std::move(boardPath)), lock_(path_.substr(0, path_.find_last_of('/') + 1) + "lock.dat") {}

  // Reads the board unless lock.dat is there; the lines between the caption
  // line and END, as they are.
  bool load() {
    if (exists(lock_) || !exists(path_)) return false;
    const std::string bytes = readFile(path_);
    rows_ = fileRows(bytes);
    const std::size_t end = bytes.find("\r\nEND,\r\n");
    message_ = end == std::string::npos ? "" : bytes.substr(end + 8, bytes.find("\r\n", end + 8) - end - 8);
    return true;
  }
  // Field 3 of the member's row; the write time (field 5) as the older copy's clock gives it.
  void setDestination(const std::string& id, const std::string& word, const std::string& writeTime) {
    for (std::string& row : rows_) {
      std::vector<std::string> fields = split(row);
      if (fields.empty() || fields[0] != id) continue;
      fields[3] = word;
      fields[5] = writeTime;
      row = join(fields);
    }
  }
  // The whole save. `between(n)` runs after the nth line is down (1 = the
  // head line) and before the next: another copy's moment in the middle.
  // `tested` runs between the test for lock.dat and its creation. False
  // when lock.dat was there or the board was missing.
  bool save(int stamp, const std::function<void(int)>& between = {}, const std::function<void()>& tested = {}) {
    if (exists(lock_) || !exists(path_)) return false;
    if (tested) tested();
    std::FILE* lock = std::fopen(lock_.c_str(), "wb");
    if (lock) std::fclose(lock);
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (!file) return false;
    std::vector<std::string> lines = {"W2," + std::to_string(stamp) + ",",
                                      kDefaultCaptionLine.substr(0, kDefaultCaptionLine.size() - 2)};
    lines.insert(lines.end(), rows_.begin(), rows_.end());
    lines.push_back("END,");
    lines.push_back(message_);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string line = lines[i] + "\r\n";
      std::fwrite(line.data(), 1, line.size(), file);
      std::fflush(file);
      if (between) between(static_cast<int>(i) + 1);
    }
    std::fclose(file);
    std::remove(lock_.c_str());
    return true;
  }
  const std::vector<std::string>& rows() const { return rows_; }

  static std::vector<std::string> split(const std::string& row) {
    std::vector<std::string> fields;
    for (std::size_t start = 0, end;; start = end + 1) {
      end = row.find(',', start);
      fields.push_back(row.substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) return fields;
    }
  }

 private:
  static std::string join(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) out += (i ? "," : "") + fields[i];
    return out;
  }

  std::string path_, lock_;
  std::vector<std::string> rows_;
  std::string message_;
};

}  // namespace wabo::testing
