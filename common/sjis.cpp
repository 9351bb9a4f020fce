#include "common/sjis.h"

namespace wabo::sjis {

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::size_t cutLength(std::string_view text, std::size_t maxBytes) {
  std::size_t i = 0;
  while (i < text.size() && text[i] != '\0') {
    std::size_t step = 1;
    if (isLeadByte(static_cast<unsigned char>(text[i]))) {
      // A lead byte without its second byte (the text ends, or a NUL ends
      // it) is half a character: it is left out, as one cut at the limit.
      if (i + 1 >= text.size() || text[i + 1] == '\0') break;
      step = 2;
    }
    if (i + step > maxBytes) break;
    i += step;
  }
  return i;
}

std::string cut(std::string_view text, std::size_t maxBytes) {
  return std::string(text.substr(0, cutLength(text, maxBytes)));
}

std::size_t lastSeparator(std::string_view path, std::size_t scanLimit) {
  std::size_t end = path.size() < scanLimit ? path.size() : scanLimit;
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < end;) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (c == '\0') break;
    if (isLeadByte(c) && i + 1 < end) {
      i += 2;
      continue;
    }
    if (c == '\\' || c == '/') found = i;
    ++i;
  }
  return found;
}

bool commaToSlash(std::string& text) {
  bool replaced = false;
  for (char& c : text) {
    if (c == ',') {
      c = '/';
      replaced = true;
    }
  }
  return replaced;
}

static unsigned char fold(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c; }

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (isLeadByte(x) && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (fold(x) != fold(y)) return false;
  }
  return true;
}

}  // namespace wabo::sjis
