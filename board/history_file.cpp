#include "board/history_file.h"

#include <cstdio>
#include <memory>

#include "common/checked_file.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

long sizeOf(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  return std::ftell(file);
}

// At most `budget` bytes from the end of `file`; `cut` tells whether the file
// held more. A size past what the stream's offsets reach counts as more.
std::string tailOf(std::FILE* file, std::size_t budget, bool& cut) {
  const long size = sizeOf(file);
  cut = size < 0 || static_cast<unsigned long>(size) > budget;
  const int seek = cut ? std::fseek(file, -static_cast<long>(budget), SEEK_END) : std::fseek(file, 0, SEEK_SET);
  if (seek != 0) return std::string();
  std::string bytes(budget, '\0');
  bytes.resize(std::fread(&bytes[0], 1, budget, file));
  return bytes;
}

// Whole lines only: what comes before the first line end of a cut tail is
// the end of an older line.
void dropPartFirstLine(std::string& bytes) {
  const std::size_t lf = bytes.find('\n');
  bytes.erase(0, lf == std::string::npos ? bytes.size() : lf + 1);
}

// A file whose last line was cut short (a full disk, another program) gets
// a line end first: the new lines must not run into that one.
std::string afterLastLine(const std::string& bytesBefore, const std::string& lines) {
  return bytesBefore.empty() || bytesBefore.back() == '\n' ? lines : "\r\n" + lines;
}

// Appends when the file stays within the limit; false with `full` set when
// it would pass it (nothing written then).
bool appendWithin(const std::string& path, const std::string& newLines, bool& full) {
  std::FILE* file = std::fopen(path.c_str(), "a+b");
  if (!file) return false;
  const long size = sizeOf(file);
  std::string last;
  if (size > 0 && std::fseek(file, -1, SEEK_END) == 0) last.assign(1, static_cast<char>(std::fgetc(file)));
  const std::string lines = afterLastLine(last, newLines);
  full = size < 0 || static_cast<unsigned long>(size) + lines.size() > kHistoryMaxBytes;
  // The writes of an append stream go to the end wherever it was read.
  std::fseek(file, 0, SEEK_END);
  const bool written = !full && std::fwrite(lines.data(), 1, lines.size(), file) == lines.size();
  const bool flushed = std::fflush(file) == 0;
  return (std::fclose(file) == 0) && written && flushed;
}

const std::size_t kFieldBytes[] = {kHistoryTimeBytes, kShortTextBytes, kShortTextBytes,   kShortTextBytes,
                                   kShortTextBytes,   kShortTextBytes, kHistoryTextBytes, kHistoryTextBytes};

HistoryEntry entryOf(std::string_view line) {
  HistoryEntry entry;
  std::string* fields[] = {&entry.time, &entry.userId,  &entry.pcName,  &entry.memberId,
                           &entry.kind, &entry.column, &entry.oldText, &entry.newText};
  std::size_t start = 0;
  for (std::size_t i = 0; i < 8 && start <= line.size(); ++i) {
    std::size_t end = line.find(',', start);
    if (end == std::string_view::npos) end = line.size();
    *fields[i] = sjis::cut(line.substr(start, end - start), textLimit(kFieldBytes[i]));
    start = end + 1;
  }
  return entry;
}

}  // namespace

std::string historyPath(const std::string& boardPath) { return boardPath + ".his"; }

bool appendHistory(const std::string& path, const std::string& lines) {
  if (lines.empty()) return true;
  bool full = false;
  if (appendWithin(path, lines, full)) return true;
  if (!full) return false;
  std::string kept;
  {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    bool cut = false;
    kept = tailOf(file.get(), kHistoryMaxBytes / 2, cut);
    if (cut) dropPartFirstLine(kept);
  }
  return writeFileReplacing(path, path + ".new", kept + afterLastLine(kept, lines));
}

std::vector<HistoryEntry> parseHistory(std::string_view bytes, bool& cutAtStart) {
  std::vector<HistoryEntry> entries;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) entries.push_back(entryOf(line));
    start = end + 1;
  }
  if (entries.size() > kHistoryMaxEntries) {
    entries.erase(entries.begin(), entries.end() - static_cast<std::ptrdiff_t>(kHistoryMaxEntries));
    cutAtStart = true;
  }
  return entries;
}

HistoryRead readHistory(const std::string& path) {
  HistoryRead read;
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return read;
  read.readable = true;
  std::string bytes = tailOf(file.get(), kHistoryMaxBytes, read.cutAtStart);
  if (read.cutAtStart) dropPartFirstLine(bytes);
  read.entries = parseHistory(bytes, read.cutAtStart);
  return read;
}

}  // namespace wabo
