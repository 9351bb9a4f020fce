// The head line of a board file: the format mark "W2" and the stamp.
#pragma once
#include <cstdint>

#include "board/board_byte_reader.h"

namespace wabo {

enum class HeadLine { kOk, kWrongMark, kBadStamp };

// Reads the mark (three bytes, of which the first two must be "W2") and the
// stamp field behind it. On kOk the reader stands after the stamp's
// delimiter; `stampEnd` tells which one it was.
HeadLine readHeadLine(BoardByteReader& reader, std::int32_t& stamp, FieldEnd& stampEnd);

}  // namespace wabo
