#include "settings/folder_picker_win.h"

#include <shlobj.h>

#include "common/limits.h"
#include "common/system_library_win.h"

namespace wabo {
namespace {

static_assert(kSystemPathBytes == MAX_PATH, "the folder path buffer takes what SHGetPathFromIDListA writes");

int CALLBACK onBrowserEvent(HWND browser, UINT event, LPARAM /*param*/, LPARAM initialFolder) {
  if (event == BFFM_INITIALIZED && initialFolder != 0)
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, initialFolder);
  return 0;
}

}  // namespace

int pickFolder(HWND owner, const char* initialFolder, char* result, std::size_t resultSize) {
  char title[] = "ﾌｫﾙﾀﾞ選択";
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = nullptr;
  info.lpszTitle = title;
  info.ulFlags = 0;
  info.lpfn = onBrowserEvent;
  info.lParam = reinterpret_cast<LPARAM>(initialFolder);

  LPITEMIDLIST chosen = system::browseForFolder(&info);
  if (chosen == nullptr) return kFolderCancelled;
  // The conversion writes up to MAX_PATH bytes: the buffer is that size.
  const int answer = takeSystemFolderPath(
      [chosen](char (&path)[kSystemPathBytes]) { return system::pathFromIdList(chosen, path) != FALSE; }, result,
      resultSize);
  system::freeTaskMemory(chosen);
  return answer;
}

}  // namespace wabo
