// icongen: draws the program's icons and writes them as .ico files.
//
//   icongen <outdir>
//
// writes <outdir>/icon128.ico (program), icon201.ico .. icon270.ico (the 70
// member icons), icon271.ico (all-members message), icon272.ico (bulletin
// board) and icon273.ico (update time). Every file holds an image of each
// size of icon_sizes.h (32, 24, 20 and 16 pixels square), 32-bit BGRA with
// alpha plus the 1-bit AND mask.
//
// The pictures are made of a few vector shapes (circles, rectangles,
// polygons, thick lines) given in a 32 x 32 unit square. Each shape is an
// inside test; a pixel's coverage is the share of its 8 x 8 sub-samples
// inside the shape, which gives the anti-aliasing. The same drawing is
// rendered at every size, so the output depends on nothing but this file.
// Plain C++17 and the standard library only: it runs on the build host.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ico_file.h"
#include "icon_sizes.h"
#include "pictures.h"

using namespace icongen;

namespace {

std::vector<Draw> memberIcons() {
  std::vector<Draw> all;
  for (auto group : {peopleIcons, vehicleIcons, placeIcons, symbolIcons, objectIcons}) {
    std::vector<Draw> icons = group();
    all.insert(all.end(), icons.begin(), icons.end());
  }
  return all;
}

bool writeIcon(const std::string& dir, int number, const Draw& draw) {
  std::vector<Canvas> canvases;
  for (int size : kIconSizes) canvases.emplace_back(size);
  std::vector<const Canvas*> images;
  for (Canvas& canvas : canvases) {
    draw(canvas);
    images.push_back(&canvas);
  }
  std::string path = dir + "/icon" + std::to_string(number) + ".ico";
  if (!writeIco(path, images)) {
    std::fprintf(stderr, "icongen: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icongen <outdir>\n");
    return 2;
  }
  std::string dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);  // an existing folder is fine
  std::vector<Draw> members = memberIcons();
  if (members.size() != 70) {
    std::fprintf(stderr, "icongen: %zu member icons instead of 70\n", members.size());
    return 1;
  }
  if (!writeIcon(dir, 128, drawProgramIcon)) return 1;
  for (size_t i = 0; i < members.size(); ++i)
    if (!writeIcon(dir, 201 + int(i), members[i])) return 1;
  if (!writeIcon(dir, 271, drawMessageIcon) || !writeIcon(dir, 272, drawBulletinIcon) ||
      !writeIcon(dir, 273, drawUpdateClock))
    return 1;
  return 0;
}
