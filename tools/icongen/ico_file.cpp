#include "ico_file.h"

#include <cstdio>

namespace icongen {
namespace {

void put16(std::vector<uint8_t>& v, unsigned x) {
  v.push_back(uint8_t(x & 0xFF));
  v.push_back(uint8_t((x >> 8) & 0xFF));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

std::vector<uint8_t> iconImage(const Canvas& c) {
  std::vector<uint8_t> v;
  int n = c.size();
  put32(v, 40);                 // BITMAPINFOHEADER size
  put32(v, uint32_t(n));        // width
  put32(v, uint32_t(2 * n));    // height: colour rows plus mask rows
  put16(v, 1);                  // planes
  put16(v, 32);                 // bits per pixel
  put32(v, 0);                  // BI_RGB
  put32(v, 0);                  // image size (may be 0 for BI_RGB)
  put32(v, 0); put32(v, 0);     // resolution
  put32(v, 0); put32(v, 0);     // colours used, important
  std::vector<uint8_t> px = c.bgraBottomUp(), mask = c.maskBottomUp();
  v.insert(v.end(), px.begin(), px.end());
  v.insert(v.end(), mask.begin(), mask.end());
  return v;
}

}  // namespace

bool writeIco(const std::string& path, const std::vector<const Canvas*>& images) {
  std::vector<std::vector<uint8_t>> data;
  for (const Canvas* c : images) data.push_back(iconImage(*c));
  std::vector<uint8_t> f;
  put16(f, 0);  // reserved
  put16(f, 1);  // type: icon
  put16(f, unsigned(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    int n = images[i]->size();
    f.push_back(uint8_t(n));  // width
    f.push_back(uint8_t(n));  // height
    f.push_back(0);           // colour count
    f.push_back(0);           // reserved
    put16(f, 1);              // planes
    put16(f, 32);             // bits per pixel
    put32(f, uint32_t(data[i].size()));
    put32(f, offset);
    offset += uint32_t(data[i].size());
  }
  for (const auto& d : data) f.insert(f.end(), d.begin(), d.end());
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(f.data(), 1, f.size(), out) == f.size();
  ok = (std::fclose(out) == 0) && ok;
  return ok;
}

}  // namespace icongen
