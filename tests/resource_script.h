// The resource script read as text, for the tests that hold the program's
// tables against it: res/wabo.rc with the res/*.rc files it includes put in
// place of their #include lines, and names resolved through res/resource.h.
#pragma once
#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace wabo::test {

// The lines of `file` (relative to the source folder), included .rc files of res/ in place.
inline std::vector<std::string> scriptLines(const std::string& file) {
  std::ifstream in(std::string(WABO_SOURCE_DIR) + "/" + file);
  std::vector<std::string> result;
  const std::regex include(R"re(^#include\s+"(res/\w+\.rc)")re");
  std::smatch m;
  for (std::string line; std::getline(in, line);) {
    const bool included = std::regex_search(line, m, include);
    for (const std::string& own : included ? scriptLines(m[1]) : std::vector<std::string>{line}) result.push_back(own);
  }
  return result;
}

// A number or a name #defined in resource.h; -1 when neither.
inline long resolve(const std::string& token) {
  static const std::map<std::string, long> names = [] {
    std::map<std::string, long> m;
    std::smatch match;
    for (const std::string& line : scriptLines("res/resource.h"))
      if (std::regex_search(line, match, std::regex(R"(^#define\s+(\w+)\s+(\d+))"))) m[match[1]] = std::stol(match[2]);
    return m;
  }();
  if (!token.empty() && std::isdigit(static_cast<unsigned char>(token[0]))) return std::stol(token);
  return names.count(token) ? names.at(token) : -1;
}

}  // namespace wabo::test
