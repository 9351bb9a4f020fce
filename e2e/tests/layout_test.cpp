// Every dialog and message box the program's commands open, laid out at 96
// and at 144 DPI: no control overlaps another and every text of a label,
// button or check box fits its control in the dialogs' font. With
// WABO_SCREENS set (scripts/contact-sheet) the scenario runs once, at the
// screen DPI the script chose, and stops for a picture of each window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "steps.h"

namespace e2e {
namespace {

bool taking() { return GetEnvironmentVariableA("WABO_SCREENS", nullptr, 0) != 0; }

struct Front {
  DWORD pid;
  HWND found;
};

// The dialog or message box in front: shown and enabled (a modal one's
// owner is disabled).
HWND frontDialog(DWORD pid) {
  Front front = {pid, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* f = reinterpret_cast<Front*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (owner == f->pid && std::string(name) == "#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
          f->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&front));
  return front.found;
}

RECT rectIn(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string classOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Frames and group boxes hold other controls; they overlap by design.
bool isFrame(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const std::string name = classOf(control);
  if (name == "Button") return (style & BS_TYPEMASK) == BS_GROUPBOX;
  if (name == "Static") {
    const LONG type = style & SS_TYPEMASK;
    return (type >= SS_BLACKRECT && type <= SS_WHITEFRAME) || (type >= SS_ETCHEDHORZ && type <= SS_ETCHEDFRAME);
  }
  return false;
}

// The text of a label, button or check box and the room it has, or no room
// (0) when the control holds no text to measure.
int textRoom(HWND control, const std::string& name, LONG style, int dpi) {
  const int width = rectIn(GetParent(control), control).right - rectIn(GetParent(control), control).left;
  if (name == "Static") {
    const LONG type = style & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP ? width : 0;
  }
  if (name != "Button") return 0;
  const LONG type = style & BS_TYPEMASK;
  if (type == BS_GROUPBOX) return width - MulDiv(16, dpi, 96);
  if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
    return width - MulDiv(16, dpi, 96);  // the box and its gap
  return width - MulDiv(4, dpi, 96);
}

// What is wrong with the layout of `dialog` at `dpi`: overlapping controls,
// texts wider or taller than their controls.
std::vector<std::string> layoutFaults(HWND dialog, int dpi) {
  std::vector<HWND> controls;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    if (IsWindowVisible(c)) controls.push_back(c);
  std::vector<std::string> faults;
  auto nameOf = [](HWND c) { return classOf(c) + " " + std::to_string(GetDlgCtrlID(c)) + " \"" + windowText(c) + "\""; };
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (isFrame(controls[i])) continue;
    const RECT a = rectIn(dialog, controls[i]);
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      RECT b = rectIn(dialog, controls[j]), both;
      if (!isFrame(controls[j]) && IntersectRect(&both, &a, &b))
        faults.push_back(nameOf(controls[i]) + " overlaps " + nameOf(controls[j]));
    }
  }
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ Ｐゴシック");
  HGDIOBJ old = SelectObject(dc, font);
  for (HWND c : controls) {
    const std::string text = windowText(c);
    const LONG style = GetWindowLongA(c, GWL_STYLE);
    const int room = textRoom(c, classOf(c), style, dpi);
    if (text.empty() || room <= 0) continue;
    const RECT r = rectIn(dialog, c);
    const bool wraps = classOf(c) == "Static" && (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP;
    RECT need = {0, 0, room, 0};
    DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | (wraps ? DT_WORDBREAK | DT_EXPANDTABS : DT_SINGLELINE));
    // Group box captions and multi-line buttons sit in one line at the top.
    const int height = r.bottom - r.top;
    if (need.right > room + 1 || (wraps && need.bottom > height + 1))
      faults.push_back(nameOf(c) + " needs " + std::to_string(need.right) + "x" + std::to_string(need.bottom) +
                       ", has " + std::to_string(room) + "x" + std::to_string(height));
  }
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  return faults;
}

// A command and the name of the pictures of what it opens.
struct Opening {
  int command;
  const char* name;
  bool selectRow;  // the command acts on the selected row
};
const Opening kOpenings[] = {
    {CMD_DESTINATION_BY_ID, "destination-id", false}, {CMD_ADD_MEMBER, "new-member", false},
    {CMD_DELETE_MEMBER, "delete-member", false},      {CMD_AUTO_UPDATE_SETTINGS, "auto-update", false},
    {CMD_DISPLAY_SETTINGS, "display", false},         {CMD_VERSION, "version", false},
    {CMD_DESTINATION_SELECTED, "destination", true},  {CMD_ICON_SELECTED, "icon", true},
    {CMD_USER_ID, "user-id", false},                  {CMD_DESTINATION_LIST, "destination-list", false},
    {CMD_MAIL, "mail", false},                        {CMD_RESET_SETTINGS, "reset-settings", false},
    {CMD_ALL_MEMBERS_MESSAGE, "message", false},      {CMD_BOARD_SETTINGS, "board-settings", false},
    {CMD_BULLETIN, "bulletin", false},                {CMD_OTHER_SETTINGS, "other-settings", false},
    {CMD_COLUMN_NAMES, "column-names", false},        {CMD_QUICK_INPUT_SETTINGS, "quick-input", false},
    {CMD_PC_NAME, "pc-name", true},                   {CMD_SHARED_LOCATION, "shared-location", false},
    {CMD_REFRESH, "refresh", false},                  {CMD_FIND, "find", false},
};

// Runs `opening` and checks each window it shows, front to back: the
// window's faults are added to `faults`; each is closed with Esc's
// command (No or OK for a box without Cancel) before the next is looked at.
void checkOpening(ProgramCopy& program, const Opening& opening, int dpi, std::vector<std::string>& faults,
                  int& seen) {
  if (opening.selectRow) program.list().clickItem(0);
  program.postCommand(opening.command);
  const DWORD pid = GetProcessId(program.process());
  for (int step = 0;; ++step) {
    HWND dialog = nullptr;
    waitUntil([&] { return (dialog = frontDialog(pid)) != nullptr; }, step == 0 ? 3000 : 600);
    if (dialog == nullptr) return;
    ++seen;
    const std::string title = windowText(dialog);
    for (const std::string& fault : layoutFaults(dialog, dpi))
      faults.push_back(std::string(opening.name) + " (" + title + ") at " + std::to_string(dpi) + ": " + fault);
    picture(std::string(opening.name) + "-" + std::to_string(step + 1), dialog);
    for (int button : {IDCANCEL, IDNO, IDOK}) {
      if (!IsWindow(dialog) || !IsWindowVisible(dialog)) break;
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
      waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 600);
    }
    if (IsWindow(dialog) && IsWindowVisible(dialog)) throw HarnessError(title + " does not close");
    if (step > 4) throw HarnessError(std::string(opening.name) + " opens window after window");
  }
}

void checkEveryWindow(int dpi, std::vector<std::string>& faults) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.startSettled();
  picture("main-window", program.mainWindow());
  int seen = 0;
  for (const Opening& opening : kOpenings) checkOpening(program, opening, dpi, faults, seen);
  // Every command above opens at least one window.
  EXPECT_GE(seen, static_cast<int>(sizeof kOpenings / sizeof kOpenings[0]));
  EXPECT_EQ(0u, program.close());
}

TEST(ContactSheet, EveryDialogAndMessageBoxIsLaidOutAt96And144Dpi) {
  std::vector<std::string> faults;
  if (taking()) {
    DWORD dpi = 96, size = sizeof dpi;
    RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", RRF_RT_REG_DWORD, nullptr, &dpi, &size);
    checkEveryWindow(static_cast<int>(dpi), faults);
  } else {
    for (DWORD dpi : {96u, 144u}) {
      ScreenDpi screen(dpi);
      checkEveryWindow(static_cast<int>(dpi), faults);
    }
  }
  for (const std::string& fault : faults) ADD_FAILURE() << fault;
}

}  // namespace
}  // namespace e2e
