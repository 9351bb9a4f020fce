#include "watch/change_records.h"

#include <cstdint>
#include <utility>

namespace wabo {

namespace {

constexpr std::size_t kEntryHeadBytes = 12;

std::uint32_t read32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool changeOfAction(std::uint32_t action, FolderChange& change) {
  switch (action) {
    case 1: change = FolderChange::kAdded; return true;
    case 2: change = FolderChange::kRemoved; return true;
    case 3: change = FolderChange::kModified; return true;
    case 4: change = FolderChange::kRenamedFrom; return true;
    case 5: change = FolderChange::kRenamedTo; return true;
    default: return false;
  }
}

}  // namespace

std::vector<ChangeRecord> readChangeRecords(const unsigned char* bytes, std::size_t size) {
  std::vector<ChangeRecord> records;
  if (bytes == nullptr || size == 0) return {ChangeRecord{}};
  for (std::size_t at = 0;;) {
    if (size - at < kEntryHeadBytes) break;
    const std::uint32_t next = read32(bytes + at);
    const std::uint32_t nameBytes = read32(bytes + at + 8);
    if (nameBytes % 2 != 0 || nameBytes > size - at - kEntryHeadBytes) break;
    ChangeRecord record;
    if (changeOfAction(read32(bytes + at + 4), record.change)) {
      const unsigned char* name = bytes + at + kEntryHeadBytes;
      for (std::uint32_t i = 0; i < nameBytes; i += 2)
        record.name.push_back(static_cast<char16_t>(name[i] | name[i + 1] << 8));
      records.push_back(std::move(record));
    }
    if (next == 0) return records;
    if (next > size - at) break;
    at += next;
  }
  // The rest cannot be read: whatever it said counts as lost.
  records.push_back(ChangeRecord{});
  return records;
}

}  // namespace wabo
