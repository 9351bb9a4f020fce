// The reader of a whole board file.
#include <cstdio>
#include <memory>

#include "board/board_file.h"
#include "board/board_fingerprint.h"
#include "board/board_head_line.h"
#include "board/columns.h"
#include "board/lock_wait.h"
#include "common/limits.h"

namespace wabo {

namespace {

constexpr std::size_t kReadBufferBytes = 64 * 1024;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The rest of a line after a field that ended with `end`: up to the CR and
// the byte after it.
void finishLine(BoardByteReader& reader, FieldEnd end) {
  if (end == FieldEnd::kComma) end = reader.skipField(Delimiters::kCr);
  if (end == FieldEnd::kCr) reader.skipByte();
}

// "ID,Icon No.," then the eight column names, then "PC-Name". A caption line
// that ends early leaves the missing names empty.
void readCaptionLine(BoardByteReader& reader, BoardFile& out) {
  FieldEnd end = reader.skipField(Delimiters::kCommaOrCr);
  if (end == FieldEnd::kComma) end = reader.skipField(Delimiters::kCommaOrCr);
  for (std::string& name : out.columnNames) {
    if (end == FieldEnd::kComma) {
      end = reader.readField(name, kShortTextBytes, Delimiters::kCommaOrCr);
    } else {
      name.clear();
    }
  }
  finishLine(reader, end);
}

// Member rows up to the end line. Rows beyond the limit are read and
// dropped, so that the end line and the message behind them still count.
// Returns false when the rows ran into the end of the file.
bool readRows(BoardByteReader& reader, std::vector<MemberRow>& rows) {
  MemberRow row;
  std::string text;
  for (int ordinal = 0;; ++ordinal) {
    std::string& id = row.texts[kIdColumn];
    FieldEnd end = reader.readField(id, kColumns[kIdColumn].bufferBytes, Delimiters::kComma);
    if (end == FieldEnd::kEof) return false;
    if (id == "END") {
      end = reader.skipField(Delimiters::kCr);
      if (end == FieldEnd::kEof) return false;
      reader.skipByte();
      return true;
    }
    end = reader.readField(text, kShortTextBytes, Delimiters::kCommaOrCr);
    std::int32_t icon = 0;
    if (!parseDecimal(text, icon) || icon < 0 || icon >= kMemberIconCount) icon = 0;
    row.iconNumber = icon;
    for (int column = 1; column < kColumnCount; ++column) {
      std::string& field = row.texts[column];
      field.clear();
      if (end != FieldEnd::kComma) continue;
      // The PC name, last on the line, keeps its commas.
      end = reader.readField(field, kColumns[column].bufferBytes,
                             column == kPcNameColumn ? Delimiters::kCr : Delimiters::kCommaOrCr);
    }
    if (end == FieldEnd::kCr) reader.skipByte();
    if (ordinal < kMaxBoardRows) rows.push_back(row);
  }
}

}  // namespace

bool readBoardFile(const std::string& path, BoardFile& out, LockHolder lock) {
  if (lock == LockHolder::kAnotherCopy && !lockGoneSoon(lockFilePath(path))) return false;
  // The buffer outlives the stream that uses it.
  std::unique_ptr<char[]> buffer(new char[kReadBufferBytes]);
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  std::setvbuf(file.get(), buffer.get(), _IOFBF, kReadBufferBytes);

  BoardByteReader reader(file.get());
  FieldEnd end;
  // A wrong mark has been reported by the check that ran before.
  if (readHeadLine(reader, out.boardStamp, end) != HeadLine::kOk) return false;
  finishLine(reader, end);
  readCaptionLine(reader, out);
  out.rows.clear();
  out.allMembersMessage.clear();
  if (readRows(reader, out.rows)) reader.readField(out.allMembersMessage, kPathBytes, Delimiters::kCommaOrCr);
  // The bytes just read, for the save to tell whether the file has changed.
  out.fileSeen = fingerprintOfFile(file.get());
  return true;
}

}  // namespace wabo
