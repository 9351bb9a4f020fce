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

// Follows the bytes for the end of a whole board: a line that begins with
// "END," and ends, and the message line after it, ended too. A board that a
// writer has cut short, or is still writing in place, lacks one of them.
class EndScan {
 public:
  void add(const char* bytes, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) step(bytes[i]);
  }
  bool whole() const { return state_ == kWhole; }

 private:
  enum State { kSeeking, kInEndLine, kInMessage, kWhole };
  void step(char c) {
    static constexpr char kEnd[] = "END,";
    if (state_ == kSeeking) {
      matched_ = (matched_ > 0 || lineStart_) && matched_ < 4 && c == kEnd[matched_] ? matched_ + 1 : 0;
      if (matched_ == 4) state_ = kInEndLine;
    } else if (c == '\n' && state_ != kWhole) {
      state_ = state_ == kInEndLine ? kInMessage : kWhole;
    }
    lineStart_ = c == '\n';
  }
  State state_ = kSeeking;
  int matched_ = 0;
  bool lineStart_ = true;
};

}  // namespace

FileFingerprint fingerprintOf(const std::string& bytes) {
  FileFingerprint print;
  print.known = true;
  print.hash = kOffset;
  add(print, bytes.data(), bytes.size());
  return print;
}

FileFingerprint fingerprintOfFile(std::FILE* file, bool* whole) {
  FileFingerprint print;
  print.hash = kOffset;
  if (whole != nullptr) *whole = false;
  if (std::fseek(file, 0, SEEK_SET) != 0) return print;
  EndScan scan;
  char buffer[16 * 1024];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    add(print, buffer, n);
    if (whole != nullptr) scan.add(buffer, n);
  }
  print.known = !std::ferror(file);
  if (whole != nullptr) *whole = print.known && scan.whole();
  return print;
}

}  // namespace wabo
