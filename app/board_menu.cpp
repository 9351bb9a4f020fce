#include "app/board_menu.h"

namespace wabo {

std::array<BoardMenuItem, kBoardCount> boardMenuItems(const SharedSettings& shared, int selectedBoard) {
  std::array<BoardMenuItem, kBoardCount> items;
  for (int board = 1; board <= kBoardCount; ++board) {
    BoardMenuItem& item = items[board - 1];
    item.text = shared.boardNames[board - 1] + " (&" + std::to_string(board) + ")";
    item.checked = board == selectedBoard;
    item.grayed = !item.checked && shared.boardPaths[board - 1].empty();
  }
  return items;
}

}  // namespace wabo
