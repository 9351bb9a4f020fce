// Reads the program's menu bar through menuprobe.dll, which it loads into the
// program: under Wine another process cannot read a program's menus.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
  UINT id = 0;
  UINT state = 0;    // MFS_* bits
  std::string text;  // Shift-JIS, with "&" and any "\t" as in the resource

  bool grey() const { return (state & MFS_GRAYED) != 0; }
  bool checked() const { return (state & MFS_CHECKED) != 0; }
};

// Every command item of the window's menu bar, depth first.
std::vector<MenuItem> readMenuBar(HANDLE process, HWND window);
// The item with this command ID; throws when the menu has none.
const MenuItem& itemById(const std::vector<MenuItem>& items, UINT id);

}  // namespace e2e
