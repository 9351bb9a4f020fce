#include "members/message_form.h"

#include "common/field_text.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

bool acceptMessageText(std::string_view typed, std::string& message) {
  message = fieldText(typed, kPathBytes);
  return sjis::commaToSlash(message);
}

}  // namespace wabo
