#include "board/board_byte_reader.h"

#include "common/decimal.h"
#include "common/platform_file.h"
#include "common/sjis.h"

namespace wabo {

static bool ends(int c, Delimiters delimiters) {
  switch (delimiters) {
    case Delimiters::kComma: return c == ',';
    case Delimiters::kCommaOrCr: return c == ',' || c == '\r';
    case Delimiters::kCr: return c == '\r';
  }
  return false;
}

FieldEnd BoardByteReader::readField(std::string& text, std::size_t bufferBytes, Delimiters delimiters) {
  // Keep one byte more than fits, so that a double-byte character whose
  // lead byte is the last one that fits is recognised and left out whole.
  std::string raw;
  FieldEnd end = FieldEnd::kEof;
  for (int c; (c = platform::nextByteUnlocked(file_)) != EOF;) {
    if (ends(c, delimiters)) {
      end = c == ',' ? FieldEnd::kComma : FieldEnd::kCr;
      break;
    }
    if (raw.size() < bufferBytes) raw.push_back(static_cast<char>(c));
  }
  text = sjis::cut(raw, bufferBytes > 0 ? bufferBytes - 1 : 0);
  // A line break that got into a field (an ID runs on to its comma, pcName
  // to its CR) is kept as the blank the writer would make of it, so the
  // list shows and sorts what the next save writes.
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return end;
}

FieldEnd BoardByteReader::skipField(Delimiters delimiters) {
  for (int c; (c = platform::nextByteUnlocked(file_)) != EOF;) {
    if (ends(c, delimiters)) return c == ',' ? FieldEnd::kComma : FieldEnd::kCr;
  }
  return FieldEnd::kEof;
}

bool BoardByteReader::skipByte() { return platform::nextByteUnlocked(file_) != EOF; }

std::size_t BoardByteReader::readBytes(char* out, std::size_t count) {
  std::size_t n = 0;
  for (int c; n < count && (c = platform::nextByteUnlocked(file_)) != EOF;) out[n++] = static_cast<char>(c);
  return n;
}

bool parseDecimal(const std::string& text, std::int32_t& value) {
  LeadingInteger number = leadingInteger(text);
  if (!number.fits) return false;
  value = number.value;
  return true;
}

}  // namespace wabo
