// The two files that live beside a board file: the folder's lock file and
// the board's backup.
#include <string_view>

#include "board/board_file.h"
#include "board/board_save.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

std::string lockFilePath(const std::string& boardPath) {
  std::size_t sep = sjis::lastSeparator(boardPath, kPathBytes);
  // A separator that is the path's first byte does not make a folder part.
  if (sep == std::string::npos || sep == 0) return "lock.dat";
  return boardPath.substr(0, sep + 1) + "lock.dat";
}

std::string backupPath(const std::string& boardPath) {
  std::string_view examined(boardPath);
  if (examined.size() > kPathBytes) examined = examined.substr(0, kPathBytes);
  std::size_t sep = sjis::lastSeparator(examined);
  std::size_t nameStart = sep == std::string::npos ? 0 : sep + 1;
  // '.' is never a trail byte, so a plain byte search is safe here.
  std::size_t dot = examined.find('.', nameStart);
  if (dot == std::string::npos) return boardPath + ".bak";
  return boardPath.substr(0, dot) + ".bak";
}

}  // namespace wabo
