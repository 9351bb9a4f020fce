// Writing .ico files: each picture as a 32-bit BGRA image with alpha plus
// the 1-bit AND mask.
#pragma once
#include <string>
#include <vector>

#include "canvas.h"

namespace icongen {

// False when the file cannot be written.
bool writeIco(const std::string& path, const std::vector<const Canvas*>& images);

}  // namespace icongen
