// Picking an image out of an icon group directory: the member icon list
// blends the exact-size 32-bit image and draws anything else.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "members/icon_directory.h"

namespace wabo {
namespace {

struct Entry {
  int width, height, bits, id;
};

// A group directory as the resource compiler writes it; width and height 256 are stored as 0.
std::vector<unsigned char> directory(const std::vector<Entry>& entries, int type = 1) {
  std::vector<unsigned char> bytes = {0, 0, static_cast<unsigned char>(type), 0,
                                      static_cast<unsigned char>(entries.size()), 0};
  for (const Entry& e : entries) {
    const std::vector<unsigned char> entry = {static_cast<unsigned char>(e.width & 0xFF),
                                              static_cast<unsigned char>(e.height & 0xFF),
                                              0, 0, 1, 0,
                                              static_cast<unsigned char>(e.bits), 0,
                                              0x28, 0x04, 0, 0,
                                              static_cast<unsigned char>(e.id & 0xFF),
                                              static_cast<unsigned char>(e.id >> 8)};
    bytes.insert(bytes.end(), entry.begin(), entry.end());
  }
  return bytes;
}

int pick(const std::vector<unsigned char>& bytes, int size, int bits = 32) {
  return iconImageId(bytes.data(), bytes.size(), size, bits);
}

TEST(IconDirectory, TakesTheFirstImageOfExactlyTheSizeAndDepth) {
  const auto icons = directory({{32, 32, 32, 7}, {16, 16, 8, 8}, {16, 16, 32, 0x1234}, {16, 16, 32, 9},
                                {16, 32, 32, 10}, {0, 0, 32, 11}});
  EXPECT_EQ(pick(icons, 16), 0x1234);  // not the 8-bit one, and the first of two that fit
  EXPECT_EQ(pick(icons, 32), 7);
  EXPECT_EQ(pick(icons, 16, 8), 8);
  EXPECT_EQ(pick(icons, 256), 11);     // 0 in the directory is 256
  EXPECT_EQ(pick(icons, 24), 0);       // a size the group does not carry: the caller draws it
  EXPECT_EQ(pick(icons, 0), 0);
}

TEST(IconDirectory, ADirectoryCutShortOrOfAnotherTypeGivesNothing) {
  const auto icons = directory({{32, 32, 32, 7}, {16, 16, 32, 5}});
  // Every length short of the second entry's end: the entry that fits is never read past the end.
  for (std::size_t length = 0; length < icons.size(); ++length) {
    std::vector<unsigned char> cut(icons.begin(), icons.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_EQ(iconImageId(cut.data(), cut.size(), 16, 32), 0) << length;
  }
  EXPECT_EQ(pick(icons, 16), 5);
  EXPECT_EQ(pick(directory({{16, 16, 32, 5}}, 2), 16), 0);  // type 2 is a cursor group
  EXPECT_EQ(iconImageId(nullptr, 100, 16, 32), 0);
  // A count larger than the entries that follow.
  auto claims = directory({{32, 32, 32, 7}});
  claims[4] = 200;
  EXPECT_EQ(pick(claims, 32), 7);
  EXPECT_EQ(pick(claims, 16), 0);
}

}  // namespace
}  // namespace wabo
