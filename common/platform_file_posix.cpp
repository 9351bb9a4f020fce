#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <thread>

#include "common/platform_file.h"

namespace wabo::platform {

// Tests on Linux write '\' in paths as the program does; the core treats '/'
// as a separator too, so the real temporary folders of the tests use '/'.
bool createExclusive(const std::string& path) {
  int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

bool replaceFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool removeFile(const std::string& path) { return std::remove(path.c_str()) == 0 || errno == ENOENT; }

bool fileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

std::string windowsFolder() { return ""; }

void shortPause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace wabo::platform
