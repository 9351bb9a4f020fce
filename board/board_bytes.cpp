#include "board/board_bytes.h"

#include "board/columns.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

namespace {

// Comma, CR and LF never occur as trail bytes, so a byte-wise pass is safe.
std::string forFile(const std::string& text, std::size_t bufferBytes, bool keepCommas) {
  std::string out = sjis::cut(text, textLimit(bufferBytes));
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
    if (c == ',' && !keepCommas) c = '/';
  }
  return out;
}

void appendHead(std::string& out, const BoardState& board, int stamp) {
  out += "W2," + std::to_string(stamp) + ",\r\n";
  out += "ID,Icon No.,";
  for (const std::string& name : board.columnNames) out += forFile(name, kShortTextBytes, false) + ",";
  out += "PC-Name\r\n";
}

void appendTail(std::string& out, const std::string& message) {
  out += "END,\r\n";
  out += forFile(message, kPathBytes, false) + "\r\n";
}

}  // namespace

std::string boardFileBytes(const MemberList& list, const BoardState& board, int stamp) {
  std::string out;
  appendHead(out, board, stamp);
  const int n = list.rowCount();
  out.reserve(out.size() + static_cast<std::size_t>(n) * 128 + 300);
  for (int i = 0; i < n; ++i) {
    for (int c = 0; c < kColumnCount; ++c) {
      const std::size_t bytes = kColumns[c].bufferBytes;
      out += forFile(list.text(i, c, bytes), bytes, c == kPcNameColumn);
      if (c == kIdColumn) out += "," + std::to_string(list.image(i));
      out += c == kPcNameColumn ? "\r\n" : ",";
    }
  }
  appendTail(out, board.allMembersMessage);
  return out;
}

bool holdsEndId(const MemberList& list) {
  const int n = list.rowCount();
  for (int i = 0; i < n; ++i)
    if (forFile(list.text(i, kIdColumn, kColumns[kIdColumn].bufferBytes), kColumns[kIdColumn].bufferBytes, false) == "END")
      return true;
  return false;
}

std::string emptyBoardBytes(const BoardState& board, int stamp) {
  std::string out;
  appendHead(out, board, stamp);
  out += "ID,0,名前,,,,,,,,\r\n";
  appendTail(out, " “全メンバーへのメッセージ” 記入欄");
  return out;
}

}  // namespace wabo
