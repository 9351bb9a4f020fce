// The folder picker behind the "参照" buttons of the mail folder and the
// shared settings file location: the shell's folder browser.
#pragma once
#include <windows.h>

#include <cstddef>

#include "settings/folder_choice.h"

namespace wabo {

// Opens the folder browser titled "ﾌｫﾙﾀﾞ選択" over `owner`, on the whole name
// space. When `initialFolder` is given, the browser starts on it (an empty
// text selects nothing). Returns kFolderChosen (1) with the folder's path in
// `result`, or kFolderCancelled (2) with `result` untouched: when the user
// cancels, when the choice is not a file-system folder, and when its path
// does not fit `resultSize` bytes.
int pickFolder(HWND owner, const char* initialFolder, char* result, std::size_t resultSize);

}  // namespace wabo
