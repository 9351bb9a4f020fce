// What the folder picker hands back to its caller: the chosen path only when
// it fits the caller's buffer with its terminating zero.
#pragma once
#include <cstddef>
#include <string_view>

#include "common/limits.h"

namespace wabo {

constexpr int kFolderChosen = 1;
constexpr int kFolderCancelled = 2;

// Copies `path` with its terminating zero into `result` and returns
// kFolderChosen when it is shorter than `resultSize` bytes. Otherwise
// returns kFolderCancelled and leaves `result` untouched, so a caller that
// acts only on kFolderChosen never takes a cut path.
int takeChosenFolder(std::string_view path, char* result, std::size_t resultSize);

// The folder browser's choice as a path: `toPath` is given a buffer of
// kSystemPathBytes, which it fills as the system's conversion of the choice
// does (up to 259 bytes and a zero), and answers whether the choice is a
// file-system folder. The path is then handed over by takeChosenFolder.
template <typename ToPath>
int takeSystemFolderPath(ToPath toPath, char* result, std::size_t resultSize) {
  char path[kSystemPathBytes] = {};
  if (!toPath(path)) return kFolderCancelled;
  path[kSystemPathBytes - 1] = '\0';
  return takeChosenFolder(path, result, resultSize);
}

}  // namespace wabo
