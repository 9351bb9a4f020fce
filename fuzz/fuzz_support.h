// What every fuzz target needs: a file to hand the input to the readers
// (they read by path), and checks of the readers' promises that stop the
// run with a crash report when one is broken.
#pragma once
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/sjis.h"

namespace wabo::fuzz {

[[noreturn]] inline void broken(const char* promise, const char* file, int line) {
  std::fprintf(stderr, "\n%s:%d: broken promise: %s\n", file, line, promise);
  std::abort();
}

#define FUZZ_REQUIRE(condition) \
  ((condition) ? (void)0 : ::wabo::fuzz::broken(#condition, __FILE__, __LINE__))

// A folder of this process's own, removed at exit: the readers find no
// stray lock file there. In /dev/shm where there is one, so that the
// writes and reads of every run stay in memory.
class Scratch {
 public:
  static Scratch& instance() {
    static Scratch scratch;
    return scratch;
  }
  std::string file(const std::string& name) const { return folder_ + "/" + name; }
  // Writes `size` bytes of `data` to `name` in the folder; returns its path.
  std::string write(const std::string& name, const void* data, std::size_t size) const {
    const std::string path = file(name);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0) {
      std::perror(path.c_str());
      std::abort();
    }
    return path;
  }
  std::string write(const std::string& name, const std::string& bytes) const {
    return write(name, bytes.data(), bytes.size());
  }
  static std::string read(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
      char buffer[4096];
      for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
      std::fclose(f);
    }
    return bytes;
  }

 private:
  Scratch() {
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : nullptr;
    std::string pattern = (base ? std::string(base) : std::filesystem::temp_directory_path().string()) +
                          "/wabo-fuzz-" + std::to_string(getpid()) + "-XXXXXX";
    if (!mkdtemp(pattern.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    folder_ = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string folder_;
};

// No NUL byte and no double-byte character without its second byte.
inline bool wholeCharacters(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\0') return false;
    if (sjis::isLeadByte(static_cast<unsigned char>(text[i]))) {
      if (i + 1 >= text.size() || text[i + 1] == '\0') return false;
      ++i;
    }
  }
  return true;
}

// A text as a reader may leave it in a buffer of `bufferBytes`: at most
// bufferBytes - 1 bytes of whole characters.
inline bool fitsBuffer(const std::string& text, std::size_t bufferBytes) {
  return text.size() < bufferBytes && wholeCharacters(text);
}

}  // namespace wabo::fuzz
