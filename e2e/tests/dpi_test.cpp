// The program as Windows 10 and 11 see it: the application manifest in
// wabo.exe, visual styles in its windows, and drawing at the screen's
// resolution. Under Wine the screen's DPI is the prefix's LogPixels, which
// a test sets before it starts the program; every process gets that DPI as
// it is, so what a test sees at 144 DPI is exactly what the program scaled
// itself. WaboM.ini keeps 96-DPI units whatever the screen.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "common/version.h"
#include "steps.h"

namespace e2e {
namespace {

std::string programFile() { return joinPath(driverFolder(), "wabo.exe"); }

// Resource 1 of type 24 (RT_MANIFEST) of the built program file.
std::string manifestOf(const std::string& exe) {
  HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) throw HarnessError("cannot open " + exe + " as a data file");
  std::string text;
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  HGLOBAL data = found != nullptr ? LoadResource(module, found) : nullptr;
  if (data != nullptr) text.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, found));
  FreeLibrary(module);
  return text;
}

// Column widths, window rectangle and row height of WaboM.ini for the
// tests: the default file with column 8 of board 1 already worked out.
std::string storedSettings() {
  LocalSettingsFile file;
  file.board1Column8 = 500;
  return file.bytes();
}
const std::vector<int> kStoredWidths = {70, 70, 70, 70, 105, 90, 150, 150, 500, 0};
const std::vector<int> kStoredRect = {119, 135, 648, 338};

// value x 1.5, halves away from zero.
int at144(int value) { return (value * 3 + (value >= 0 ? 1 : -1)) / 2; }

void expectWithinAPixel(const std::vector<int>& expected, const std::vector<int>& shown, const char* what) {
  ASSERT_EQ(expected.size(), shown.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(expected[i], shown[i], 1) << what << " " << i;
}

std::vector<int> scaledTo144(const std::vector<int>& values) {
  std::vector<int> out;
  for (int v : values) out.push_back(at144(v));
  return out;
}

// The pixels (0x00RRGGBB) of `size` x `size` at (x, y) of a DC.
std::vector<DWORD> pixelsOf(HDC source, int x, int y, int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// True when icon group `resource` of the program file holds a 32-bit image
// of size x size pixels (RT_GROUP_ICON: 6-byte head, 14 bytes per image).
bool hasIconImage(int resource, int size) {
  HMODULE module = LoadLibraryExA(programFile().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) throw HarnessError("cannot open wabo.exe as a data file");
  HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(14));
  HGLOBAL data = group != nullptr ? LoadResource(module, group) : nullptr;
  const auto* bytes = data != nullptr ? static_cast<const unsigned char*>(LockResource(data)) : nullptr;
  const DWORD length = group != nullptr ? SizeofResource(module, group) : 0;
  bool found = false;
  for (DWORD at = 6; bytes != nullptr && at + 14 <= length; at += 14)
    found = found || (bytes[at] == size && bytes[at + 1] == size && bytes[at + 6] == 32);
  FreeLibrary(module);
  return found;
}

// Member icon `n` of the program file from its image of `imageSize` pixels,
// drawn at `drawSize` on `background`.
std::vector<DWORD> iconPicture(int n, int imageSize, int drawSize, COLORREF background) {
  HMODULE module = LoadLibraryExA(programFile().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) throw HarnessError("cannot open wabo.exe as a data file");
  HICON icon = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(IDI_MEMBER_FIRST + n), IMAGE_ICON, imageSize, imageSize, 0));
  FreeLibrary(module);
  if (icon == nullptr) throw HarnessError("no member icon " + std::to_string(n));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, drawSize, drawSize);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, drawSize, drawSize};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  DrawIconEx(dc, 0, 0, icon, drawSize, drawSize, 0, nullptr, DI_NORMAL);
  std::vector<DWORD> pixels = pixelsOf(dc, 0, 0, drawSize, drawSize);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
  return pixels;
}

