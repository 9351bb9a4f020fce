// A test-only DLL that the end-to-end driver loads into the running program.
// Under Wine another process cannot read a program's menus, so the driver
// runs WaboMenuProbe inside the program (CreateRemoteThread) and reads the
// text it leaves in the block. Nothing here changes the program's state.
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "menuprobe/probe_block.h"

namespace {

struct Writer {
  menuprobe::Block* block;
  bool overflow = false;

  void put(const char* text, size_t n) {
    if (overflow) return;
    if (block->used + n > block->capacity) {
      overflow = true;
      return;
    }
    memcpy(block->text + block->used, text, n);
    block->used += static_cast<uint32_t>(n);
  }
  void putNumber(unsigned long long value) {
    char digits[32];
    int n = snprintf(digits, sizeof digits, "%llu", value);
    put(digits, static_cast<size_t>(n));
  }
  void separator() { put(&menuprobe::kFieldSeparator, 1); }
};

void dumpMenu(Writer& out, HMENU menu, int depth) {
  int count = GetMenuItemCount(menu);
  for (int pos = 0; pos < count && !out.overflow; ++pos) {
    char text[512] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &info)) continue;
    out.putNumber(static_cast<unsigned>(depth));
    out.separator();
    out.putNumber(static_cast<unsigned>(pos));
    out.separator();
    out.putNumber(info.wID);
    out.separator();
    out.putNumber(info.fState);
    out.separator();
    out.putNumber(info.fType);
    out.separator();
    out.putNumber(info.hSubMenu ? 1 : 0);
    out.separator();
    if (!(info.fType & MFT_SEPARATOR)) out.put(text, strnlen(text, sizeof text - 1));
    out.put(&menuprobe::kRecordSeparator, 1);
    if (info.hSubMenu) dumpMenu(out, info.hSubMenu, depth + 1);
  }
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI WaboMenuProbe(LPVOID parameter) {
  auto* block = static_cast<menuprobe::Block*>(parameter);
  if (!block) return static_cast<DWORD>(-1);
  block->used = 0;
  HMENU menu = nullptr;
  if (block->mode == menuprobe::kMenuOfWindow) {
    menu = GetMenu(reinterpret_cast<HWND>(static_cast<uintptr_t>(block->target)));
  } else {
    menu = reinterpret_cast<HMENU>(static_cast<uintptr_t>(block->target));
  }
  if (!menu || !IsMenu(menu)) {
    block->status = menuprobe::kNoMenu;
    return 1;
  }
  Writer out{block};
  dumpMenu(out, menu, 0);
  block->status = out.overflow ? menuprobe::kOverflow : menuprobe::kOk;
  return out.overflow ? 2 : 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
