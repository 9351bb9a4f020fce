// Copies a UTF-8 C++ source file and turns the non-ASCII text in its narrow
// string literals into Shift-JIS (code page 932) octal escapes, so that a
// compiler without -fexec-charset=CP932 (clang) builds the same bytes as g++
// with it. Comments, wide and UTF literals are copied as they are. The copy
// begins with a #line directive naming the original file, so diagnostics and
// coverage point at the real source; lines are neither added nor removed.
//
//   sjis_escape <in.cpp> <out.cpp> [<name in #line>]
//
// Uses the C library's iconv, the converter g++ itself uses for
// -fexec-charset. A character that has no CP932 form, or Japanese text in a
// character literal or raw string, stops the build.
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

[[noreturn]] void fail(const std::string& file, int line, const std::string& what) {
  std::fprintf(stderr, "%s:%d: %s\n", file.c_str(), line, what.c_str());
  std::exit(1);
}

class Converter {
 public:
  Converter() : cd_(iconv_open("CP932", "UTF-8")) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      std::perror("iconv_open CP932");
      std::exit(1);
    }
  }
  ~Converter() { iconv_close(cd_); }
  bool convert(const std::string& utf8, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in = utf8;
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    std::string buffer(in.size() * 2 + 8, '\0');
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
    out.assign(buffer.data(), buffer.size() - outLeft);
    return true;
  }

 private:
  iconv_t cd_;
};

bool isIdentChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The identifier characters right before position i (a literal's prefix).
std::string prefixBefore(const std::string& s, std::size_t i) {
  std::size_t b = i;
  while (b > 0 && isIdentChar(s[b - 1])) --b;
  return s.substr(b, i - b);
}

struct Source {
  Source(const std::string& t, const std::string& n) : text(t), name(n) {}
  const std::string& text;
  const std::string& name;
  std::string out;
  std::size_t i = 0;
  int line = 1;
  Converter converter;

  void copy(std::size_t n) {
    for (std::size_t k = 0; k < n && i < text.size(); ++k, ++i) {
      if (text[i] == '\n') ++line;
      out.push_back(text[i]);
    }
  }

  void lineComment() {
    while (i < text.size() && text[i] != '\n') copy(1);
  }
  void blockComment() {
    copy(2);
    while (i < text.size() && text.compare(i, 2, "*/") != 0) copy(1);
    copy(2);
  }

  // A quoted literal from its opening quote; `escape` converts non-ASCII.
  void quoted(char quote, bool escape, const char* kind) {
    copy(1);
    std::string run;
    auto flush = [&] {
      if (run.empty()) return;
      std::string sjis;
      if (!converter.convert(run, sjis)) fail(name, line, "no CP932 form for \"" + run + "\"");
      for (unsigned char c : sjis) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\%03o", c);
        out += buf;
      }
      run.clear();
    };
    while (i < text.size() && text[i] != quote) {
      unsigned char c = static_cast<unsigned char>(text[i]);
      if (c == '\n') fail(name, line, "unterminated literal");
      if (c >= 0x80) {
        if (!escape) {
          if (kind) fail(name, line, std::string("non-ASCII text in a ") + kind);
          copy(1);
          continue;
        }
        run.push_back(static_cast<char>(c));
        ++i;
        continue;
      }
      flush();
      if (c == '\\') copy(1);
      copy(1);
    }
    flush();
    copy(1);
  }

  void rawString(bool narrow) {
    // R"delim( ... )delim"
    std::size_t open = text.find('(', i);
    if (open == std::string::npos) fail(name, line, "bad raw string");
    const std::string end = ")" + text.substr(i + 1, open - i - 1) + "\"";
    std::size_t close = text.find(end, open);
    if (close == std::string::npos) fail(name, line, "unterminated raw string");
    close += end.size();
    if (narrow) {
      for (std::size_t k = i; k < close; ++k)
        if (static_cast<unsigned char>(text[k]) >= 0x80) fail(name, line, "non-ASCII text in a raw string");
    }
    copy(close - i);
  }

  void run() {
    while (i < text.size()) {
      char c = text[i];
      if (text.compare(i, 2, "//") == 0) {
        lineComment();
      } else if (text.compare(i, 2, "/*") == 0) {
        blockComment();
      } else if (c == '"') {
        const std::string prefix = prefixBefore(text, i);
        const bool raw = !prefix.empty() && prefix.back() == 'R';
        const std::string encoding = raw ? prefix.substr(0, prefix.size() - 1) : prefix;
        const bool narrow = encoding.empty() || (encoding != "L" && encoding != "u" && encoding != "U" &&
                                                 encoding != "u8");
        if (raw) {
          rawString(narrow);
        } else {
          quoted('"', narrow, nullptr);
        }
      } else if (c == '\'') {
        const std::string prefix = prefixBefore(text, i);
        const bool digitSeparator = !prefix.empty() && prefix != "L" && prefix != "u" && prefix != "U" &&
                                    prefix != "u8";
        if (digitSeparator) {
          copy(1);
        } else {
          quoted('\'', false, "character literal");
        }
      } else {
        copy(1);
      }
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: sjis_escape IN OUT [NAME]\n");
    return 2;
  }
  const std::string inPath = argv[1];
  const std::string name = argc > 3 ? argv[3] : inPath;
  std::ifstream in(inPath, std::ios::binary);
  if (!in) fail(inPath, 0, "cannot read");
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  Source source(text, name);
  source.out = "#line 1 \"" + name + "\"\n";
  source.run();

  const std::string tmp = std::string(argv[2]) + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary);
    out.write(source.out.data(), static_cast<std::streamsize>(source.out.size()));
    if (!out) fail(tmp, 0, "cannot write");
  }
  if (std::rename(tmp.c_str(), argv[2]) != 0) fail(argv[2], 0, "cannot replace");
  return 0;
}
