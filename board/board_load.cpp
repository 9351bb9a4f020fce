// The loader: the whole board file into the member list.
#include <cstdio>
#include <memory>

#include "app/list_columns.h"
#include "board/board_file.h"
#include "board/board_fingerprint.h"
#include "board/board_head_line.h"
#include "board/board_save.h"
#include "common/limits.h"
#include "board/lock_wait.h"

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
void readCaptionLine(BoardByteReader& reader, BoardState& board) {
  FieldEnd end = reader.skipField(Delimiters::kCommaOrCr);
  if (end == FieldEnd::kComma) end = reader.skipField(Delimiters::kCommaOrCr);
  for (std::string& name : board.columnNames) {
    if (end == FieldEnd::kComma) {
      end = reader.readField(name, kShortTextBytes, Delimiters::kCommaOrCr);
    } else {
      name.clear();
    }
  }
  finishLine(reader, end);
}

// Member rows up to the end line. Rows beyond the list's limit are read and
// dropped, so that the end line and the message behind them still count.
// Returns false when the rows ran into the end of the file.
bool readRows(BoardByteReader& reader, MemberList& list) {
  std::string id, text;
  for (int ordinal = 0;; ++ordinal) {
    FieldEnd end = reader.readField(id, kShortTextBytes, Delimiters::kComma);
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

    const bool keep = ordinal < kMaxBoardRows;
    int row = keep ? list.insertRow(ordinal, id, icon, ordinal) : -1;
    for (int column = 1; column <= 8 && end == FieldEnd::kComma; ++column) {
      end = reader.readField(text, column <= 4 ? kShortTextBytes : kLongTextBytes, Delimiters::kCommaOrCr);
      if (keep) list.setText(row, column, text);
    }
    if (end == FieldEnd::kComma) {
      end = reader.readField(text, kShortTextBytes, Delimiters::kCr);
      if (keep) list.setText(row, 9, text);
    }
    if (end == FieldEnd::kCr) reader.skipByte();
  }
}

}  // namespace

bool loadBoard(MemberList& list, AppState& app) {
  list.rebuildAppearance();

  BoardState& board = app.board;
  if (!lockGoneSoon(lockFilePath(board.currentBoardPath))) return false;
  // The buffer outlives the stream that uses it.
  std::unique_ptr<char[]> buffer(new char[kReadBufferBytes]);
  File file(std::fopen(board.currentBoardPath.c_str(), "rb"));
  if (!file) return false;
  std::setvbuf(file.get(), buffer.get(), _IOFBF, kReadBufferBytes);

  BoardByteReader reader(file.get());
  std::int32_t stamp = 0;
  FieldEnd end;
  // A wrong mark has been reported by the check that ran before.
  if (readHeadLine(reader, stamp, end) != HeadLine::kOk) return false;
  board.boardStamp = stamp;

  list.beginBulkUpdate();
  list.deleteAllRows();
  finishLine(reader, end);
  readCaptionLine(reader, board);
  rebuildColumns(list, app);

  bool endLineRead = readRows(reader, list);
  board.allMembersMessage.clear();
  if (endLineRead) reader.readField(board.allMembersMessage, kPathBytes, Delimiters::kCommaOrCr);
  // The bytes just read, for the save to tell whether the file has changed.
  board.fileSeen = fingerprintOfFile(file.get());
  file.reset();

  sortAfterLoad(list, app);
  list.endBulkUpdate();
  stampTimes(app.times);
  return true;
}

}  // namespace wabo
