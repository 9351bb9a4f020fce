// The few functions of shell32, comdlg32 and ole32 that the program uses:
// the tray icon, the pickers and opening a document. Linking those libraries
// would load them, and the libraries they pull in, at every start (tens of
// milliseconds under Wine), while the functions are needed only when the
// user asks for them. So each library is loaded from the system folder at
// the first call of one of its functions and kept. A function whose library
// or entry cannot be found fails the way the function itself reports
// failure.
#pragma once
#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace wabo::system {

BOOL shellNotifyIcon(DWORD message, NOTIFYICONDATAA* data);         // Shell_NotifyIconA
HINSTANCE shellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                       const char* folder, int show);               // ShellExecuteA
LPITEMIDLIST browseForFolder(BROWSEINFOA* info);                     // SHBrowseForFolderA
// SHGetPathFromIDListA writes up to MAX_PATH bytes and takes no size: only a
// buffer of that size can be given.
BOOL pathFromIdList(LPCITEMIDLIST list, char (&path)[MAX_PATH]);     // SHGetPathFromIDListA
void freeTaskMemory(void* memory);                                   // CoTaskMemFree
BOOL getOpenFileName(OPENFILENAMEA* request);                        // GetOpenFileNameA
BOOL getSaveFileName(OPENFILENAMEA* request);                        // GetSaveFileNameA
BOOL chooseColour(CHOOSECOLORA* choice);                             // ChooseColorA

}  // namespace wabo::system
