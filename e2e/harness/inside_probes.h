// What the test-only insideprobe.dll finds out inside the running program,
// asked through its channel (probe_channel.h): under Wine another process
// can neither read a program's menus nor see which files it opens. The
// program itself has no test hooks.
#pragma once
#include <windows.h>

#include <stdint.h>

#include <array>
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

// Every command item of the window's menu bar, depth first; throws when it
// does not fit in the probe's answer.
std::vector<MenuItem> readMenuBar(HANDLE process, HWND window);

// The items that fit in `capacity` bytes of answer; `cut` when some did not.
struct MenuRead {
  std::vector<MenuItem> items;
  bool cut = false;
};
// (`menu` not null: that menu instead of the window's menu bar.)
MenuRead readMenu(HANDLE process, HWND window, uint32_t capacity, HMENU menu = nullptr);
// The command items of the popup menu open in window `popup` (class #32768).
std::vector<MenuItem> readPopupMenu(HANDLE process, HWND popup);
// The item with this command ID; throws when the menu has none.
const MenuItem& itemById(const std::vector<MenuItem>& items, UINT id);

// Counts the program's opens (fopen) of files named `fileName`, from its
// construction on.
class OpenCounter {
 public:
  OpenCounter(HANDLE process, const std::string& fileName);
  unsigned count() const { return call(false); }

 private:
  unsigned call(bool reset) const;
  HANDLE process_;
  std::string fileName_;
};

// The balloons the program asks the tray icon to show, from the first call
// on: how many since then and the last one's text.
struct TrayNotices {
  unsigned count = 0;
  std::string lastText;  // Shift-JIS
};
TrayNotices trayNotices(HANDLE process);

// What a running program holds: committed private memory (VirtualQueryEx,
// from outside), its threads (a system snapshot), and from inside through
// the probe: handles, GDI objects and USER objects. Under Wine, where
// GetGuiResources answers 0, GDI is the handles in use in the program's GDI
// table and USER its windows.
// `gdiByType` splits the GDI handles in use by GetObjectType (OBJ_PEN = 1
// ... OBJ_COLORSPACE = 14; slot 0 any other answer).
constexpr size_t kGdiTypes = 16;
struct ProcessFigures {
  unsigned long long privateBytes = 0;
  unsigned handles = 0, gdi = 0, user = 0, threads = 0;
  std::array<unsigned, kGdiTypes> gdiByType = {};
};
ProcessFigures processFigures(HANDLE process);
// Window DCs (OBJ_DC) and their clip regions are the system's: Wine keeps a
// DC and a region for windows it has drawn, in a cache that never gives
// them back and stops at this many regions (GdiObjects.TheSystemsCacheOf...
// shows it in the driver's own process).
constexpr unsigned kSystemDcCacheRegions = 64;
// The GDI types whose counts differ from `was` to `now`, as "brush 40->42
// font 12->13"; "" when none differ.
std::string gdiTypesChanged(const ProcessFigures& was, const ProcessFigures& now);
// "pen 3 brush 40 ..." for the types in use.
std::string gdiTypesText(const ProcessFigures& figures);

}  // namespace e2e
