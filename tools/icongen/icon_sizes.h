// The image sizes every .ico file of the program holds, largest first: 32
// and 16 pixels, and 24 and 20 for screens at 150 % and 125 %, where the
// member list's icons (16 pixels at 100 %) are then drawn from an image of
// their own size instead of a scaled one.
#pragma once

namespace icongen {

constexpr int kIconSizes[] = {32, 24, 20, 16};
constexpr int kIconSizeCount = sizeof kIconSizes / sizeof kIconSizes[0];

}  // namespace icongen
