// What the folder picker hands back to its caller: the chosen path only when
// it fits the caller's buffer with its terminating zero.
#pragma once
#include <cstddef>
#include <string_view>

namespace wabo {

constexpr int kFolderChosen = 1;
constexpr int kFolderCancelled = 2;

// Copies `path` with its terminating zero into `result` and returns
// kFolderChosen when it is shorter than `resultSize` bytes. Otherwise
// returns kFolderCancelled and leaves `result` untouched, so a caller that
// acts only on kFolderChosen never takes a cut path.
int takeChosenFolder(std::string_view path, char* result, std::size_t resultSize);

}  // namespace wabo
