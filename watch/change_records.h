// The record of folder changes that the system fills for a watch: a chain of
// entries, each a 32-bit offset to the next (0 for the last), a 32-bit
// action (1 added, 2 removed, 3 modified, 4 renamed from, 5 renamed to), a
// 32-bit name length in bytes and the name in UTF-16, all little-endian.
// It comes from another program's doing (a share's server), so it is read
// with every offset and length checked against the buffer.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "watch/watch_plan.h"

namespace wabo {

struct ChangeRecord {
  FolderChange change = FolderChange::kLost;
  std::u16string name;
};

// The entries of the first `size` bytes of `bytes`. An empty record (the
// system lost track of the changes) reads as one kLost entry; so does an
// entry that reaches past the buffer, after the entries read before it.
// Entries with an unknown action are skipped.
std::vector<ChangeRecord> readChangeRecords(const unsigned char* bytes, std::size_t size);

}  // namespace wabo
