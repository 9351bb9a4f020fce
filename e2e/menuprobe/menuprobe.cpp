// A test-only DLL that the driver loads into the running program. Under Wine
// another process cannot read a program's menus, so the driver runs
// WaboMenuProbe inside the program (CreateRemoteThread) and reads the text it
// leaves in the block. Nothing here changes the program's state.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "menuprobe/probe_block.h"

namespace {

// Appends a line for each command item of the menu; false when they do not fit.
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

}  // namespace

// Thread exit code: 0 done, 1 no menu, 2 the block is too small.
extern "C" __declspec(dllexport) DWORD WINAPI WaboMenuProbe(LPVOID parameter) {
  auto* block = static_cast<menuprobe::Block*>(parameter);
  HMENU menu = GetMenu(reinterpret_cast<HWND>(static_cast<uintptr_t>(block->window)));
  size_t used = 0;
  block->text[0] = '\0';
  if (!menu || !IsMenu(menu)) return 1;
  return dumpMenu(menu, block->text, used, block->capacity) ? 0 : 2;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
