#include "board/board_fingerprint.h"

namespace wabo {

namespace {

// 64-bit FNV-1a: not a defence against a forger, only a tell for a changed file.
constexpr std::uint64_t kOffset = 14695981039346656037ULL;
constexpr std::uint64_t kPrime = 1099511628211ULL;

void add(FileFingerprint& print, const char* bytes, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    print.hash ^= static_cast<unsigned char>(bytes[i]);
    print.hash *= kPrime;
  }
  print.length += n;
}

}  // namespace

FileFingerprint fingerprintOf(const std::string& bytes) {
  FileFingerprint print;
  print.known = true;
  print.hash = kOffset;
  add(print, bytes.data(), bytes.size());
  return print;
}

FileFingerprint fingerprintOfFile(std::FILE* file) {
  FileFingerprint print;
  print.hash = kOffset;
  if (std::fseek(file, 0, SEEK_SET) != 0) return print;
  char buffer[16 * 1024];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) add(print, buffer, n);
  print.known = !std::ferror(file);
  return print;
}

}  // namespace wabo
