// Files of the bench's program folders: read, written and copied with an
// exception on failure, so that a run stops at the first broken set-up.
#pragma once
#include <string>

namespace bench {

std::string join(const std::string& folder, const std::string& name);
bool fileExists(const std::string& path);
// The whole file, at most 16 MB; throws when it cannot be opened. The file
// may be open for writing elsewhere (a log the program's child writes).
std::string readFile(const std::string& path);
// As readFile, but "" when there is no such file.
std::string readFileIfThere(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
void copyFile(const std::string& from, const std::string& to);

}  // namespace bench
