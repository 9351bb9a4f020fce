#include "common/system_library_win.h"

#include <string>

namespace wabo::system {
namespace {

// Only the system folder is searched: the program folder is often a shared
// network folder, where a file of the same name must not be taken.
HMODULE systemLibrary(const char* name) {
  char folder[MAX_PATH] = {};
  UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  std::string path = std::string(folder, length) + "\\" + name;
  return LoadLibraryA(path.c_str());
}

// The entry `function` of the system library `library`, found once.
template <typename Function>
Function entry(const char* library, const char* function) {
  HMODULE module = GetModuleHandleA(library);
  if (module == nullptr) module = systemLibrary(library);
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, function)));
}

constexpr char kShell[] = "shell32.dll";
constexpr char kDialogs[] = "comdlg32.dll";
constexpr char kOle[] = "ole32.dll";

}  // namespace

BOOL shellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  static const auto call = entry<decltype(&Shell_NotifyIconA)>(kShell, "Shell_NotifyIconA");
  return call != nullptr ? call(message, data) : FALSE;
}

HINSTANCE shellExecute(HWND owner, const char* verb, const char* file, const char* parameters, const char* folder,
                       int show) {
  static const auto call = entry<decltype(&ShellExecuteA)>(kShell, "ShellExecuteA");
  // Values up to 32 are errors; 31 is "no association".
  return call != nullptr ? call(owner, verb, file, parameters, folder, show)
                         : reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_NOASSOC));
}

LPITEMIDLIST browseForFolder(BROWSEINFOA* info) {
  static const auto call = entry<decltype(&SHBrowseForFolderA)>(kShell, "SHBrowseForFolderA");
  return call != nullptr ? call(info) : nullptr;
}

BOOL pathFromIdList(LPCITEMIDLIST list, char (&path)[MAX_PATH]) {
  static const auto call = entry<decltype(&SHGetPathFromIDListA)>(kShell, "SHGetPathFromIDListA");
  return call != nullptr ? call(list, path) : FALSE;
}

void freeTaskMemory(void* memory) {
  static const auto call = entry<decltype(&CoTaskMemFree)>(kOle, "CoTaskMemFree");
  if (call != nullptr) call(memory);
}

BOOL getOpenFileName(OPENFILENAMEA* request) {
  static const auto call = entry<decltype(&GetOpenFileNameA)>(kDialogs, "GetOpenFileNameA");
  return call != nullptr ? call(request) : FALSE;
}

BOOL getSaveFileName(OPENFILENAMEA* request) {
  static const auto call = entry<decltype(&GetSaveFileNameA)>(kDialogs, "GetSaveFileNameA");
  return call != nullptr ? call(request) : FALSE;
}

BOOL chooseColour(CHOOSECOLORA* choice) {
  static const auto call = entry<decltype(&ChooseColorA)>(kDialogs, "ChooseColorA");
  return call != nullptr ? call(choice) : FALSE;
}

}  // namespace wabo::system
