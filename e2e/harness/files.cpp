#include "harness/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "harness/wait.h"

namespace e2e {

namespace {

std::string envOr(const char* name, const std::string& fallback) {
  char value[1024];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  if (n == 0 || n >= sizeof value) return fallback;
  return std::string(value, n);
}

std::string currentTestLabel() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  if (!info) return "run";
  std::string label = std::string(info->test_suite_name()) + "." + info->name();
  // Board paths in the program hold 255 bytes: keep the folder names short.
  const size_t kMaxLabel = 48;
  if (label.size() > kMaxLabel) label.resize(kMaxLabel);
  for (char& c : label) {
    if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
        c == '>' || c == '|')
      c = '_';
  }
  return label;
}

}  // namespace

std::string driverFolder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) throw HarnessError("GetModuleFileNameA failed");
  std::string full(path, n);
  size_t cut = full.find_last_of('\\');
  return cut == std::string::npos ? std::string(".") : full.substr(0, cut);
}

std::string programPath() { return envOr("WABO_EXE", joinPath(driverFolder(), "wabo.exe")); }

std::string menuProbePath() { return joinPath(driverFolder(), "menuprobe.dll"); }

std::string runsRoot() {
  std::string root = envOr("WABO_E2E_RUNS", joinPath(driverFolder(), "e2e-runs"));
  CreateDirectoryA(root.c_str(), nullptr);
  if (!folderExists(root)) throw HarnessError("cannot make the runs folder " + root);
  return root;
}

std::string joinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  char last = folder.back();
  if (last == '\\' || last == '/') return folder + name;
  return folder + "\\" + name;
}

bool fileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readFileBytes(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw HarnessError("cannot read " + path);
  std::string bytes;
  char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
    bytes.append(chunk, n);
    if (bytes.size() > (64u << 20)) {
      std::fclose(f);
      throw HarnessError("file too large: " + path);
    }
  }
  std::fclose(f);
  return bytes;
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
  // Written beside and renamed over the file, so that a running program
  // reads either the old or the new file, never a half-written one. The
  // rename waits while the program has the file open.
  const std::string temporary = path + ".e2e-new";
  FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) throw HarnessError("cannot write " + temporary);
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok) throw HarnessError("short write to " + temporary);
  if (!waitUntil([&] {
        return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
      })) {
    DeleteFileA(temporary.c_str());
    throw HarnessError("cannot replace " + path);
  }
}

void copyFileOrThrow(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
    throw HarnessError("cannot copy " + from + " to " + to);
}

bool removeTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(joinPath(path, "*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = joinPath(path, name);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
  return !folderExists(path);
}

TempFolder::TempFolder(const std::string& label) {
  static int counter = 0;
  std::string base = joinPath(runsRoot(), currentTestLabel() + (label.empty() ? "" : "-" + label));
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::string candidate = base + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(++counter);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
  }
  throw HarnessError("cannot make a fresh folder under " + base);
}

TempFolder::~TempFolder() {
  bool keep = ::testing::Test::HasFailure() || envOr("WABO_E2E_KEEP", "") != "";
  if (keep) {
    std::printf("  (kept %s)\n", path_.c_str());
    return;
  }
  removeTree(path_);
}

}  // namespace e2e
