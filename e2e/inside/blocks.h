// The requests and answers of insideprobe.dll, carried in the payload of its
// channel (channel.h). Both sides are 64-bit builds of the same compiler, so
// the layout is the same.
#pragma once
#include <stddef.h>
#include <stdint.h>

namespace inside {

constexpr char kInsideProbeTag[] = "insideprobe";

enum Command : uint32_t { kReadMenu = 1, kCountOpens = 2, kTrayNotices = 3, kCountObjects = 4 };

// kReadMenu: the window whose menu bar to read, or a menu itself. The answer is text with one
// line per command item of the menu bar, depth first (popups and separators
// left out): "id state|text\n", at most `capacity` bytes (and never more
// than the channel holds). Status: 0 done, 1 no menu, 2 cut after the last
// whole line that fitted.
struct MenuRequest {
  uint64_t window;
  uint32_t capacity;
  uint64_t menu;  // not 0: this menu (an open popup's) instead of the window's menu bar
};
enum MenuStatus : uint32_t { kMenuDone = 0, kNoMenu = 1, kMenuCut = 2 };

// kCountOpens: counts the program's fopen calls on one file name; the answer
// is the same block with `count` filled. Status: 0 done, 1 the program
// imports no fopen from msvcrt.dll.
struct CountBlock {
  uint32_t reset;  // 1: count opens of `name` from now on, starting at 0
  uint32_t count;  // out: opens of `name` since the last reset
  char name[260];  // a file name without folder, compared without regard to case
};

// kTrayNotices: from the first request on, records the balloon texts the
// program gives the tray icon (Shell_NotifyIconA with NIF_INFO, which the
// program finds through GetProcAddress). The answer is the same block with
// the count of balloons since then and the last one's text. Status: 0 done,
// 1 the program imports no GetProcAddress from kernel32.dll.
struct NoticeBlock {
  uint32_t count;  // out
  char text[256];  // out: the last balloon's text
};

// kCountObjects: no request; the answer is an ObjectCounts block, filled by
// the program's own process. Wine answers GetGuiResources with 0, so the
// block carries the GDI handles in use (the process's GDI handle table,
// walked by index) and the program's windows as well. Status 0.
constexpr uint32_t kGdiTypeSlots = 16;
struct ObjectCounts {
  uint32_t handles;     // GetProcessHandleCount, or the handles that answer when it gives 0
  uint32_t gdiSystem;   // GetGuiResources(GR_GDIOBJECTS)
  uint32_t userSystem;  // GetGuiResources(GR_USEROBJECTS)
  uint32_t gdiInUse;    // GDI handles that name an object
  uint32_t windows;     // top-level and child windows of the process
  uint32_t reserved;
  uint32_t gdiByType[kGdiTypeSlots];  // gdiInUse split by GetObjectType (OBJ_PEN = 1 ... OBJ_COLORSPACE = 14)
};

}  // namespace inside
