// Joining a folder and a file name the way the program does on Windows.
#pragma once
#include <string>

namespace wabo {

// folder + "\" + fileName.
std::string joinPath(const std::string& folder, const std::string& fileName);

}  // namespace wabo
