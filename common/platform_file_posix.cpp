#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <thread>

#include "common/platform_file.h"

namespace wabo::platform {

// Tests on Linux write '\' in paths as the program does; the core treats '/'
// as a separator too, so the real temporary folders of the tests use '/'.
bool createExclusive(const std::string& path, const std::string& content) {
  return createNew(path, content) == CreateResult::Created;
}

CreateResult createNew(const std::string& path, const std::string& content) {
  int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
  if (fd < 0) return errno == EEXIST ? CreateResult::Exists : CreateResult::Failed;
  bool ok = true;
  for (std::size_t done = 0; ok && done < content.size();) {
    ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      ok = false;
    }
  }
  if (::close(fd) != 0) ok = false;
  if (!ok) ::unlink(path.c_str());
  return ok ? CreateResult::Created : CreateResult::Failed;
}

bool replaceFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool removeFile(const std::string& path) { return std::remove(path.c_str()) == 0 || errno == ENOENT; }

bool fileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

long long fileAgeSeconds(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return -1;
  return static_cast<long long>(std::time(nullptr)) - static_cast<long long>(info.st_mtime);
}

std::string windowsFolder() { return ""; }

void shortPause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace wabo::platform
