// Reads the two settings files the way they are laid out: by position, one
// byte at a time, with a reader for header lines, one for text lines and a
// small scanner for "%d" fields. Every read is bounded by its own limit or by
// the end of the file, so junk, very long lines or huge numbers cannot
// overflow anything.
#pragma once
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>

namespace wabo {

class PositionalReader {
 public:
  static constexpr int kEnd = -1;

  explicit PositionalReader(std::FILE* file) : file_(file) {}
  // Reads a copy of `bytes` (the tests feed the reader this way).
  explicit PositionalReader(std::string bytes) : bytes_(std::move(bytes)) {}

  // Next byte (0..255) or kEnd.
  int get();
  // Puts one byte back; the next get() returns it. kEnd is ignored.
  void unget(int c);

  // Skips a section header: at most 30 bytes up to a CR, then the byte after
  // the CR.
  void skipHeaderLine();

  // Reads one text line into `text`, which stands for a buffer of
  // `bufferBytes` bytes: at most bufferBytes - 1 bytes of text, cut so that
  // no double-byte character is split and at the first NUL byte. A CR ends
  // the line and the byte after it is consumed. A line too long for the
  // buffer is cut and the rest of it is skipped. Returns false, leaving
  // `text` as it was, when the file ended before the first byte of the line.
  bool readTextLine(std::size_t bufferBytes, std::string& text);

  // A scanf-like scan over the bytes. The format knows "%d" (optional blanks,
  // optional sign, digits), blanks/CR/LF (skip any amount of white space) and
  // other bytes (must match). A conversion that fails keeps its target and
  // ends the scan; the byte that did not fit is left in the stream. Numbers
  // beyond the 32-bit range are saturated. Returns the number of values set.
  int scan(const char* format, std::initializer_list<int*> targets);

 private:
  bool readInt(int& value);
  void skipWhiteSpace();

  std::FILE* file_ = nullptr;
  std::string bytes_;
  std::size_t offset_ = 0;
  int pushedBack_ = kEnd;
};

}  // namespace wabo
