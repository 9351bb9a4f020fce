#include "common/checked_file.h"

#include <cstdio>
#include <memory>

#include "common/brief_retry.h"
#include "common/platform_file.h"

namespace wabo {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool writeFileChecked(const std::string& path, const std::string& bytes) {
  if (platform::writeWholeFile(path, bytes)) return true;
  platform::removeFile(path);
  return false;
}

bool copyFileChecked(const std::string& from, const std::string& to) {
  std::unique_ptr<std::FILE, FileCloser> in(std::fopen(from.c_str(), "rb"));
  if (!in) return false;
  std::string bytes;
  char buffer[64 * 1024];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in.get())) > 0;) bytes.append(buffer, n);
  if (std::ferror(in.get())) return false;
  return writeFileChecked(to, bytes);
}

bool replaceWithRetries(const std::string& from, const std::string& to, int milliseconds) {
  return retryBriefly([&] { return platform::replaceFile(from, to); },
                      // Nothing to wait for once the file to move is gone.
                      [&] { return platform::fileExists(from); }, milliseconds);
}

bool writeFileReplacing(const std::string& path, const std::string& tempPath, const std::string& bytes,
                        int replaceWaitMs) {
  if (!writeFileChecked(tempPath, bytes)) return false;
  if (replaceWithRetries(tempPath, path, replaceWaitMs)) return true;
  platform::removeFile(tempPath);
  return false;
}

}  // namespace wabo
