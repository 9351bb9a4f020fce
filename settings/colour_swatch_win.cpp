#include "settings/colour_swatch_win.h"

#include "settings/colour_picker_win.h"

namespace wabo {

void ColourSwatches::add(int control, std::int32_t colour) {
  swatches_.push_back({control, colour, CreateSolidBrush(static_cast<COLORREF>(colour))});
}

ColourSwatches::Swatch* ColourSwatches::find(int control) {
  for (Swatch& s : swatches_)
    if (s.control == control) return &s;
  return nullptr;
}

const ColourSwatches::Swatch* ColourSwatches::find(int control) const {
  for (const Swatch& s : swatches_)
    if (s.control == control) return &s;
  return nullptr;
}

std::int32_t ColourSwatches::colour(int control) const {
  const Swatch* s = find(control);
  return s == nullptr ? 0 : s->colour;
}

HBRUSH ColourSwatches::brushFor(int control) const {
  const Swatch* s = find(control);
  return s == nullptr ? nullptr : s->brush;
}

void ColourSwatches::pick(HWND dialog, HWND pickerOwner, int control) {
  Swatch* s = find(control);
  if (s == nullptr) return;
  // The picker belongs to the member list, not to this dialog: keep the
  // dialog from taking input while the picker is open.
  EnableWindow(dialog, FALSE);
  COLORREF chosen = pickColour(pickerOwner, static_cast<COLORREF>(s->colour));
  EnableWindow(dialog, TRUE);
  SetForegroundWindow(dialog);
  HBRUSH brush = CreateSolidBrush(chosen);
  if (brush != nullptr) {
    if (s->brush != nullptr) DeleteObject(s->brush);
    s->brush = brush;
  }
  s->colour = static_cast<std::int32_t>(chosen);
  InvalidateRect(dialog, nullptr, TRUE);
}

void ColourSwatches::release() {
  for (Swatch& s : swatches_)
    if (s.brush != nullptr) DeleteObject(s.brush);
  swatches_.clear();
}

}  // namespace wabo
