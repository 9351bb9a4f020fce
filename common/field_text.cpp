#include "common/field_text.h"

#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

std::string fieldText(std::string_view typed, std::size_t bufferBytes) {
  return sjis::cut(typed, bufferBytes >= 2 ? fieldLimit(bufferBytes) : 0);
}

std::string singleLineFieldText(std::string_view typed, std::size_t bufferBytes) {
  std::size_t end = typed.find_first_of("\r\n");
  if (end != std::string_view::npos) typed = typed.substr(0, end);
  return fieldText(typed, bufferBytes);
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace wabo
