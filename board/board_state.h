// The values that travel in a board file beside its rows, and the time texts
// that the board operations stamp.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "common/limits.h"

namespace wabo {

struct BoardState {
  std::string currentBoardPath;  // copy of boardPaths[selectedBoard - 1]
  std::int32_t boardStamp = 0;   // change mark of the head line
  std::array<std::string, kColumnNameCount> columnNames{"名前",     "行き先",   "戻り予定", "書込日時",
                                                        "携帯番号", "連絡事項", "予定",     "その他"};
  std::string allMembersMessage;  // 256-byte buffer
};

struct TimeTexts {
  std::string writeTimeText;   // "%Y/%m/%d %H:%M"
  std::string updateTimeText;  // "%H:%M:%S 更新" or "%H:%M:%S 更新."
};

}  // namespace wabo