// Smallest mean difference per colour channel (0..255) between `picture`
// (size x size) and a place of `area` (width x height) it may stand in.
double bestMatch(const std::vector<DWORD>& picture, int size, const std::vector<DWORD>& area, int width, int height) {
  double best = 1e9;
  for (int dy = 0; dy + size <= height; ++dy) {
    for (int dx = 0; dx + size <= width; ++dx) {
      double sum = 0;
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          DWORD a = picture[static_cast<std::size_t>(y * size + x)];
          DWORD b = area[static_cast<std::size_t>((y + dy) * width + x + dx)];
          for (int shift = 0; shift < 24; shift += 8)
            sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        }
      }
      best = std::min(best, sum / (3.0 * size * size));
    }
  }
  return best;
}

// Of row `row`'s icon on screen: how near it is to member icon `n` drawn
// from its image of `imageSize` pixels at `drawSize`.
double iconOnScreenAgainst(ProgramCopy& program, int row, int n, int imageSize, int drawSize) {
  RECT icon = program.list().itemRect(row, LVIR_ICON);
  RECT bounds = program.list().itemRect(row, LVIR_BOUNDS);
  HWND list = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  POINT corner = {icon.left, bounds.top};
  ClientToScreen(list, &corner);
  const int width = drawSize + 6, height = bounds.bottom - bounds.top;
  HDC screen = GetDC(nullptr);
  std::vector<DWORD> area = pixelsOf(screen, corner.x, corner.y, width, height);
  ReleaseDC(nullptr, screen);
  return bestMatch(iconPicture(n, imageSize, drawSize, RGB(255, 255, 244)), drawSize, area, width, height);
}

TEST(Manifest, TheProgramFileCarriesEveryElementAndNoCodePage) {
  const std::string manifest = manifestOf(programFile());
  ASSERT_FALSE(manifest.empty()) << "no RT_MANIFEST resource 1 in wabo.exe";
  const std::string version =
      std::to_string(WABO_VERSION_MAJOR) + "." + std::to_string(WABO_VERSION_MINOR) + ".0.0";
  const char* const expected[] = {
      "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">",
      "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" processorArchitecture=\"*\" "
      "publicKeyToken=\"6595b64144ccf1df\" language=\"*\"",
      "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
      "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, "
      "PerMonitor</dpiAwareness>",
      "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>",  // Windows 10 and 11
      "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>",  // 8.1
      "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>",  // 8
      "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // 7
      "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>",
  };
  for (const char* element : expected) EXPECT_NE(manifest.find(element), std::string::npos) << element;
  // The program's own identity carries the version of common/version.h.
  const std::string identity = "<assemblyIdentity type=\"win32\" name=\"Wabo.WhereaboutsBoard\" version=\"";
  const std::size_t at = manifest.find(identity);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(version + "\"", manifest.substr(at + identity.size(), version.size() + 1));
  EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos);
  EXPECT_EQ(manifest.find("highestAvailable"), std::string::npos);
  EXPECT_EQ(manifest.find("requireAdministrator"), std::string::npos);
}

// The common controls 6 of the side-by-side store draw the program's
// windows: the comctl32 the process has loaded is the one under winsxs.
// (Wine's list view answers CCM_GETVERSION with 5 in either comctl32, so
// the module's place is what tells them apart here.)
TEST(VisualStyles, TheProgramRunsOnCommonControlsSix) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.startSettled();
  HMODULE modules[512];
  DWORD bytes = 0;
  ASSERT_TRUE(EnumProcessModules(program.process(), modules, sizeof modules, &bytes));
  std::string comctl;
  for (DWORD i = 0; i < bytes / sizeof modules[0] && i < 512; ++i) {
    char path[MAX_PATH] = {};
    GetModuleFileNameExA(program.process(), modules[i], path, sizeof path);
    std::string lower(path);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() >= 12 && lower.compare(lower.size() - 12, 12, "comctl32.dll") == 0) comctl = lower;
  }
  EXPECT_NE(comctl.find("winsxs"), std::string::npos) << comctl;
  EXPECT_EQ(0u, program.close());
}

