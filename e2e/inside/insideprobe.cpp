// A test-only DLL that the driver loads once into the running program and
// then asks through its channel (channel.h): under Wine another process can
// neither read a program's menus nor see which files it opens or which
// balloon it gives the tray, as the system itself sees them. Nothing here changes what the program does.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "inside/blocks.h"
#include "inside/channel.h"
#include "inside/gdi_table.h"
#include "inside/probe_server.h"

namespace {

// Appends a line for each command item of the menu; false when they do not
// fit (`used` then ends after the last whole line).
bool dumpMenu(HMENU menu, char* out, size_t& used, size_t capacity) {
  for (int pos = 0, count = GetMenuItemCount(menu); pos < count; ++pos) {
    char text[512] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &info)) continue;
    if (info.hSubMenu && !dumpMenu(info.hSubMenu, out, used, capacity)) return false;
    if (info.hSubMenu || (info.fType & MFT_SEPARATOR)) continue;
    int n = snprintf(out + used, capacity - used, "%u %u|%s\n", info.wID, info.fState, text);
    if (n < 0 || static_cast<size_t>(n) >= capacity - used) return false;
    used += static_cast<size_t>(n);
  }
  return true;
}

using Fopen = FILE*(__cdecl*)(const char*, const char*);
Fopen realFopen = nullptr;
char countedName[260];
volatile LONG opens = 0;

// Counts the opens of the counted file name and passes every call on unchanged.
FILE* __cdecl countingFopen(const char* path, const char* mode) {
  const char* name = path;
  for (const char* p = path; p && *p; ++p)
    if (*p == '\\' || *p == '/') name = p + 1;
  if (path && countedName[0] != '\0' && lstrcmpiA(name, countedName) == 0) InterlockedIncrement(&opens);
  return realFopen(path, mode);
}

// Points the program's import of `function` from `dll` at `replacement`.
bool redirectImport(const char* dll, const char* function, void* replacement, void** original) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
    if (lstrcmpiA(reinterpret_cast<char*>(base + imp->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (strcmp(reinterpret_cast<char*>(byName->Name), function) != 0) continue;
      DWORD old = 0;
      if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old)) return false;
      *original = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
      return true;
    }
  }
  return false;
}

using ShellNotifyIcon = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAA*);
using GetProc = FARPROC(WINAPI*)(HMODULE, LPCSTR);
GetProc realGetProcAddress = nullptr;
ShellNotifyIcon realShellNotifyIcon = nullptr;
CRITICAL_SECTION noticeLock;
uint32_t noticeCount = 0;
char lastNotice[256];

// Notes the balloon text of each call and passes the call on unchanged.
BOOL WINAPI recordingShellNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  if (data != nullptr && (data->uFlags & NIF_INFO) && data->cbSize >= NOTIFYICONDATAA_V2_SIZE) {
    EnterCriticalSection(&noticeLock);
    ++noticeCount;
    lstrcpynA(lastNotice, data->szInfo, sizeof lastNotice);
    LeaveCriticalSection(&noticeLock);
  }
  return realShellNotifyIcon(message, data);
}

// Hands out the recorder for Shell_NotifyIconA, everything else as it is.
FARPROC WINAPI recordingGetProcAddress(HMODULE module, LPCSTR name) {
  FARPROC found = realGetProcAddress(module, name);
  if (found != nullptr && HIWORD(reinterpret_cast<uintptr_t>(name)) != 0 && strcmp(name, "Shell_NotifyIconA") == 0) {
    realShellNotifyIcon = reinterpret_cast<ShellNotifyIcon>(reinterpret_cast<void*>(found));
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&recordingShellNotifyIcon));
  }
  return found;
}

