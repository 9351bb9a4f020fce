#include "members/icon_directory.h"

namespace wabo {

namespace {

constexpr std::size_t kHeadBytes = 6;
constexpr std::size_t kEntryBytes = 14;

unsigned word(const unsigned char* at) { return at[0] | (static_cast<unsigned>(at[1]) << 8); }

}  // namespace

int iconImageId(const unsigned char* bytes, std::size_t length, int size, int bitsPerPixel) {
  if (bytes == nullptr || length < kHeadBytes || word(bytes + 2) != 1) return 0;
  const std::size_t count = word(bytes + 4);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t offset = kHeadBytes + i * kEntryBytes;
    if (length < offset + kEntryBytes) return 0;
    const unsigned char* entry = bytes + offset;
    const int width = entry[0] == 0 ? 256 : entry[0];
    const int height = entry[1] == 0 ? 256 : entry[1];
    if (width == size && height == size && static_cast<int>(word(entry + 6)) == bitsPerPixel)
      return static_cast<int>(word(entry + 12));
  }
  return 0;
}

}  // namespace wabo
