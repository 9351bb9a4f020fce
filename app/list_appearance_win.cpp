// The member list's colours and font, from the display settings.
#include "app/list_font.h"
#include "app/shell_win.h"

namespace wabo {

void applyListColours() {
  HWND list = shell.memberListView;
  auto background = static_cast<COLORREF>(app.local.backgroundColour);
  SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageA(list, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  SendMessageA(list, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(static_cast<COLORREF>(app.local.textColour)));
}

void replaceListFont() {
  // Held within the list's bounds before it is scaled to the screen.
  const int height = scaled(listFontHeight(app.local.fontSize));
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS UI Gothic");
  if (font == nullptr) return;  // keep the font the list has
  SendMessageA(shell.memberListView, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (shell.listFont != nullptr) DeleteObject(shell.listFont);
  shell.listFont = font;
}

}  // namespace wabo
