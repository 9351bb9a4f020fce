// Picking an image out of an icon group directory: the member icon list
// blends the exact-size 32-bit image and draws anything else.
#include <gtest/gtest.h>

#include <vector>

#include "members/icon_directory.h"

namespace wabo {
namespace {

using Bytes = std::vector<unsigned char>;
struct Entry {
  int width, height, bits, id;
};

// A group directory as the resource compiler writes it; width and height 256 are stored as 0.
Bytes directory(const std::vector<Entry>& entries, unsigned char type = 1) {
  Bytes bytes = {0, 0, type, 0, static_cast<unsigned char>(entries.size()), 0};
  for (const Entry& e : entries) {
    const int fields[] = {e.width & 0xFF, e.height & 0xFF, 0, 0, 1, 0, e.bits, 0, 0x28, 4, 0, 0, e.id & 0xFF, e.id >> 8};
    for (int field : fields) bytes.push_back(static_cast<unsigned char>(field));
  }
  return bytes;
}

int pick(const Bytes& bytes, int size, int bits = 32) { return iconImageId(bytes.data(), bytes.size(), size, bits); }

TEST(IconDirectory, TakesTheFirstImageOfExactlyTheSizeAndDepth) {
  const Bytes icons = directory({{32, 32, 32, 7}, {16, 16, 8, 8}, {16, 16, 32, 0x1234}, {16, 16, 32, 9},
                                 {16, 32, 32, 10}, {0, 0, 32, 11}});
  EXPECT_EQ(pick(icons, 16), 0x1234);  // not the 8-bit one, and the first of two that fit
  EXPECT_EQ(pick(icons, 16, 8), 8);
  EXPECT_EQ(pick(icons, 256), 11);  // 0 in the directory is 256
  EXPECT_EQ(pick(icons, 24), 0);    // a size the group does not carry: the caller draws it
}

TEST(IconDirectory, ADirectoryCutShortOrOfAnotherTypeGivesNothing) {
  const Bytes icons = directory({{32, 32, 32, 7}, {16, 16, 32, 5}});
  // Every length short of the second entry's end: the entry that fits is never read past the end.
  for (std::size_t length = 0; length < icons.size(); ++length)
    EXPECT_EQ(iconImageId(icons.data(), length, 16, 32), 0) << length;
  EXPECT_EQ(pick(icons, 16), 5);
  EXPECT_EQ(pick(directory({{16, 16, 32, 5}}, 2), 16), 0);  // type 2 is a cursor group
  EXPECT_EQ(iconImageId(nullptr, 100, 16, 32), 0);
  Bytes claims = directory({{32, 32, 32, 7}});
  claims[4] = 200;  // a count larger than the entries that follow
  EXPECT_EQ(pick(claims, 32), 7);
  EXPECT_EQ(pick(claims, 16), 0);
}

}  // namespace
}  // namespace wabo
