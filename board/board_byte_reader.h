// Reading a board file byte by byte through a buffered stream. Every field
// ends at its delimiter, which is consumed and not stored. A field longer
// than its buffer keeps what fits (never half a double-byte character) and
// the rest of it up to the delimiter is skipped, so the following fields
// stay in their places.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace wabo {

enum class FieldEnd { kComma, kCr, kEof };

// Which bytes end a field.
enum class Delimiters {
  kComma,       // only ',' (the ID: a line without a comma runs into the next)
  kCommaOrCr,   // ',' or CR (ordinary fields)
  kCr,          // only CR (pcName keeps its commas)
};

class BoardByteReader {
 public:
  explicit BoardByteReader(std::FILE* file) : file_(file) {}

  // Reads one field into `text`: at most bufferBytes - 1 bytes of it, cut at
  // a character boundary and at a NUL byte; a CR or LF in it becomes a blank.
  FieldEnd readField(std::string& text, std::size_t bufferBytes, Delimiters delimiters);
  // Skips a field without keeping it.
  FieldEnd skipField(Delimiters delimiters);
  // Reads and drops one byte (the LF after a CR). False at the end of file.
  bool skipByte();
  // Reads up to `count` bytes; returns how many there were.
  std::size_t readBytes(char* out, std::size_t count);

 private:
  std::FILE* file_;
};

// A decimal integer as scanf's "%d" takes it from the start of `text`:
// leading blanks, an optional sign, at least one digit; whatever follows the
// digits is ignored. False when there are no digits or the value does not
// fit in 32 bits.
bool parseDecimal(const std::string& text, std::int32_t& value);

}  // namespace wabo
