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

void appendHead(std::string& out, const std::array<std::string, kColumnNameCount>& columnNames, int stamp) {
  out += "W2," + std::to_string(stamp) + ",\r\n";
  out += "ID,Icon No.,";
  for (const std::string& name : columnNames) out += forFile(name, kShortTextBytes, false) + ",";
  out += "PC-Name\r\n";
}

void appendTail(std::string& out, const std::string& message) {
  out += "END,\r\n";
  out += forFile(message, kPathBytes, false) + "\r\n";
}

}  // namespace

BoardContent boardContent(const MemberList& list, const BoardState& board) {
  BoardContent content;
  content.known = true;
  const int n = list.rowCount();
  content.rows.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    MemberRow& row = content.rows[static_cast<std::size_t>(i)];
    for (int c = 0; c < kColumnCount; ++c) {
      const std::size_t bytes = kColumns[c].bufferBytes;
      row.texts[c] = forFile(list.text(i, c, bytes), bytes, c == kPcNameColumn);
    }
    row.iconNumber = list.image(i);
  }
  for (std::size_t i = 0; i < content.columnNames.size(); ++i)
    content.columnNames[i] = forFile(board.columnNames[i], kShortTextBytes, false);
  content.allMembersMessage = forFile(board.allMembersMessage, kPathBytes, false);
  return content;
}

std::string boardFileBytes(const BoardContent& content, int stamp) {
  std::string out;
  appendHead(out, content.columnNames, stamp);
  out.reserve(out.size() + content.rows.size() * 128 + 300);
  for (const MemberRow& row : content.rows) {
    for (int c = 0; c < kColumnCount; ++c) {
      out += row.texts[c];
      if (c == kIdColumn) out += "," + std::to_string(row.iconNumber);
      out += c == kPcNameColumn ? "\r\n" : ",";
    }
  }
  appendTail(out, content.allMembersMessage);
  return out;
}

std::string boardFileBytes(const MemberList& list, const BoardState& board, int stamp) {
  return boardFileBytes(boardContent(list, board), stamp);
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
  appendHead(out, board.columnNames, stamp);
  out += "ID,0,名前,,,,,,,,\r\n";
  appendTail(out, " “全メンバーへのメッセージ” 記入欄");
  return out;
}

}  // namespace wabo
