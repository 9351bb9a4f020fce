// Shift-JIS (code page 932) helpers. Every scan for a byte that can also be a
// trail byte ('\\', ASCII letters) must step over double-byte characters, and
// no byte limit may cut a character in half. Comma, 0x01, CR and LF never
// occur as trail bytes, so splitting on them byte by byte is safe.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace wabo::sjis {

bool isLeadByte(unsigned char c);

// Largest length <= maxBytes at which `text` can be cut without splitting a
// double-byte character (stops at a NUL byte too). A lead byte that lacks
// its second byte at the end of the text is left out as well, so the cut
// text never ends in half a character.
std::size_t cutLength(std::string_view text, std::size_t maxBytes);

// `text` cut to at most maxBytes bytes at a character boundary.
std::string cut(std::string_view text, std::size_t maxBytes);

// Index of the last path separator ('\\' or '/') among the first scanLimit
// bytes, stepping over double-byte characters; npos if there is none.
std::size_t lastSeparator(std::string_view path, std::size_t scanLimit = std::string_view::npos);

// Replaces every ',' by '/', byte by byte. Returns true if any was replaced.
bool commaToSlash(std::string& text);

// ASCII letters compared without regard to case; double-byte characters are
// compared exactly (their trail bytes are never folded).
bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace wabo::sjis