uint32_t trayNotices(char* payload, uint32_t& size) {
  if (size != sizeof(inside::NoticeBlock)) return 1;
  if (realGetProcAddress == nullptr) {
    InitializeCriticalSection(&noticeLock);
    if (!redirectImport("kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&recordingGetProcAddress),
                        reinterpret_cast<void**>(&realGetProcAddress)))
      return 1;
  }
  auto* block = reinterpret_cast<inside::NoticeBlock*>(payload);
  EnterCriticalSection(&noticeLock);
  block->count = noticeCount;
  memcpy(block->text, lastNotice, sizeof block->text);
  LeaveCriticalSection(&noticeLock);
  return 0;
}

uint32_t readMenu(char* payload, uint32_t& size) {
  inside::MenuRequest request = {};
  if (size < sizeof request) return inside::kNoMenu;
  memcpy(&request, payload, sizeof request);
  size = 0;
  const size_t capacity = request.capacity < inside::kChannelPayload ? request.capacity : inside::kChannelPayload;
  HMENU menu = request.menu != 0 ? reinterpret_cast<HMENU>(static_cast<uintptr_t>(request.menu))
                                 : GetMenu(reinterpret_cast<HWND>(static_cast<uintptr_t>(request.window)));
  if (!menu || !IsMenu(menu)) return inside::kNoMenu;
  size_t used = 0;
  const bool whole = dumpMenu(menu, payload, used, capacity);
  size = static_cast<uint32_t>(used);
  return whole ? inside::kMenuDone : inside::kMenuCut;
}

uint32_t countOpens(char* payload, uint32_t& size) {
  if (size != sizeof(inside::CountBlock)) return 1;
  auto* block = reinterpret_cast<inside::CountBlock*>(payload);
  if (realFopen == nullptr && !redirectImport("msvcrt.dll", "fopen", reinterpret_cast<void*>(&countingFopen),
                                              reinterpret_cast<void**>(&realFopen)))
    return 1;
  if (block->reset) {
    block->name[sizeof block->name - 1] = '\0';
    memcpy(countedName, block->name, sizeof countedName);
    InterlockedExchange(&opens, 0);
  }
  block->count = static_cast<uint32_t>(opens);
  return 0;
}

BOOL CALLBACK countChild(HWND, LPARAM counted) {
  ++*reinterpret_cast<uint32_t*>(counted);
  return TRUE;
}

BOOL CALLBACK countTopLevel(HWND window, LPARAM counted) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<uint32_t*>(counted);
  EnumChildWindows(window, countChild, counted);
  return TRUE;
}

// Kernel handles are multiples of 4; Wine's GetProcessHandleCount answers 0,
// so the handles that answer GetHandleInformation are counted instead.
uint32_t handlesInUse() {
  uint32_t used = 0;
  DWORD flags = 0;
  for (uintptr_t value = 4; value < 0x20000; value += 4)
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++used;
  return used;
}

uint32_t countObjects(char* payload, uint32_t& size) {
  inside::ObjectCounts counts = {};
  DWORD handles = 0;
  counts.handles = GetProcessHandleCount(GetCurrentProcess(), &handles) && handles != 0 ? handles : handlesInUse();
  counts.gdiSystem = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  counts.userSystem = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  counts.gdiInUse = inside::gdiHandlesInUse(counts.gdiByType);
  EnumWindows(countTopLevel, reinterpret_cast<LPARAM>(&counts.windows));
  memcpy(payload, &counts, sizeof counts);
  size = sizeof counts;
  return 0;
}

uint32_t answer(uint32_t command, char* payload, uint32_t& size) {
  switch (command) {
    case inside::kReadMenu: return readMenu(payload, size);
    case inside::kCountOpens: return countOpens(payload, size);
    case inside::kTrayNotices: return trayNotices(payload, size);
    case inside::kCountObjects: return countObjects(payload, size);
    default: return inside::kUnknownCommand;
  }
}

}  // namespace

// Nothing but the start of the channel's thread, which runs once the loader is done.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  DisableThreadLibraryCalls(module);
  return inside::startProbeServer(inside::kInsideProbeTag, answer) ? TRUE : FALSE;
}
