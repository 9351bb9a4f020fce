#include "bench_files.h"

#include <windows.h>

#include <cstdio>
#include <stdexcept>

namespace bench {
namespace {

constexpr DWORD kReadLimit = 16u << 20;

}  // namespace

std::string join(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

bool fileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readFileIfThere(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return "";
    throw std::runtime_error("cannot read " + path);
  }
  std::string bytes(kReadLimit, '\0');
  DWORD got = 0;
  const BOOL ok = ReadFile(f, &bytes[0], kReadLimit, &got, nullptr);
  CloseHandle(f);
  if (!ok) throw std::runtime_error("cannot read " + path);
  bytes.resize(got);
  return bytes;
}

std::string readFile(const std::string& path) {
  if (!fileExists(path)) throw std::runtime_error("no file " + path);
  return readFileIfThere(path);
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !ok) throw std::runtime_error("short write to " + path);
}

void copyFile(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("cannot copy " + from + " to " + to);
}

}  // namespace bench
