// The main window at the screen's resolution. Every size the program keeps
// (column widths, row height, font height, status-bar parts, the window
// rectangle) is in 96-DPI units, as WaboM.ini stores it; on screen it is
// scaled to the window's DPI. Moved to a screen of another DPI, the window
// takes the rectangle the system suggests and draws itself anew.
#include "app/shell_win.h"
#include "common/dpi_scale.h"
#include "common/dpi_win.h"
#include "common/limits.h"

namespace wabo {

int scaled(int value) { return scaleToDpi(value, shell.dpi); }

void onDpiChanged(int dpi, const RECT& suggested) {
  if (dpi <= 0 || dpi == shell.dpi) return;
  // The widths as the member left them, in 96-DPI units at the old DPI.
  MemberList& list = memberList();
  ColumnWidths widths = {};
  for (int i = 0; i < kColumnCount; ++i) widths[static_cast<std::size_t>(i)] = list.columnWidth(i);
  shell.dpi = dpi;
  list.beginBulkUpdate();
  for (int i = 0; i < kColumnCount; ++i) list.setColumnWidth(i, widths[static_cast<std::size_t>(i)]);
  replaceListFont();
  list.rebuildAppearance();
  list.endBulkUpdate();
  // The new size lays the list and the status bar out again (WM_SIZE).
  SetWindowPos(shell.mainWindow, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(shell.mainWindow, &client);
  onSize(SIZE_RESTORED, client.right, client.bottom);
  RedrawWindow(shell.mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace wabo
