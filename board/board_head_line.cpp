#include "board/board_head_line.h"

#include <string>

namespace wabo {

namespace {

// A stamp has at most ten digits; a sign and a blank or two give it room.
// A stamp field that has not ended by then belongs to a damaged head line,
// and reading on would run through the whole file at every check.
constexpr std::size_t kStampFieldBytes = 12;

// The stamp field up to its ',', CR or the end of the file; false when it
// runs past the cap.
bool readStampField(BoardByteReader& reader, std::string& text, FieldEnd& end) {
  text.clear();
  for (char c; text.size() <= kStampFieldBytes;) {
    if (reader.readBytes(&c, 1) != 1) {
      end = FieldEnd::kEof;
      return true;
    }
    if (c == ',' || c == '\r') {
      end = c == ',' ? FieldEnd::kComma : FieldEnd::kCr;
      return true;
    }
    text.push_back(c);
  }
  return false;
}

}  // namespace

HeadLine readHeadLine(BoardByteReader& reader, std::int32_t& stamp, FieldEnd& stampEnd) {
  char mark[3] = {};
  // The third byte (the comma) is read but not examined.
  std::size_t n = reader.readBytes(mark, sizeof mark);
  if (n < 2 || mark[0] != 'W' || mark[1] != '2') return HeadLine::kWrongMark;
  std::string text;
  // A stamp that is not a number, or does not end, means a damaged head
  // line: the file is not taken as a board, the same as a missing one.
  if (!readStampField(reader, text, stampEnd)) return HeadLine::kBadStamp;
  if (!parseDecimal(text, stamp)) return HeadLine::kBadStamp;
  return HeadLine::kOk;
}

}  // namespace wabo
