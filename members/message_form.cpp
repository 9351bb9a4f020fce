#include "members/message_form.h"

#include "common/field_text.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

bool acceptMessageText(std::string_view typed, BoardState& board) {
  board.allMembersMessage = fieldText(typed, kPathBytes);
  return sjis::commaToSlash(board.allMembersMessage);
}

}  // namespace wabo
