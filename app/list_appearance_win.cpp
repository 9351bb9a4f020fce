// The member list's colours and font, from the display settings.
#include "app/list_font.h"
#include "app/row_tip_win.h"
#include "app/shell_win.h"

namespace wabo {

void applyListColours() {
  HWND list = shell.memberListView;
  auto background = static_cast<COLORREF>(app.local.backgroundColour);
  SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageA(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageA(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(static_cast<COLORREF>(app.local.textColour)));
}

namespace {

HFONT createListFont(int weight) {
  // Held within the list's bounds before it is scaled to the screen.
  const int height = scaled(listFontHeight(app.local.fontSize));
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS UI Gothic");
}

void replace(HFONT& kept, HFONT font) {
  if (kept != nullptr) DeleteObject(kept);
  kept = font;
}

}  // namespace

void replaceListFont() {
  HFONT font = createListFont(FW_NORMAL);
  if (font == nullptr) return;  // keep the font the list has
  SendMessageA(shell.memberListView, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  replace(shell.listFont, font);
  // Without a bold face the overdue rows are drawn in the list's colours.
  replace(shell.listBoldFont, createListFont(FW_BOLD));
  fitRowTip();
}

}  // namespace wabo
