#include "board/board_head_line.h"

#include <string>

#include "common/limits.h"

namespace wabo {

HeadLine readHeadLine(BoardByteReader& reader, std::int32_t& stamp, FieldEnd& stampEnd) {
  char mark[3] = {};
  // The third byte (the comma) is read but not examined.
  std::size_t n = reader.readBytes(mark, sizeof mark);
  if (n < 2 || mark[0] != 'W' || mark[1] != '2') return HeadLine::kWrongMark;
  std::string text;
  stampEnd = reader.readField(text, kShortTextBytes, Delimiters::kCommaOrCr);
  // A stamp that is not a number means a damaged head line: the file is not
  // taken as a board, the same as a missing one.
  if (!parseDecimal(text, stamp)) return HeadLine::kBadStamp;
  return HeadLine::kOk;
}

}  // namespace wabo
