// The icon generator run for real: every file it writes must be an icon that
// Windows and windres accept, with a 32 and a 16 pixel image whose mask
// agrees with its alpha, and the 70 member pictures must differ visibly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/temp_folder.h"

using wabo::testing::TempFolder;
using wabo::testing::readFile;

namespace {

uint32_t le16(const std::string& b, size_t at) { return uint8_t(b[at]) | uint32_t(uint8_t(b[at + 1])) << 8; }
uint32_t le32(const std::string& b, size_t at) { return le16(b, at) | le16(b, at + 2) << 16; }

struct Image {
  int size = 0;
  std::vector<uint8_t> bgra;  // top-down, straight alpha
  std::vector<bool> transparentInMask;
};

// Reads an .ico as the generator writes it; failures are reported with the
// file's name and leave `images` short.
std::vector<Image> readIco(const std::string& path) {
  std::vector<Image> images;
  std::string b = readFile(path);
  if (b.size() < 6) {
    ADD_FAILURE() << path << ": too short";
    return images;
  }
  EXPECT_EQ(le16(b, 0), 0u) << path;
  EXPECT_EQ(le16(b, 2), 1u) << path << ": not an icon";
  uint32_t count = le16(b, 4);
  EXPECT_EQ(count, 2u) << path;
  for (uint32_t i = 0; i < count && 6 + 16 * (i + 1) <= b.size(); ++i) {
    size_t e = 6 + 16 * i;
    int n = uint8_t(b[e]) == 0 ? 256 : uint8_t(b[e]);
    EXPECT_EQ(uint8_t(b[e + 1]), uint8_t(b[e])) << path << ": not square";
    EXPECT_EQ(le16(b, e + 6), 32u) << path << ": bits per pixel";
    uint32_t bytes = le32(b, e + 8), offset = le32(b, e + 12);
    size_t maskStride = size_t((n + 31) / 32) * 4;
    EXPECT_EQ(bytes, 40 + size_t(n) * n * 4 + maskStride * n) << path;
    if (size_t(offset) + bytes > b.size() || bytes < 40) {
      ADD_FAILURE() << path << ": image " << i << " lies outside the file";
      continue;
    }
    EXPECT_EQ(le32(b, offset), 40u) << path << ": header size";
    EXPECT_EQ(le32(b, offset + 4), uint32_t(n)) << path;
    EXPECT_EQ(le32(b, offset + 8), uint32_t(2 * n)) << path << ": height counts colour and mask rows";
    EXPECT_EQ(le16(b, offset + 14), 32u) << path;
    Image img;
    img.size = n;
    img.bgra.resize(size_t(n) * n * 4);
    img.transparentInMask.resize(size_t(n) * n);
    size_t px = offset + 40, mask = px + size_t(n) * n * 4;
    for (int y = 0; y < n; ++y) {
      int row = n - 1 - y;  // stored bottom-up
      for (int x = 0; x < n; ++x) {
        for (int k = 0; k < 4; ++k) img.bgra[(size_t(y) * n + x) * 4 + k] = uint8_t(b[px + (size_t(row) * n + x) * 4 + k]);
        uint8_t bits = uint8_t(b[mask + size_t(row) * maskStride + size_t(x / 8)]);
        img.transparentInMask[size_t(y) * n + x] = (bits >> (7 - x % 8)) & 1;
      }
    }
    images.push_back(img);
  }
  return images;
}

double opaqueShare(const Image& img) {
  int opaque = 0;
  for (size_t i = 0; i < img.transparentInMask.size(); ++i) opaque += img.bgra[i * 4 + 3] >= 128;
  return double(opaque) / double(img.transparentInMask.size());
}

// Mean difference of premultiplied colour and alpha, 0..1.
double difference(const Image& a, const Image& b) {
  double sum = 0;
  for (size_t i = 0; i < a.transparentInMask.size(); ++i) {
    double aa = a.bgra[i * 4 + 3] / 255.0, ba = b.bgra[i * 4 + 3] / 255.0;
    for (int k = 0; k < 3; ++k) sum += std::abs(a.bgra[i * 4 + k] / 255.0 * aa - b.bgra[i * 4 + k] / 255.0 * ba);
    sum += std::abs(aa - ba);
  }
  return sum / (4.0 * double(a.transparentInMask.size()));
}

bool run(const std::string& dir) {
  std::string cmd = std::string("\"") + WABO_ICONGEN + "\" \"" + dir + "\" 2>/dev/null";
  return std::system(cmd.c_str()) == 0;
}

std::vector<int> allNumbers() {
  std::vector<int> n{128, 271, 272, 273};
  for (int i = 201; i <= 270; ++i) n.push_back(i);
  return n;
}

}  // namespace

