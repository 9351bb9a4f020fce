// Reads the program's menus through menuprobe.dll, loaded into the program.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct MenuItem {
  int depth = 0;     // 0 = menu bar (or the top of the menu read)
  int position = 0;  // position within its own popup
  UINT id = 0;
  UINT state = 0;    // MFS_* bits
  UINT type = 0;     // MFT_* bits
  bool hasSubmenu = false;
  std::string text;  // Shift-JIS, with "&" and any "\t" as in the resource

  bool grey() const { return (state & MFS_GRAYED) != 0; }
  bool checked() const { return (state & MFS_CHECKED) != 0; }
  bool separator() const { return (type & MFT_SEPARATOR) != 0; }
};

class MenuReader {
 public:
  explicit MenuReader(HANDLE process);
  ~MenuReader();
  MenuReader(const MenuReader&) = delete;
  MenuReader& operator=(const MenuReader&) = delete;

  // Every item of the window's menu bar, depth first.
  std::vector<MenuItem> menuBar(HWND window);
  // Every item of a menu given by its handle in the program.
  std::vector<MenuItem> menu(HMENU menu);

 private:
  void inject();
  std::vector<MenuItem> run(unsigned long long target, unsigned mode);

  HANDLE process_;
  unsigned long long probeAddress_ = 0;
};

// The item with this command ID; throws when the menu has none.
const MenuItem& itemById(const std::vector<MenuItem>& items, UINT id);
// Items of the popup at this position of the menu bar (depth-1 children).
std::vector<MenuItem> popupItems(const std::vector<MenuItem>& items, int barPosition);

}  // namespace e2e
