// The GDI objects a dialog leaves behind. Each dialog is opened and closed
// again and again, with more content each time; the program's GDI handles
// in use, by type, are read after every closing. What the first openings
// make (the system's caches of themes, scroll bars and fonts) may stay; from
// then on each opening must give back all it took.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <utility>

#include "harness/inside_probes.h"
#include "inside/gdi_table.h"
#include "steps.h"

namespace e2e {
namespace {

// keiji.dat with `count` posts whose texts grow with their number.
std::string postsOf(int count) {
  std::string out = std::to_string(count) + ",";
  for (int n = 1; n <= count; ++n)
    out += "件" + std::to_string(n) + "\x01" + std::string(static_cast<size_t>(n) * 7, 'x') + "\x01総務\x01" +
           "2026/12/01 08:30\r\n";
  return out;
}

// Figures once the program has settled after a closing: the same count
// twice in a row, a moment apart.
ProcessFigures settledFigures(ProgramCopy& copy) {
  ProcessFigures last = processFigures(copy.process());
  for (int i = 0; i < 20; ++i) {
    Sleep(150);
    ProcessFigures now = processFigures(copy.process());
    if (now.gdi == last.gdi && now.gdiByType == last.gdiByType) return now;
    last = now;
  }
  return last;
}

// Waits until the dialog and each of its controls have drawn themselves
// (nothing of them left to paint): a dialog closed before it is drawn
// makes none of the objects its drawing makes, and a warm-up so closed
// warms nothing.
HWND drawn(HWND dialog) {
  auto pending = [](HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; };
  const bool done = waitUntil([&] {
    if (pending(dialog)) return false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
      if (IsWindowVisible(child) && pending(child)) return false;
    return true;
  });
  if (!done) throw HarnessError("the dialog was not drawn");
  return dialog;
}

// The GDI types the program's own code makes or keeps (brushes, fonts,
// icons' and image lists' bitmaps, pens, memory DCs, ...): all but window
// DCs and their regions, which the system keeps in a cache of its own.
bool ownType(size_t type) { return type != OBJ_DC && type != OBJ_REGION; }

// What `figures` holds of the program's own types, as gdiTypesText shows it.
ProcessFigures ownTypes(ProcessFigures figures) {
  for (size_t type = 0; type < kGdiTypes; ++type)
    if (!ownType(type)) figures.gdiByType[type] = 0;
  return figures;
}

// Opens and closes a dialog with `once(n)`: `kWarmUp` times with the
// largest content (n = 0), then `kRounds` times with other content (n = 1
// ...). After the warm-up every closing must leave the program's own GDI
// objects as they were; window DCs may grow only as the system's cache of
// them does, each with its region.
constexpr int kWarmUp = 3, kRounds = 8;
void expectNothingKept(ProgramCopy& copy, const char* label, const std::function<void(int)>& once) {
  for (int n = 0; n < kWarmUp; ++n) once(0);
  const ProcessFigures warm = settledFigures(copy);
  std::printf("[ gdi      ] %s after %d openings: %u (%s)\n", label, kWarmUp, warm.gdi, gdiTypesText(warm).c_str());
  for (int n = 1; n <= kRounds; ++n) {
    once(n);
    const ProcessFigures now = settledFigures(copy);
    EXPECT_EQ(gdiTypesText(ownTypes(warm)), gdiTypesText(ownTypes(now)))
        << label << " opening " << n << " after the warm-up kept: " << gdiTypesChanged(warm, now);
    EXPECT_EQ(now.gdiByType[OBJ_DC] - warm.gdiByType[OBJ_DC], now.gdiByType[OBJ_REGION] - warm.gdiByType[OBJ_REGION])
        << label << " opening " << n << ": window DCs and regions apart: " << gdiTypesChanged(warm, now);
    EXPECT_EQ(warm.user, now.user) << label << " opening " << n << " left a window";
  }
  std::fflush(stdout);
}

// The bulletin board with up to 40 posts (the list scrolls), its new-post
// form, the destination dialog of each member, the mail form: each opened
// again and again, none keeps a brush, font, icon, image list or pen.
TEST(GdiObjects, DialogsOpenedAgainWithOtherContentKeepNoObjectOfTheirs) {
  BoardFolder shared;
  shared.writeBoard(1, officeBoard());
  ProgramCopy copy("A001");
  copy.useBoardFolder(shared);
  copy.writeFile("WaboM.ini", localSettings("A001", 10));
  const std::string keiji = shared.file("keiji.dat");
  writeFileBytes(keiji, postsOf(40));
  copy.startSettled();
  const ProcessFigures started = settledFigures(copy);
  std::printf("[ gdi      ] started: %u (%s)\n", started.gdi, gdiTypesText(started).c_str());

  expectNothingKept(copy, "bulletin", [&](int n) {
    writeFileBytes(keiji, postsOf(n == 0 ? 40 : n * 5 % 40 + 1));
    press(drawn(open(copy, CMD_BULLETIN, "掲示板")), IDCANCEL);
  });
  expectNothingKept(copy, "new post", [&](int) {
    HWND board = drawn(open(copy, CMD_BULLETIN, "掲示板"));
    pressButton(board, IDC_BB_NEW);
    press(drawn(copy.waitForDialog("新規作成")), IDCANCEL);
    press(board, IDCANCEL);
  });
  const char* ids[] = {"A001", "K100", "S010", "m005"};
  expectNothingKept(copy, "destination", [&](int n) {
    confirm(drawn(open(copy, CMD_DESTINATION_BY_ID, "行き先入力")), {{IDC_TARGET_ID, ids[n % 4]}});
    press(drawn(copy.waitForDialog("行き先の変更")), IDCANCEL);
  });
  expectNothingKept(copy, "mail", [&](int) { press(drawn(open(copy, CMD_MAIL, kComposeTitle)), IDCANCEL); });
  EXPECT_EQ(0u, copy.close());
}

// Window DCs and regions in use in this process (the driver's own).
std::pair<unsigned, unsigned> ownDcsAndRegions() {
  uint32_t byType[inside::kGdiTypeSlots] = {};
  inside::gdiHandlesInUse(byType);
  return {byType[OBJ_DC], byType[OBJ_REGION]};
}

// A window with `children` buttons, drawn, then destroyed.
void drawAndDestroy(int children) {
  HWND top = CreateWindowExA(0, "STATIC", "cache", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400, nullptr,
                             nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, top);
  for (int i = 0; i < children; ++i)
    CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, i % 10 * 55, i / 10 * 30, 50, 25, top, nullptr, nullptr,
                    nullptr);
  UpdateWindow(top);
  for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&m);
  DestroyWindow(top);
  for (MSG m; PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&m);
}

// What the checks above and the soak leave to the system: the cache of
// window DCs grows with the windows drawn, keeps what it made after they
// are destroyed, and stops at its bound however many more are drawn.
TEST(GdiObjects, TheSystemsCacheOfWindowDcsStopsAtItsBound) {
  const auto before = ownDcsAndRegions();
  drawAndDestroy(10);
  const auto ten = ownDcsAndRegions();
  EXPECT_GT(ten.second, before.second) << "drawing made no cached DC";
  drawAndDestroy(80);
  const auto full = ownDcsAndRegions();
  EXPECT_GT(full.second, ten.second);
  EXPECT_LE(full.second, kSystemDcCacheRegions);
  for (int round = 0; round < 10; ++round) drawAndDestroy(round % 2 == 0 ? 80 : 20);
  const auto after = ownDcsAndRegions();
  EXPECT_EQ(full, after) << "the cache grew past " << full.second << " regions";
  std::printf("[ gdi      ] window DCs / regions: %u / %u at first, %u / %u after 10 buttons, %u / %u after 80, "
              "%u / %u after ten more windows\n",
              before.first, before.second, ten.first, ten.second, full.first, full.second, after.first, after.second);
}

}  // namespace
}  // namespace e2e
