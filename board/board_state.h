// The values that travel in a board file beside its rows, and the time texts
// that the board operations stamp.
#pragma once
#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "board/member_row.h"
#include "common/limits.h"

namespace wabo {

// What a copy last read from or wrote to its board file: the length and a
// hash of all its bytes. Two saves in one second can carry the same stamp;
// the bytes still tell them apart.
struct FileFingerprint {
  bool known = false;
  std::uint64_t length = 0;
  std::uint64_t hash = 0;
  bool operator==(const FileFingerprint& o) const { return known && o.known && length == o.length && hash == o.hash; }
  bool operator!=(const FileFingerprint& o) const { return !(*this == o); }
};

struct BoardState {
  std::string currentBoardPath;  // copy of boardPaths[selectedBoard - 1]
  std::int32_t boardStamp = 0;   // change mark of the head line
  std::array<std::string, kColumnNameCount> columnNames{"名前",     "行き先",   "戻り予定", "書込日時",
                                                        "携帯番号", "連絡事項", "予定",     "その他"};
  std::string allMembersMessage;  // 256-byte buffer
  FileFingerprint fileSeen;       // the file as last loaded or saved by this copy
  BoardContent contentSeen;       // what that file holds (for the change history)
  bool historyIncomplete = false; // a save of this copy could not write its history lines
  std::chrono::steady_clock::time_point lockReleasedAt;  // when this copy's last save let lock.dat go
  FileFingerprint cutSeen;         // a board found cut short (no END line) by a save of this copy ...
  std::int64_t cutSeenSince = 0;   // ... and since when, by steadyMillis()
};

struct TimeTexts {
  std::string writeTimeText;   // "%Y/%m/%d %H:%M"
  std::string updateTimeText;  // "%H:%M:%S 更新" or "%H:%M:%S 更新."
};

}  // namespace wabo
