// The items of the ﾎﾞｰﾄﾞ選択 menu, rebuilt from the shared settings.
#pragma once
#include <array>
#include <string>

#include "common/limits.h"
#include "settings/shared_settings.h"

namespace wabo {

struct BoardMenuItem {
  std::string text;  // "<board name> (&n)"
  bool checked = false;
  bool grayed = false;
};

// Board n (1..5) is checked when it is `selectedBoard` and grey when it has
// no path, except the selected one: it is the board on screen (or the one
// whose file could not be read), and a grey check mark would say it cannot
// be chosen.
std::array<BoardMenuItem, kBoardCount> boardMenuItems(const SharedSettings& shared, int selectedBoard);

}  // namespace wabo
