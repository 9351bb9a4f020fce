// The 70 member icons as one image list. Adding icons to an image list one
// by one costs about 2 ms each under Wine, and making an icon handle for
// each costs a little less; so the pictures are blended straight from the
// icon resources into one bitmap, which is added at once.
#include <cstdint>
#include <cstring>
#include <map>
#include <utility>

#include "common/limits.h"
#include "members/icon_directory.h"
#include "members/member_icons_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

// The icons are resources of the program file itself.
HINSTANCE module() { return GetModuleHandleA(nullptr); }

// Blends member icon n onto the strip (32-bit, top-down, `stripWidth`
// pixels wide) from its 32-bit image of exactly size x size pixels. False
// when the resource has no such image; the caller then draws the icon.
bool blendFromResource(int n, int size, std::uint32_t* strip, int stripWidth, COLORREF background) {
  HRSRC group = FindResourceA(module(), MAKEINTRESOURCEA(IDI_MEMBER_FIRST + n), MAKEINTRESOURCEA(14));
  HGLOBAL groupData = group != nullptr ? LoadResource(module(), group) : nullptr;
  if (groupData == nullptr) return false;
  // The directory is read here rather than by LookupIconIdFromDirectoryEx,
  // which asks the display for its colour depth at every call (under Wine
  // 70 calls cost more than all the blending).
  const int imageId = iconImageId(static_cast<const unsigned char*>(LockResource(groupData)),
                                  SizeofResource(module(), group), size, 32);
  HRSRC image = imageId != 0 ? FindResourceA(module(), MAKEINTRESOURCEA(imageId), MAKEINTRESOURCEA(3))
                             : nullptr;
  HGLOBAL imageData = image != nullptr ? LoadResource(module(), image) : nullptr;
  if (imageData == nullptr) return false;
  const auto* bytes = static_cast<const unsigned char*>(LockResource(imageData));
  DWORD length = SizeofResource(module(), image);
  BITMAPINFOHEADER header;
  if (bytes == nullptr || length < sizeof header) return false;
  std::memcpy(&header, bytes, sizeof header);
  const std::size_t pixels = static_cast<std::size_t>(size) * size;
  if (header.biWidth != size || header.biHeight != 2 * size || header.biBitCount != 32 ||
      header.biCompression != BI_RGB || header.biSize != sizeof header || length < sizeof header + pixels * 4)
    return false;

  const unsigned bgRed = GetRValue(background), bgGreen = GetGValue(background), bgBlue = GetBValue(background);
  const unsigned char* rows = bytes + sizeof header;  // bottom-up BGRA
  for (int y = 0; y < size; ++y) {
    const unsigned char* source = rows + static_cast<std::size_t>(size - 1 - y) * size * 4;
    std::uint32_t* target = strip + static_cast<std::size_t>(y) * stripWidth + n * size;
    for (int x = 0; x < size; ++x, source += 4) {
      unsigned alpha = source[3];
      unsigned blue = (source[0] * alpha + bgBlue * (255 - alpha)) / 255;
      unsigned green = (source[1] * alpha + bgGreen * (255 - alpha)) / 255;
      unsigned red = (source[2] * alpha + bgRed * (255 - alpha)) / 255;
      target[x] = blue | (green << 8) | (red << 16);
    }
  }
  return true;
}

}  // namespace

HICON loadMemberIcon(int n, int size) {
  if (n < 0 || n >= kMemberIconCount) return nullptr;
  return static_cast<HICON>(LoadImageA(module(), MAKEINTRESOURCEA(IDI_MEMBER_FIRST + n), IMAGE_ICON, size, size, 0));
}

// LR_SHARED would hand back the first size loaded for every later size, so
// each resource and size is loaded once here and kept.
HICON loadSmallIcon(int resource, int size) {
  static std::map<std::pair<int, int>, HICON> loaded;
  auto found = loaded.find({resource, size});
  if (found != loaded.end()) return found->second;
  auto icon = static_cast<HICON>(LoadImageA(module(), MAKEINTRESOURCEA(resource), IMAGE_ICON, size, size, 0));
  if (icon != nullptr) loaded.emplace(std::make_pair(resource, size), icon);
  return icon;
}

HIMAGELIST createMemberIconList(int size, COLORREF background) {
  HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR16, kMemberIconCount, 0);
  if (images == nullptr) return nullptr;

  const int stripWidth = size * kMemberIconCount;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = stripWidth;
  info.bmiHeader.biHeight = -size;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  void* bits = nullptr;
  HBITMAP strip = dc != nullptr ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
  if (strip == nullptr) {
    if (dc != nullptr) DeleteDC(dc);
    ImageList_Destroy(images);
    return nullptr;
  }

  // The list has no mask: each picture stands on the background it is shown on.
  HGDIOBJ previous = SelectObject(dc, strip);
  RECT all = {0, 0, stripWidth, size};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  GdiFlush();
  for (int n = 0; n < kMemberIconCount; ++n) {
    if (blendFromResource(n, size, static_cast<std::uint32_t*>(bits), stripWidth, background)) continue;
    // A size the icons do not carry: the system scales the nearest image.
    HICON icon = loadMemberIcon(n, size);
    if (icon == nullptr) continue;
    DrawIconEx(dc, n * size, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    GdiFlush();
  }
  SelectObject(dc, previous);
  ImageList_Add(images, strip, nullptr);
  DeleteObject(strip);
  DeleteDC(dc);
  return images;
}

}  // namespace wabo
