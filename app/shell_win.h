// The Win32 shell's shared handles and the calls between its files. The
// shell turns window messages into calls of the core, and the core's results
// into controls and message boxes.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>

#include "app/app_state.h"
#include "board/member_list.h"
#include "common/ui.h"

namespace wabo {

struct Shell {
  HINSTANCE instanceHandle = nullptr;
  HWND mainWindow = nullptr;
  HWND memberListView = nullptr;      // control 100
  HWND statusBar = nullptr;           // control 3
  HFONT listFont = nullptr;
  HFONT listBoldFont = nullptr;       // the same face in bold, for the overdue rows
  HIMAGELIST iconImageList = nullptr;
  HMENU rowPopupMenu = nullptr;       // menu 295, kept until exit
  HWND labelEditControl = nullptr;
  std::atomic<int> searchStopRequested{0};  // 1 asks the search thread to stop before its next member
  bool menuOpen = false;              // a menu of the window is open (WM_ENTERMENULOOP .. WM_EXITMENULOOP)
  int dpi = 96;                       // the main window's DPI; the program's sizes are 96-DPI units scaled to it
};

extern Shell shell;
extern AppState app;

// `value` in 96-DPI units as pixels of the main window.
int scaled(int value);

// The member list over the real list view, and message boxes owned by the
// main window.
MemberList& memberList();
// LVN_GETDISPINFO(A/W) of the member list: the text of the cell asked for.
void answerListTextRequest(NMHDR* header);
Ui& mainUi();

// Status bar
void showUpdateTime();          // part 2: updateTimeText and icon 273
void showAutoUpdateStatus();    // part 1: autoUpdateStatusText
void showAllMembersMessage();   // part 0: allMembersMessage with icon 271
void layoutStatusBar(int clientWidth);

// Board
bool reloadBoard();             // loadBoard into the list view, then part 0; false when not read
void refreshBoardMenu(bool copyBoardPath);
void switchBoard(int board);    // commands 40036..40040

// The list view's colours and font from the display settings.
void applyListColours();
void replaceListFont();          // new listFont, set without a redraw

// The two quick inputs of menu 295 named after quickInputWord1 and 2
// ("自分の行き先を[<word>]にする"); app/window_create_win.cpp.
void relabelQuickInputs();

// Handlers of the main window procedure, one file each.
void onCreate(HWND window);                      // app/window_create_win.cpp
void onSize(WPARAM sizeType, int width, int height);  // app/window_layout_win.cpp
void onDestroy();                                // app/shutdown_win.cpp
void onDpiChanged(int dpi, const RECT& suggested);  // app/window_dpi_win.cpp: WM_DPICHANGED
void onCommand(int id);                          // app/command_table_win.cpp
LRESULT onListNotify(NMHDR* header);             // app/member_list_notify_win.cpp
void onIdEdited();                               // app/member_list_notify_win.cpp: WM_WABO_ID_EDITED
// WM_MENUCHAR: keys 1 and 2 in the row menu; false leaves the key to the system.
bool onMenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result);  // app/member_list_notify_win.cpp

// Commands of the keyboard alone (app/member_list_notify_win.cpp).
void editSelectedId();          // F2: the in-place edit of the selected row's ID
void showRowMenuAtSelection();  // Shift+F10, context-menu key: menu 295 below the selected row
void onTimer(WPARAM timerId);                    // app/refresh_win.cpp: timer 1 or the overdue look
void onTimerTick();                              // app/refresh_win.cpp
void onTrayCallback(WPARAM wParam, LPARAM lParam);  // app/tray_win.cpp
void onSearchDone();                             // app/refresh_win.cpp
UINT taskbarCreatedMessage();                    // app/tray_win.cpp: the registered "TaskbarCreated"
void onTaskbarCreated();                         // app/tray_win.cpp

// Commands of the refresh cycle and the tray.
void onManualRefresh();  // 40001, app/refresh_win.cpp
void hideIntoTray();     // 40046, app/tray_win.cpp
void showFromTray();     // 40047
void exitFromTray();     // 40048
void runPcSearchCommand();  // 40053, app/pc_search_glue_win.cpp
void onWatchReturn();       // 40059, app/return_notice_win.cpp

// A balloon of the tray icon with `text` (app/tray_win.cpp). While the
// window is shown, the icon is put there for the notice and taken away
// again by timer ID_NOTICE_TIMER (onNoticeTimer).
void showTrayNotice(const std::string& text);
void onNoticeTimer();
// The notices that loads of the board left in app.returnNotices, shown and
// cleared (app/return_notice_win.cpp).
void showReturnNotices();

// Where the refresh cycle hands over to mail (app/refresh_hooks_win.cpp) and
// to the PC search (app/pc_search_glue_win.cpp).
void pickUpMailForUser();        // shows and deletes the mail waiting for userId
bool startBackgroundPcSearch();  // the search without its window; true when it runs

// The refresh cycle over the real window (app/refresh_win.cpp).
struct RefreshContext;
RefreshContext& shellRefreshContext();

// The folder watch (app/board_watch_win.cpp): started, moved or stopped to
// match what there is to watch now; stopped at exit; WM_WABO_WATCH.
void syncFolderWatch();
void stopFolderWatch();
void onWatchWork(WPARAM work, LPARAM generation);

}  // namespace wabo
