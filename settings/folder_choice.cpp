#include "settings/folder_choice.h"

#include <cstring>

namespace wabo {

int takeChosenFolder(std::string_view path, char* result, std::size_t resultSize) {
  // A path with a zero inside would be cut short by every later use.
  if (result == nullptr || path.size() >= resultSize || path.find('\0') != std::string_view::npos)
    return kFolderCancelled;
  std::memcpy(result, path.data(), path.size());
  result[path.size()] = '\0';
  return kFolderChosen;
}

}  // namespace wabo