// One WaboM.ini, the program started at 96 and then at 144 DPI: at 96 the
// sizes are the stored ones; at 144 the columns are 1.5 times as wide, the
// window 1.5 times as large at the place the stored one has on a screen of
// that scaling, the rows as high as the icons' 24-pixel images, which are
// drawn as they are; after each exit the file is byte for byte the same.
TEST(ScreenDpi, OneWaboMiniAt96And144ShowsScaledSizesAndStaysTheSame) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  const std::string stored = storedSettings();
  program.writeFile("WaboM.ini", stored);

  program.startSettled();
  EXPECT_EQ(kStoredWidths, program.list().columnWidths());
  EXPECT_EQ(kStoredRect, rectOf(program.mainWindow()));
  EXPECT_EQ(0u, program.close());
  EXPECT_EQ(stored, program.readFile("WaboM.ini"));

  {
    ScreenDpi dpi(144);
    program.startSettled();
    expectWithinAPixel(scaledTo144(kStoredWidths), program.list().columnWidths(), "column");
    expectWithinAPixel(scaledTo144(kStoredRect), rectOf(program.mainWindow()), "window");
    const RECT row = program.list().itemRect(0, LVIR_BOUNDS);
    EXPECT_GE(row.bottom - row.top, 24);
    EXPECT_TRUE(hasIconImage(IDI_MEMBER_FIRST + 3, 24));
    // Row 0 is A001 with icon 3: its own 24-pixel image, not the 32-pixel
    // one made smaller, within the colours of a 16-bit image list.
    const double own = iconOnScreenAgainst(program, 0, 3, 24, 24);
    const double shrunk = iconOnScreenAgainst(program, 0, 3, 32, 24);
    EXPECT_LT(own, 6.0);
    EXPECT_LT(own, shrunk);
    EXPECT_EQ(0u, program.close());
  }
  EXPECT_EQ(stored, program.readFile("WaboM.ini"));
}

// A column dragged wider at 144 DPI is stored as its 96-DPI width; the
// other columns and the window keep their numbers.
TEST(ScreenDpi, AColumnWidenedAt144IsStoredInNinetySixDpiUnits) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.writeFile("WaboM.ini", storedSettings());
  ScreenDpi dpi(144);
  program.startSettled();
  program.list().setColumnWidth(2, 150);  // 行き先: 105 pixels (70) to 150
  EXPECT_EQ(150, program.list().columnWidths()[2]);
  EXPECT_EQ(0u, program.close());
  const std::vector<std::string> lines = fileLines(program.readFile("WaboM.ini"));
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ("119,135,648,338", lines[1]);
  EXPECT_EQ("70,70,100,70,105,90,150,150,500,0", lines[3]);
}

// Moved to a screen of 144 DPI (WM_DPICHANGED with the rectangle the system
// suggests), the window takes that rectangle and scales columns and rows;
// what is stored stays as it was.
TEST(ScreenDpi, MovedToAScreenOfAnotherDpiTheWindowTakesTheSuggestedRectangleAndRescales) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  const std::string stored = storedSettings();
  program.writeFile("WaboM.ini", stored);
  program.startSettled();
  const RECT suggested = {300, 200, 300 + 972, 200 + 507};
  RemoteBuffer rect(program.process(), sizeof suggested);
  rect.write(&suggested, sizeof suggested);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(program.mainWindow(), WM_DPICHANGED, MAKEWPARAM(144, 144), rect.at(), SMTO_NORMAL,
                                  kStepTimeoutMs, &answer));
  EXPECT_EQ((std::vector<int>{300, 200, 972, 507}), rectOf(program.mainWindow()));
  expectWithinAPixel(scaledTo144(kStoredWidths), program.list().columnWidths(), "column");
  const RECT row = program.list().itemRect(0, LVIR_BOUNDS);
  EXPECT_GE(row.bottom - row.top, 24);
  // Back to 96 DPI at the stored place: the file is what it was.
  const RECT back = {119, 135, 119 + 648, 135 + 338};
  rect.write(&back, sizeof back);
  ASSERT_TRUE(SendMessageTimeoutA(program.mainWindow(), WM_DPICHANGED, MAKEWPARAM(96, 96), rect.at(), SMTO_NORMAL,
                                  kStepTimeoutMs, &answer));
  EXPECT_EQ(kStoredWidths, program.list().columnWidths());
  EXPECT_EQ(0u, program.close());
  EXPECT_EQ(stored, program.readFile("WaboM.ini"));
}

}  // namespace
}  // namespace e2e
