// Texts taken from dialog fields. A field is read into a generous buffer and
// then cut here, so a text never ends in half a double-byte character and
// never exceeds what its buffer in the program holds.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace wabo {

// The text of a field whose buffer holds `bufferBytes`: at most
// bufferBytes - 2 bytes (28 for a 30-byte buffer, 98 for 100, 254 for 256).
std::string fieldText(std::string_view typed, std::size_t bufferBytes);

// The same for a one-line field: the text ends at its first CR or LF, as a
// single-line edit control would keep it.
std::string singleLineFieldText(std::string_view typed, std::size_t bufferBytes);

// True if `text` holds a CR or an LF (neither occurs as a trail byte).
bool hasLineBreak(std::string_view text);

}  // namespace wabo
