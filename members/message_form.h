// The all-members message dialog's OK, apart from its window.
#pragma once
#include <string_view>

#include "board/board_state.h"

namespace wabo {

// Takes the typed text (254 bytes at most, commas turned into slashes) into
// allMembersMessage. True when a comma was replaced: the dialog says so once
// before it closes.
bool acceptMessageText(std::string_view typed, BoardState& board);

}  // namespace wabo
