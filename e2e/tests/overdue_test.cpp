// The board at a glance: a row whose return time has passed is drawn in its
// own colour and bold, one that is still to come and one of a member in the
// office are not, and the display settings switch the marking off (kept in
// WaboM.ini's added section); resting the pointer on a row shows the whole
// row in a tip in the list's font.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "screen_pixels.h"
#include "steps.h"

namespace e2e {
namespace {

const char kDisplayTitle[] = "表示の設定";
constexpr int kListFontPixels = 20;
const std::string kLongNote =
    "午後から取引先で打合せ、資料は共有フォルダの見積書を参照してください。戻り次第連絡します";

// "YYYY/MM/DD" of today plus `days`, local time.
std::string dateText(int days) {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  FILETIME file = {};
  SystemTimeToFileTime(&now, &file);
  ULARGE_INTEGER t = {};
  t.LowPart = file.dwLowDateTime, t.HighPart = file.dwHighDateTime;
  t.QuadPart += static_cast<ULONGLONG>(days) * 24 * 3600 * 10000000LL;
  file.dwLowDateTime = t.LowPart, file.dwHighDateTime = t.HighPart;
  SYSTEMTIME day = {};
  FileTimeToSystemTime(&file, &day);
  char text[16];
  std::snprintf(text, sizeof text, "%04u/%02u/%02u", day.wYear, day.wMonth, day.wDay);
  return text;
}

// Two hours from now on the hour, or midnight late in the evening.
std::string laterToday() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  return now.wHour >= 22 ? "24:00" : std::to_string(now.wHour + 2) + ":00";
}

// A01 overdue (back at 9:00 yesterday), B02 back later today with a long
// note, C03 in the office with the same return text as A01, D04 with
// nothing to tell.
BoardText glanceBoard() {
  const std::string yesterday = dateText(-1) + " 17:05";
  BoardText board;
  board.members = {
      {"A01", 4, "安藤 一郎", "外出", "9:00", yesterday, "090-1234-5678", "", "", ""},
      {"B02", 9, "坂本 花子", "会議室", laterToday(), dateText(0) + " 08:30", "", kLongNote, "午後は来客", "社用車"},
      {"C03", 17, "千葉 次郎", "出社", "9:00", yesterday, "", "", "", ""},
      {"D04", 30, "土屋 三郎", "", "", "", "", "", "", ""},
  };
  board.message = "本日は定例会議があります";
  return board;
}

struct CellInk {
  int red = 0;  // pixels in a clearly red colour
  int ink = 0;  // pixels far from the background: how much the text covers
};

// What is drawn in column `column` of row `row` (inside its borders).
CellInk cellInk(ProgramCopy& program, int row, int column) {
  HWND list = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  const std::vector<std::uint32_t> pixels = shownPixels(list);
  RECT client = {}, r = program.list().itemRect(row);
  GetClientRect(list, &client);
  const std::vector<int> widths = program.list().columnWidths();
  int left = r.left;
  for (int c = 0; c < column; ++c) left += widths[c];
  const std::uint32_t background = pixels[(r.top + 1) * client.right + left + widths[column] - 2];
  CellInk ink;
  for (int y = r.top + 1; y < r.bottom - 1; ++y)
    for (int x = left + 2; x < left + widths[column] - 2 && x < client.right; ++x) {
      const std::uint32_t p = pixels[y * client.right + x];
      const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
      ink.red += red >= 120 && green < 90 && blue < 90;
      ink.ink += std::abs(red - static_cast<int>((background >> 16) & 0xFF)) +
                     std::abs(green - static_cast<int>((background >> 8) & 0xFF)) +
                     std::abs(blue - static_cast<int>(background & 0xFF)) > 200;
    }
  return ink;
}

TEST(Overdue, APassedReturnTimeStandsOutInColourAndBoldUntilSwitchedOff) {
  ProgramCopy program;
  program.writeBoard(glanceBoard());
  program.startSettled();
  ASSERT_EQ(program.list().columnTexts(0), std::vector<std::string>({"A01", "B02", "C03", "D04"}));
  const CellInk overdue = cellInk(program, 0, 3), later = cellInk(program, 1, 3), inOffice = cellInk(program, 2, 3);
  EXPECT_GT(overdue.red, 0) << "the overdue return time is red";
  EXPECT_GT(cellInk(program, 0, 1).red, 0) << "so is the rest of its row";
  EXPECT_EQ(later.red + inOffice.red + cellInk(program, 2, 1).red, 0);
  EXPECT_GT(inOffice.ink, 0);
  EXPECT_GT(overdue.ink, inOffice.ink) << "the same \"9:00\", bold where it is overdue";
  picture("overdue-rows", program.mainWindow());

  HWND display = open(program, CMD_DISPLAY_SETTINGS, kDisplayTitle);
  EXPECT_TRUE(checked(display, IDC_DISP_MARK_OVERDUE));
  setChecked(display, IDC_DISP_MARK_OVERDUE, false);
  press(display, IDOK);
  ASSERT_TRUE(waitUntil([&] { return cellInk(program, 0, 3).red == 0; })) << "switched off";
  EXPECT_EQ(cellInk(program, 0, 3).ink, cellInk(program, 2, 3).ink) << "and no longer bold";

  EXPECT_EQ(0u, program.close());
  const std::string settings = program.readFile("WaboM.ini");
  const std::string section = "\r\n[追加設定]\r\n戻り予定の強調=0\r\n";
  ASSERT_GT(settings.size(), section.size());
  EXPECT_EQ(settings.substr(settings.size() - section.size()), section);
  // The next start reads it back: still off, and the dialog says so.
  program.startSettled();
  EXPECT_EQ(cellInk(program, 0, 3).red, 0);
  display = open(program, CMD_DISPLAY_SETTINGS, kDisplayTitle);
  EXPECT_FALSE(checked(display, IDC_DISP_MARK_OVERDUE));
  press(display, IDCANCEL);
}

// The pointer moved onto the middle of row `row`'s name, as a mouse does
// (once: each move starts the tip's delay anew).
void pointAt(ProgramCopy& program, int row) {
  HWND list = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  const RECT r = program.list().itemRect(row);
  const std::vector<int> widths = program.list().columnWidths();
  POINT p = {r.left + widths[0] + widths[1] / 2, (r.top + r.bottom) / 2};
  ClientToScreen(list, &p);
  SetCursorPos(p.x, p.y);
  INPUT move = {};
  move.type = INPUT_MOUSE;
  move.mi.dx = p.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  move.mi.dy = p.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &move, sizeof move);
}

