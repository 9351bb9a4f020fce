// The ten columns of a board: the subitems 0..9 of the member list and the
// member fields of a board-file row (after the icon number), in one order.
// Each column's byte limit and its edit buffer are here and nowhere else.
#pragma once
#include <cstddef>
#include <string>

#include "board/edit_buffers.h"
#include "common/limits.h"

namespace wabo {

enum Column : int {
  kIdColumn,           // the item text
  kNameColumn,         // columns 1..8 carry the board's column names
  kDestinationColumn,
  kReturnTimeColumn,
  kWriteTimeColumn,    // stamped by every row edit, never typed
  kMobileColumn,
  kContactColumn,
  kScheduleColumn,
  kOtherColumn,
  kPcNameColumn,       // keeps its commas in the file
};

struct ColumnInfo {
  std::size_t bufferBytes;               // kShortTextBytes or kLongTextBytes
  std::string EditBuffers::*editBuffer;  // nullptr: the write time
  const char* fixedCaption;              // nullptr: the board's column name
};

inline constexpr ColumnInfo kColumns[kColumnCount] = {
    {kShortTextBytes, &EditBuffers::editId, "ID"},
    {kShortTextBytes, &EditBuffers::editName, nullptr},
    {kShortTextBytes, &EditBuffers::editDestination, nullptr},
    {kShortTextBytes, &EditBuffers::editReturnTime, nullptr},
    {kShortTextBytes, nullptr, "書込日時"},
    {kLongTextBytes, &EditBuffers::editMobile, nullptr},
    {kLongTextBytes, &EditBuffers::editContact, nullptr},
    {kLongTextBytes, &EditBuffers::editSchedule, nullptr},
    {kLongTextBytes, &EditBuffers::editOther, nullptr},
    {kShortTextBytes, &EditBuffers::editPcName, "PC-Name"},
};

// The columns of the destination form, in the order of its fields: every
// column but the write time and the PC name.
inline constexpr Column kFormColumns[] = {kIdColumn,     kNameColumn,    kDestinationColumn, kReturnTimeColumn,
                                          kMobileColumn, kContactColumn, kScheduleColumn,    kOtherColumn};
constexpr int kFormColumnCount = sizeof kFormColumns / sizeof kFormColumns[0];

// Column c (1..8) shows the board's column name c - 1.
constexpr bool hasBoardCaption(int column) { return column >= 1 && column <= kColumnNameCount; }

}  // namespace wabo
