// The Shift-JIS helpers and the texts built on them: cutting to a byte
// limit, the last path separator, comma to slash, comparing IDs without
// regard to case, dialog field texts, and the lock and backup paths beside
// a board file.
#include <cstdint>

#include "board/board_file.h"
#include "board/board_save.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "common/sjis.h"
#include "fuzz/fuzz_support.h"

using namespace wabo;

namespace {

// Positions at which a character starts, walking from the first byte.
std::vector<bool> characterStarts(const std::string& text) {
  std::vector<bool> starts(text.size() + 1, false);
  std::size_t i = 0;
  while (i < text.size()) {
    starts[i] = true;
    i += sjis::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  starts[text.size()] = true;
  return starts;
}

bool isSingleByteLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

void checkCut(const std::string& text, std::size_t limit) {
  const std::string cut = sjis::cut(text, limit);
  FUZZ_REQUIRE(cut.size() <= limit && text.compare(0, cut.size(), cut) == 0);
  FUZZ_REQUIRE(fuzz::wholeCharacters(cut));
  // Nothing that would still fit is dropped: the cut stops at the limit, at
  // a NUL, at the end, or before a character that would not fit whole.
  const std::size_t n = cut.size();
  if (n < text.size() && n < limit && text[n] != '\0') {
    const bool lead = sjis::isLeadByte(static_cast<unsigned char>(text[n]));
    FUZZ_REQUIRE(lead && (n + 1 == limit || n + 1 == text.size() || text[n + 1] == '\0'));
  }
}

void checkSeparator(const std::string& path, std::size_t limit) {
  const std::size_t sep = sjis::lastSeparator(path, limit);
  const auto starts = characterStarts(path);
  const std::size_t end = std::min(path.size(), limit);
  std::size_t expected = std::string::npos;
  for (std::size_t i = 0; i < end; ++i) {
    if (!starts[i]) continue;  // a trail byte, even '\\' or '/'
    if (path[i] == '\0') break;
    if (path[i] == '\\' || path[i] == '/') expected = i;
  }
  FUZZ_REQUIRE(sep == expected);
}

void checkCaseFolding(const std::string& a) {
  FUZZ_REQUIRE(sjis::equalsIgnoreCase(a, a));
  // Flip the case of every letter; only single-byte letters may be folded.
  const auto starts = characterStarts(a);
  std::string flipped = a;
  bool trailLetterFlipped = false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!isSingleByteLetter(a[i])) continue;
    flipped[i] = static_cast<char>(a[i] ^ 0x20);
    if (!starts[i]) trailLetterFlipped = true;
  }
  FUZZ_REQUIRE(sjis::equalsIgnoreCase(a, flipped) == !trailLetterFlipped);
  FUZZ_REQUIRE(sjis::equalsIgnoreCase(flipped, a) == !trailLetterFlipped);
  FUZZ_REQUIRE(!sjis::equalsIgnoreCase(a, a + "x"));
}

void checkFieldTexts(const std::string& typed) {
  for (std::size_t buffer : {kShortTextBytes, kLongTextBytes, kPathBytes}) {
    const std::string field = fieldText(typed, buffer);
    FUZZ_REQUIRE(field.size() <= fieldLimit(buffer) && fuzz::wholeCharacters(field));
    const std::string line = singleLineFieldText(typed, buffer);
    FUZZ_REQUIRE(line.size() <= fieldLimit(buffer) && fuzz::wholeCharacters(line) && !hasLineBreak(line));
  }
  std::string slashed = typed;
  const bool replaced = sjis::commaToSlash(slashed);
  FUZZ_REQUIRE(slashed.size() == typed.size() && slashed.find(',') == std::string::npos);
  FUZZ_REQUIRE(replaced == (typed.find(',') != std::string::npos));
}

void checkBoardNeighbours(const std::string& boardPath) {
  const std::string lock = lockFilePath(boardPath);
  const std::string folder = lock.substr(0, lock.size() - 8);
  FUZZ_REQUIRE(lock.size() >= 8 && lock.compare(lock.size() - 8, 8, "lock.dat") == 0);
  // The lock lies in the board's folder: a prefix of the path up to a separator.
  FUZZ_REQUIRE(boardPath.compare(0, folder.size(), folder) == 0);
  FUZZ_REQUIRE(folder.empty() || folder.back() == '\\' || folder.back() == '/');
  const std::string backup = backupPath(boardPath);
  FUZZ_REQUIRE(backup.size() >= 4 && backup.compare(backup.size() - 4, 4, ".bak") == 0);
  FUZZ_REQUIRE(backup.compare(0, folder.size(), folder) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte chooses a byte limit; the rest is the text.
  const std::size_t limit = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  checkCut(text, limit);
  checkSeparator(text, limit);
  checkSeparator(text, std::string::npos);
  checkCaseFolding(text);
  checkFieldTexts(text);
  checkBoardNeighbours(text);
  return 0;
}
