// Icons: the icon generator run for real (every icon the resources name is
// written as a valid .ico with an image of each size, the member icons
// differ from each other, a second run writes the same bytes), and reading
// an icon group directory that may be cut short.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "members/icon_directory.h"
#include "tools/icongen/icon_sizes.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
  return v;
}

bool generate(const std::string& folder) {
  return std::system(("\"" WABO_ICONGEN "\" \"" + folder + "\" 2>/dev/null").c_str()) == 0;
}

// Mean premultiplied difference of two pictures of 32-bit pixels, 0 to 1.
double difference(const std::string& a, const std::string& b) {
  double sum = 0;
  for (std::size_t p = 0; p < a.size(); p += 4) {
    const double alphaA = le(a, p + 3, 1) / 255.0, alphaB = le(b, p + 3, 1) / 255.0;
    for (std::size_t k = 0; k < 3; ++k) sum += std::abs(le(a, p + k, 1) * alphaA - le(b, p + k, 1) * alphaB) / 255;
    sum += std::abs(alphaA - alphaB);
  }
  return sum / static_cast<double>(a.size());
}

TEST(IconGenerator, WritesValidDistinctIconsAndTheSameBytesOnEveryRun) {
  TempFolder out;
  ASSERT_TRUE(generate(out.file("a")));  // creates the folder itself
  ASSERT_TRUE(generate(out.file("b")));
  using icongen::kIconSizeCount;
  using icongen::kIconSizes;
  std::vector<std::string> members[kIconSizeCount];          // the pixels of each member icon at each size
  for (int n = 128; n <= 273; n = n == 128 ? 201 : n + 1) {  // the program icon, then 201..273
    const std::string name = "/icon" + std::to_string(n) + ".ico", b = readFile(out.file("a") + name);
    ASSERT_GE(b.size(), 6u + kIconSizeCount * 16) << name;
    EXPECT_EQ(readFile(out.file("b") + name), b) << name;
    ASSERT_EQ(b.substr(0, 6), std::string("\0\0\1\0", 4) + static_cast<char>(kIconSizeCount) + '\0')
        << name << ": not an icon of " << kIconSizeCount << " images";
    for (std::uint32_t i = 0, e = 6; i < kIconSizeCount; ++i, e += 16) {
      const std::uint32_t size = static_cast<std::uint32_t>(kIconSizes[i]);
      const std::uint32_t bytes = le(b, e + 8, 4), offset = le(b, e + 12, 4);
      EXPECT_EQ(le(b, e, 2) + (le(b, e + 6, 2) << 16), size * 0x101 + (32u << 16)) << name << ": size and depth";
      ASSERT_EQ(bytes, 40 + size * size * 4 + ((size + 31) / 32) * 4 * size) << name;
      ASSERT_LE(offset + bytes, b.size()) << name << ": image outside the file";
      EXPECT_EQ((std::vector<std::uint32_t>{le(b, offset, 4), le(b, offset + 4, 4), le(b, offset + 8, 4)}),
                (std::vector<std::uint32_t>{40, size, 2 * size}))
          << name << ": the height counts colour and mask rows";
      // Some pixels opaque, some transparent: a picture, not an empty or full square.
      int opaque = 0;
      for (std::uint32_t p = 0; p < size * size; ++p) opaque += le(b, offset + 40 + p * 4 + 3, 1) >= 128;
      EXPECT_GT(opaque, static_cast<int>(size * size / 8)) << name;
      EXPECT_LT(opaque, static_cast<int>(size * size * 97 / 100)) << name;
      if (n >= 201 && n <= 270) members[i].push_back(b.substr(offset + 40, size * size * 4));
    }
  }
  // Members tell each other apart by their icons: no two may look alike.
  for (const auto& pictures : members)
    for (std::size_t i = 0; i < pictures.size(); ++i)
      for (std::size_t j = i + 1; j < pictures.size(); ++j)
        EXPECT_GT(difference(pictures[i], pictures[j]), 0.02) << "member icons " << 201 + i << " and " << 201 + j;
  writeFile(out.file("plain"), "x");
  EXPECT_FALSE(generate(out.file("plain")));  // a file where the folder should be
}

using Bytes = std::vector<unsigned char>;
struct Entry {
  int width, height, bits, id;
};

// A group directory as the resource compiler writes it; width and height 256 are stored as 0.
Bytes directory(const std::vector<Entry>& entries, unsigned char type = 1) {
  Bytes bytes = {0, 0, type, 0, static_cast<unsigned char>(entries.size()), 0};
  for (const Entry& e : entries) {
    const int fields[] = {e.width & 0xFF, e.height & 0xFF, 0, 0, 1, 0, e.bits, 0, 0x28, 4, 0, 0,
                          e.id & 0xFF,    e.id >> 8};
    for (int field : fields) bytes.push_back(static_cast<unsigned char>(field));
  }
  return bytes;
}

int pick(const Bytes& bytes, int size, int bits = 32) { return iconImageId(bytes.data(), bytes.size(), size, bits); }

TEST(IconDirectory, ADirectoryCutShortOrOfAnotherTypeGivesNothing) {
  const Bytes icons = directory({{32, 32, 32, 7}, {16, 16, 32, 5}});
  // Every length short of the second entry's end: the entry that fits is never read past the end.
  for (std::size_t length = 0; length < icons.size(); ++length)
    EXPECT_EQ(iconImageId(icons.data(), length, 16, 32), 0) << length;
  EXPECT_EQ(pick(directory({{16, 16, 32, 5}}, 2), 16), 0);  // type 2 is a cursor group
  EXPECT_EQ(iconImageId(nullptr, 100, 16, 32), 0);
  Bytes claims = directory({{32, 32, 32, 7}});
  claims[4] = 200;  // a count larger than the entries that follow
  EXPECT_EQ(pick(claims, 32), 7);
  EXPECT_EQ(pick(claims, 16), 0);
}

}  // namespace
