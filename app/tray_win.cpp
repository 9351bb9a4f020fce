// The notification-area icon: hiding the main window into it, the icon's
// callback and its menu, and the way back. The icon exists exactly while the
// window is hidden.
#include <cstddef>
#include <cstring>
#include <string>

#include "app/shell_win.h"
#include "common/modeless_win.h"
#include "common/sjis.h"
#include "common/system_library_win.h"
#include "res/resource.h"

namespace wabo {
namespace {

constexpr char kTrayTip[] = "行き先表示ﾎﾞｰﾄﾞWabo";
constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;  // 7

// The record is given the size of the first NOTIFYICONDATAA layout, which
// ends with a 64-byte tip and which every shell version understands: 88 bytes
// in a 32-bit program, 104 in ours, whose handles are 8 bytes wide.
static_assert(NOTIFYICONDATAA_V1_SIZE == offsetof(NOTIFYICONDATAA, szTip) + 64, "first layout: up to the 64-byte tip");

NOTIFYICONDATAA trayIconData;
bool iconInTray = false;
// The icon was put there only to carry a notice while the window is shown.
bool iconForNoticeOnly = false;
// How long such an icon stays after its notice.
constexpr UINT kNoticeIconMs = 20000;

bool addTrayIcon() {
  std::memset(&trayIconData, 0, sizeof trayIconData);
  trayIconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
  trayIconData.hWnd = shell.mainWindow;
  trayIconData.uID = ID_TRAY_ICON;
  trayIconData.uFlags = kTrayFlags;
  trayIconData.uCallbackMessage = WM_WABO_TRAY;
  trayIconData.hIcon = LoadIconA(shell.instanceHandle, MAKEINTRESOURCEA(IDI_PROGRAM));
  static_assert(sizeof kTrayTip <= 64, "the tip fits the first layout's 64 bytes");
  std::memcpy(trayIconData.szTip, kTrayTip, sizeof kTrayTip);
  iconInTray = system::shellNotifyIcon(NIM_ADD, &trayIconData) != FALSE;
  return iconInTray;
}

void removeTrayIcon() {
  trayIconData.uID = ID_TRAY_ICON;
  system::shellNotifyIcon(NIM_DELETE, &trayIconData);
  iconInTray = false;
  iconForNoticeOnly = false;
  KillTimer(shell.mainWindow, ID_NOTICE_TIMER);
}

void showMainWindow() {
  ShowWindow(shell.mainWindow, SW_SHOWNORMAL);
  SetForegroundWindow(shell.mainWindow);
}

// Menu 340 with its bottom edge at the pointer. The main window comes to the
// foreground first so that a click elsewhere closes the menu.
void openTrayMenu() {
  HMENU menu = LoadMenuA(shell.instanceHandle, MAKEINTRESOURCEA(IDM_TRAY_POPUP));
  if (menu == nullptr) return;
  HMENU popup = GetSubMenu(menu, 0);
  POINT cursor = {};
  GetCursorPos(&cursor);
  SetForegroundWindow(shell.mainWindow);
  if (popup != nullptr)
    TrackPopupMenu(popup, TPM_BOTTOMALIGN | TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, shell.mainWindow,
                   nullptr);
  // Lets the menu close properly when the tray menu is opened again.
  PostMessageA(shell.mainWindow, WM_NULL, 0, 0);
  DestroyMenu(menu);
}

}  // namespace

void hideIntoTray() {
  // The windows that stay open go; a running search goes on without its window.
  ModelessWindow::closeAll();
  // Without an icon there would be no way back to a hidden window.
  if (!iconInTray && !addTrayIcon()) return;
  iconForNoticeOnly = false;
  KillTimer(shell.mainWindow, ID_NOTICE_TIMER);
  ShowWindow(shell.mainWindow, SW_HIDE);
}

void showFromTray() {
  removeTrayIcon();
  showMainWindow();
}

void exitFromTray() {
  removeTrayIcon();
  DestroyWindow(shell.mainWindow);
}

void onTrayCallback(WPARAM wParam, LPARAM lParam) {
  if (wParam != ID_TRAY_ICON) return;
  switch (lParam) {
    case WM_LBUTTONDOWN:
      showFromTray();
      break;
    case WM_RBUTTONDOWN:
      openTrayMenu();
      break;
    default:
      break;
  }
}

void showTrayNotice(const std::string& text) {
  if (!iconInTray) {
    if (!addTrayIcon()) return;
    iconForNoticeOnly = true;
  }
  if (iconForNoticeOnly) SetTimer(shell.mainWindow, ID_NOTICE_TIMER, kNoticeIconMs, nullptr);
  // The balloon needs the record's second layout, which has its texts.
  NOTIFYICONDATAA notice = trayIconData;
  notice.cbSize = NOTIFYICONDATAA_V2_SIZE;
  notice.uFlags = NIF_INFO;
  notice.dwInfoFlags = NIIF_INFO;
  notice.uTimeout = kNoticeIconMs;
  const std::string shown = sjis::cut(text, sizeof notice.szInfo - 1);
  std::memcpy(notice.szInfo, shown.c_str(), shown.size() + 1);
  std::memcpy(notice.szInfoTitle, kTrayTip, sizeof kTrayTip);
  system::shellNotifyIcon(NIM_MODIFY, &notice);
}

void onNoticeTimer() {
  KillTimer(shell.mainWindow, ID_NOTICE_TIMER);
  if (iconForNoticeOnly) removeTrayIcon();
}

UINT taskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

// The taskbar was made anew (the shell restarted) and forgot our icon. An
// icon that the notification area still knows is left as it is; one that
// cannot be put back brings the window back instead.
void onTaskbarCreated() {
  if (!iconInTray) return;
  if (addTrayIcon()) return;
  if (system::shellNotifyIcon(NIM_MODIFY, &trayIconData)) {
    iconInTray = true;
    return;
  }
  showMainWindow();
}

}  // namespace wabo
