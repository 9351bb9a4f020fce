// Layout of the dialog templates in res/*.rc: styles, font and the sizes
// the templates are measured in. Included once by res/wabo.rc, before the
// subsystems' .rc files. UTF-8.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Every dialog: a modal frame with the 9-point proportional Gothic face.
#define DLG_STYLE (DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU)
#define DLG_FONT FONT 9, "ＭＳ Ｐゴシック", 400, 0, 0x80

// Edits. Fields whose length is bounded by what the box shows stop at the
// right edge (no ES_AUTOHSCROLL); the others scroll sideways.
#define EDIT_FIXED (ES_LEFT | WS_BORDER | WS_TABSTOP)
#define EDIT_SCROLL (EDIT_FIXED | ES_AUTOHSCROLL)
#define EDIT_READONLY (EDIT_SCROLL | ES_READONLY)
// Multi-line fields that wrap at their width and never scroll.
#define EDIT_WRAP (ES_LEFT | ES_MULTILINE | WS_BORDER | WS_TABSTOP)
// Multi-line fields for longer texts, with a vertical scroll bar.
#define EDIT_TEXT (ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP)
// A colour swatch: an empty static whose background the dialog paints.
#define SWATCH (SS_LEFT | WS_BORDER)

#define BTN_W 50  // push button
#define BTN_H 14
#define EDIT_H 12  // one-line edit
#define TEXT_H 8   // one line of static text
#define LBL_DY 2   // a label beside an edit sits this much lower

// OK and ｷｬﾝｾﾙ at the bottom right of a dialog of width w, at height y.
#define OK_CANCEL(w, y)                                                         \
  DEFPUSHBUTTON "OK", IDOK, (w) - 2 * BTN_W - 14, y, BTN_W, BTN_H, WS_TABSTOP  \
  PUSHBUTTON "ｷｬﾝｾﾙ", IDCANCEL, (w) - BTN_W - 8, y, BTN_W, BTN_H, WS_TABSTOP
