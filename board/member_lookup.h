// Finding members in the shown board and copying a row into the edit
// buffers: the steps every board command shares.
#pragma once
#include <string>

#include "board/columns.h"
#include "board/edit_buffers.h"
#include "board/member_list.h"

namespace wabo {

// Row of the member `id` (whole text, letters ignoring case, first match), or
// -1. An empty ID names nobody.
int findMember(const MemberList& list, const std::string& id);

// The text of `column` in row `row`, read with the column's byte limit.
std::string cellText(const MemberList& list, int row, Column column);

// Copies row `row` into the eight edit buffers (29 bytes for ID, name,
// destination and return time, 99 for the others) and its image index into
// editIconNumberText. The write time and the PC-Name are not read. Without
// `withDestination`, editDestination is left empty for the caller to fill.
void readRow(const MemberList& list, int row, EditBuffers& edit, bool withDestination = true);

}  // namespace wabo
