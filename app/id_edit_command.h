// The in-place edit of a member's ID in the list (click on the selected
// row's ID, type, Enter): the new ID is tested as the destination dialog
// tests one, and saved like every other change.
#pragma once
#include <string>

#include "app/board_commands.h"

namespace wabo {

// The edit of the row whose ID was `oldId` ended with `typed` confirmed.
// Refused IDs get their warning and the row keeps its ID; an accepted one
// goes through the pre-save check and is saved (made again over another
// copy's save). A cancelled edit changes nothing and never gets here.
void finishIdEdit(BoardCommandContext& ctx, const std::string& oldId, const std::string& typed);

}  // namespace wabo
