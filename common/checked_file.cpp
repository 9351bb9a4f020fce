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
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = !std::ferror(file) && ok;
  ok = std::fclose(file) == 0 && ok;
  if (!ok) platform::removeFile(path);
  return ok;
}

bool copyFileChecked(const std::string& from, const std::string& to) {
  std::unique_ptr<std::FILE, FileCloser> in(std::fopen(from.c_str(), "rb"));
  if (!in) return false;
  std::FILE* out = std::fopen(to.c_str(), "wb");
  if (!out) return false;
  bool ok = true;
  std::unique_ptr<char[]> buffer(new char[64 * 1024]);
  for (;;) {
    std::size_t n = std::fread(buffer.get(), 1, 64 * 1024, in.get());
    if (n > 0 && std::fwrite(buffer.get(), 1, n, out) != n) {
      ok = false;
      break;
    }
    if (n < 64 * 1024) break;
  }
  if (std::ferror(in.get())) ok = false;
  ok = std::fflush(out) == 0 && ok;
  ok = !std::ferror(out) && ok;
  ok = std::fclose(out) == 0 && ok;
  if (!ok) platform::removeFile(to);
  return ok;
}

bool replaceWithRetries(const std::string& from, const std::string& to) {
  return retryBriefly([&] { return platform::replaceFile(from, to); },
                      // Nothing to wait for once the file to move is gone.
                      [&] { return platform::fileExists(from); });
}

bool writeFileReplacing(const std::string& path, const std::string& tempPath, const std::string& bytes) {
  if (!writeFileChecked(tempPath, bytes)) return false;
  if (replaceWithRetries(tempPath, path)) return true;
  platform::removeFile(tempPath);
  return false;
}

}  // namespace wabo
