#include "settings/positional_reader.h"

#include <cstdint>

#include "common/decimal.h"
#include "common/sjis.h"

namespace wabo {

namespace {

constexpr std::size_t kHeaderLimit = 30;

bool isWhiteSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

int PositionalReader::get() {
  if (pushedBack_ != kEnd) {
    int c = pushedBack_;
    pushedBack_ = kEnd;
    return c;
  }
  if (file_) {
    int c = std::fgetc(file_);
    return c == EOF ? kEnd : c;
  }
  if (offset_ >= bytes_.size()) return kEnd;
  return static_cast<unsigned char>(bytes_[offset_++]);
}

void PositionalReader::unget(int c) {
  if (c != kEnd) pushedBack_ = c;
}

void PositionalReader::skipHeaderLine() {
  for (std::size_t i = 0; i < kHeaderLimit; ++i) {
    int c = get();
    if (c == kEnd) return;
    if (c == '\r') {
      get();
      return;
    }
  }
}

bool PositionalReader::readTextLine(std::size_t bufferBytes, std::string& text) {
  std::string line;
  bool readAny = false;
  for (std::size_t n = 0;; ++n) {
    int c = get();
    if (c == kEnd) {
      if (!readAny) return false;
      break;
    }
    readAny = true;
    if (c == '\r') {
      get();
      break;
    }
    if (n + 1 >= bufferBytes) {
      // No room left for the terminating zero: the rest of the line goes.
      while (c != kEnd && c != '\r') c = get();
      if (c == '\r') get();
      break;
    }
    line.push_back(static_cast<char>(c));
  }
  // Up to a NUL, and without a lead byte whose second byte the cut took.
  line.resize(sjis::cutLength(line, line.size()));
  text = line;
  return true;
}

void PositionalReader::skipWhiteSpace() {
  int c = get();
  while (isWhiteSpace(c)) c = get();
  unget(c);
}

bool PositionalReader::readInt(int& value) {
  skipWhiteSpace();
  int c = get();
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    c = get();
  }
  if (!isDigit(c)) {
    unget(c);
    return false;
  }
  // Digits beyond the 32-bit range still belong to the field; the value
  // saturates instead of overflowing.
  DecimalDigits digits;
  while (isDigit(c)) {
    digits.add(static_cast<char>(c));
    c = get();
  }
  unget(c);
  value = digits.value(negative);
  return true;
}

int PositionalReader::scan(const char* format, std::initializer_list<int*> targets) {
  const auto* target = targets.begin();
  int converted = 0;
  for (const char* f = format; *f != '\0'; ++f) {
    if (f[0] == '%' && f[1] == 'd') {
      ++f;
      if (target == targets.end()) break;  // more fields than targets: stop
      int value = 0;
      if (!readInt(value)) break;
      **target++ = value;
      ++converted;
    } else if (isWhiteSpace(static_cast<unsigned char>(*f))) {
      skipWhiteSpace();
    } else {
      int c = get();
      if (c != static_cast<unsigned char>(*f)) {
        unget(c);
        break;
      }
    }
  }
  return converted;
}

}  // namespace wabo