// The program's tip on screen with its text, or nullptr.
HWND shownTip(ProgramCopy& program) {
  HWND tip = findTopLevel(GetProcessId(program.process()), TOOLTIPS_CLASSA, nullptr);
  return tip != nullptr && !windowText(tip).empty() ? tip : nullptr;
}

TEST(RowTip, RestingOnARowShowsItWholeInTheListsFontAndARowWithNothingToTellShowsNone) {
  ProgramCopy program;
  program.writeBoard(glanceBoard());
  std::string settings = LocalSettingsFile().bytes();
  const std::string fontSize12 = ",1,16,12,";
  settings.replace(settings.find(fontSize12), fontSize12.size(), ",1,16," + std::to_string(kListFontPixels) + ",");
  program.writeFile("WaboM.ini", settings);
  program.startSettled();
  HWND main = program.mainWindow();
  ASSERT_TRUE(waitUntil([&] { return SetForegroundWindow(main), GetForegroundWindow() == main; }));
  HWND tip = nullptr;
  pointAt(program, 1);
  ASSERT_TRUE(waitUntil([&] { return (tip = shownTip(program)) != nullptr; }))
      << describeWindows(GetProcessId(program.process()));
  EXPECT_EQ(windowText(tip), "坂本 花子\r\n行き先：会議室\r\n戻り予定：" + laterToday() + "\r\n連絡事項：" + kLongNote +
                                 "\r\n予定：午後は来客\r\nその他：社用車");
  // Six lines in the list's 20-pixel font (the system's tip font is smaller).
  RECT tipClient = {};
  GetClientRect(tip, &tipClient);
  EXPECT_GE(tipClient.bottom, 6 * kListFontPixels);
  RECT both = windowRect(main), tipRect = windowRect(tip);
  UnionRect(&both, &both, &tipRect);
  picture("row-tip", both);

  // Onto the overdue row: its own text; then onto D04, which has nothing to tell.
  pointAt(program, 0);
  ASSERT_TRUE(waitUntil([&] {
    tip = shownTip(program);
    return tip != nullptr && windowText(tip).rfind("安藤 一郎\r\n行き先：外出\r\n戻り予定：9:00", 0) == 0;
  }));
  pointAt(program, 3);
  EXPECT_TRUE(waitUntil([&] { return shownTip(program) == nullptr; }));
  // Longer than the tip's delay, and still nothing.
  EXPECT_FALSE(waitUntil([&] { return shownTip(program) != nullptr; }, 1500));
  SetCursorPos(2, 2);
}

}  // namespace
}  // namespace e2e
