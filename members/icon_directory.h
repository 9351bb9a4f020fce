// The directory of an icon group resource (RT_GROUP_ICON): a 6-byte head
// (reserved 0, type 1, count) and per image 14 bytes: width, height (0 for
// 256), colour count, reserved, planes, bits per pixel (2 bytes), size of
// the image (4 bytes) and its RT_ICON resource ID (2 bytes), little-endian.
#pragma once
#include <cstddef>

namespace wabo {

// The resource ID of the first image of exactly size x size pixels and
// `bitsPerPixel` bits in the group directory `bytes` of `length` bytes; 0
// when there is none or the directory is cut short. Only the bytes within
// `length` are read.
int iconImageId(const unsigned char* bytes, std::size_t length, int size, int bitsPerPixel);

}  // namespace wabo