// One run of the generator serves the tests that only read its output.
class IconGenerator : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    out_ = new TempFolder;
    ranOk_ = run(out_->file("icons"));  // creates the folder itself
  }
  static void TearDownTestSuite() {
    delete out_;
    out_ = nullptr;
  }
  static std::string icon(int n) { return out_->file("icons/icon" + std::to_string(n) + ".ico"); }

  static TempFolder* out_;
  static bool ranOk_;
};
TempFolder* IconGenerator::out_ = nullptr;
bool IconGenerator::ranOk_ = false;

TEST_F(IconGenerator, WritesEveryIconWithBothSizesAndAMatchingMask) {
  ASSERT_TRUE(ranOk_);
  for (int n : allNumbers()) {
    std::string path = icon(n);
    std::vector<Image> images = readIco(path);
    ASSERT_EQ(images.size(), 2u) << path;
    EXPECT_EQ(images[0].size, 32) << path;
    EXPECT_EQ(images[1].size, 16) << path;
    for (const Image& img : images) {
      for (size_t i = 0; i < img.transparentInMask.size(); ++i) {
        // Without alpha (old displays, some image lists) only the mask counts:
        // it must hide exactly the mostly transparent pixels.
        ASSERT_EQ(img.transparentInMask[i], img.bgra[i * 4 + 3] < 128) << path << " pixel " << i;
      }
      double share = opaqueShare(img);
      EXPECT_GT(share, 0.12) << path << " at " << img.size << " is nearly empty";
      EXPECT_LT(share, 0.97) << path << " at " << img.size << " has no shape";
    }
  }
}

TEST_F(IconGenerator, MemberIconsDifferVisibly) {
  ASSERT_TRUE(ranOk_);
  std::vector<std::vector<Image>> icons;
  for (int n = 201; n <= 270; ++n) icons.push_back(readIco(icon(n)));
  for (size_t i = 0; i < icons.size(); ++i) ASSERT_EQ(icons[i].size(), 2u) << 201 + i;
  for (size_t size = 0; size < 2; ++size)
    for (size_t i = 0; i < icons.size(); ++i)
      for (size_t j = i + 1; j < icons.size(); ++j) {
        double d = difference(icons[i][size], icons[j][size]);
        EXPECT_GT(d, 0.02) << "icons " << 201 + i << " and " << 201 + j << " look alike at "
                           << icons[i][size].size << " pixels";
      }
}

TEST_F(IconGenerator, SameBytesOnEveryRun) {
  ASSERT_TRUE(ranOk_);
  TempFolder again;
  ASSERT_TRUE(run(again.path()));
  for (int n : allNumbers()) {
    std::string name = "icon" + std::to_string(n) + ".ico";
    EXPECT_EQ(readFile(icon(n)), readFile(again.file(name))) << name;
  }
}

TEST_F(IconGenerator, FailsWhenItCannotWrite) {
  TempFolder dir;
  wabo::testing::writeFile(dir.file("plain"), "x");
  EXPECT_FALSE(run(dir.file("plain")));  // a file where the folder should be
  EXPECT_FALSE(run(dir.file("plain/sub")));
}
