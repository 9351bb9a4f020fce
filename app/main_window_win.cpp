// The entry point and the main window procedure. The procedure only turns
// messages into calls; each handler lives in a file of its own.
#include <cstdlib>
#include <string>

#include "app/history_window_win.h"
#include "app/overdue_draw_win.h"
#include "app/row_tip_win.h"
#include "app/settings_lifetime.h"
#include "app/shell_win.h"
#include "app/startup_failure.h"
#include "common/dpi_scale.h"
#include "common/dpi_win.h"
#include "common/limits.h"
#include "common/modeless_win.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "common/sjis.h"
#include "res/resource.h"
#include "search/pc_search_win.h"
#include "settings/local_settings.h"

namespace wabo {

Shell shell;
AppState app;

namespace {

constexpr char kClassName[] = "ModelApp";
constexpr char kInitialTitle[] = "行き先表示ボード  Wabo";
constexpr DWORD kSearchExitWaitMs = 1000;

LRESULT dispatchMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      onCreate(window);
      return 0;
    case WM_SIZE:
      onSize(wParam, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
    case WM_DPICHANGED:
      onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
      if (header == nullptr || answerRowTip(header)) return 0;
      if (header->idFrom == IDC_MEMBER_LIST) return onListNotify(header);
      return 0;
    }
    case WM_TIMER:
      onTimer(wParam);
      return 0;
    case WM_WABO_TRAY:
      onTrayCallback(wParam, lParam);
      return 0;
    case WM_WABO_SEARCH_DONE:
      onSearchDone();
      return 0;
    case WM_WABO_ID_EDITED:
      onIdEdited();
      return 0;
    case WM_WABO_WATCH:
      onWatchWork(wParam, lParam);
      return 0;
    case WM_SETFOCUS:
      // The keys go to the list: arrows, Home and End, Enter, F2.
      if (shell.memberListView != nullptr) SetFocus(shell.memberListView);
      return 0;
    case WM_MENUCHAR: {
      LRESULT chosen = 0;
      if (onMenuChar(wParam, lParam, chosen)) return chosen;
      return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
      shell.menuOpen = message == WM_ENTERMENULOOP;
      return 0;
    default:
      // The taskbar was made anew: the tray icon, if any, must be put back.
      if (message != 0 && message == taskbarCreatedMessage()) {
        onTaskbarCreated();
        return 0;
      }
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

// After the messages that can change what there is to watch (the settings
// and board commands, the start-up ID question of the first tick, an ID
// edited in place), the folder watch is brought in line. The first watch
// starts once the window is painted (see run).
LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = dispatchMessage(window, message, wParam, lParam);
  if (message == WM_COMMAND || message == WM_TIMER || message == WM_WABO_ID_EDITED) syncFolderWatch();
  // Shown, hidden into the tray, minimised, restored, or the marking switched.
  if (message == WM_WINDOWPOSCHANGED || message == WM_COMMAND) syncOverdueTimer();
  // A load on the way may have seen a watched member's destination change.
  if (!app.returnNotices.empty()) showReturnNotices();
  return result;
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // No C++ exception may unwind into the system's code.
  try {
    return handleMessage(window, message, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

bool registerMainClass(HINSTANCE instance) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = 0;
  wc.lpfnWndProc = mainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
  wc.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
  wc.lpszClassName = kClassName;
  return RegisterClassExA(&wc) != 0;
}

// The folder of the program file, without the trailing '\'.
std::string findProgramFolder() {
  char path[kPathBytes + 1] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, static_cast<DWORD>(kPathBytes));
  if (n == 0 || n >= kPathBytes) path[kPathBytes - 1] = '\0';
  std::string full(path);
  std::size_t cutAt = sjis::lastSeparator(full, kPathBytes);
  return cutAt == std::string::npos ? full : full.substr(0, cutAt);
}

void loadSettings() {
  app.main.programFolder = findProgramFolder();
  app.main.windowsFolder = platform::windowsFolder();
  app.main.computerName = platform::computerName();
  loadStartupSettings(app);
}

// Says why the program cannot start, with the system's text for `error`
// (none for 0); the exit code.
int failStartup(StartupStep step, DWORD error) {
  char systemText[512] = {};
  const DWORD n = error == 0 ? 0
                             : FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                              error, 0, systemText, sizeof systemText, nullptr);
  const std::string text = startupFailureText(step, error, std::string(systemText, n < sizeof systemText ? n : 0));
  MessageBoxA(nullptr, text.c_str(), msg::kCaption, MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
  return kStartupFailedExitCode;
}

int runMessageLoop(HWND window, HACCEL shortcuts) {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    relayToRowTip(message);
    // The shortcuts work in every window of the program; only the in-place
    // ID edit takes its own keys (F2, Enter, Esc) while it is open.
    if (shell.labelEditControl == nullptr && TranslateAcceleratorA(window, shortcuts, &message)) continue;
    // The windows that stay open take their own keys (Tab, Enter, Esc, F3).
    if (ModelessWindow::takeMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

int run(HINSTANCE instance, int showCommand) {
  shell.instanceHandle = instance;
  shell.rowPopupMenu = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_ROW_POPUP));
  if (shell.rowPopupMenu == nullptr) return failStartup(StartupStep::kResources, GetLastError());
  HACCEL shortcuts = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_MAIN));
  if (shortcuts == nullptr) return failStartup(StartupStep::kResources, GetLastError());
  if (!registerMainClass(instance)) return failStartup(StartupStep::kWindowClass, GetLastError());
  loadSettings();

  // The stored rectangle is in 96-DPI units, scaled to the screen's DPI.
  const LocalSettings& s = app.local;
  const int dpi = screenDpi();
  HWND window = CreateWindowExA(0, kClassName, kInitialTitle, WS_OVERLAPPEDWINDOW, scaleToDpi(s.windowLeft, dpi),
                                scaleToDpi(s.windowTop, dpi), scaleToDpi(s.windowWidth, dpi),
                                scaleToDpi(s.windowHeight, dpi), nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return failStartup(StartupStep::kMainWindow, GetLastError());
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  // Nothing on screen waits for the watch; it starts before the first tick's
  // look at the board, so that no change falls between the two.
  syncFolderWatch();

  const int exitCode = runMessageLoop(window, shortcuts);
  // A search still running ends its probe's child; the exit waits for it a moment at most.
  endPcSearchAtExit(kSearchExitWaitMs);
  return exitCode;
}

}  // namespace
}  // namespace wabo

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  try {
    return wabo::run(instance, showCommand);
  } catch (...) {
    // Whatever it was, the program ends with a word rather than silently.
    try {
      return wabo::failStartup(wabo::StartupStep::kUnexpected, 0);
    } catch (...) {
      return wabo::kStartupFailedExitCode;
    }
  }
}
