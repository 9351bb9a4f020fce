#include "settings/colour_swatch_win.h"

#include "settings/colour_picker_win.h"

namespace wabo {

void SwatchDialog::addSwatch(int swatch, int pickButton, std::int32_t colour) {
  swatches_.push_back({swatch, pickButton, colour, CreateSolidBrush(static_cast<COLORREF>(colour))});
}

const SwatchDialog::Swatch* SwatchDialog::find(int swatch) const {
  for (const Swatch& s : swatches_)
    if (s.control == swatch) return &s;
  return nullptr;
}

std::int32_t SwatchDialog::swatchColour(int swatch) const {
  const Swatch* s = find(swatch);
  return s == nullptr ? 0 : s->colour;
}

HBRUSH SwatchDialog::onStaticColour(int control) {
  const Swatch* s = find(control);
  return s == nullptr ? nullptr : s->brush;
}

bool SwatchDialog::onCommand(int control, int code) {
  if (code != BN_CLICKED) return false;
  for (Swatch& s : swatches_) {
    if (s.pickButton != control) continue;
    pick(s);
    return true;
  }
  return false;
}

void SwatchDialog::pick(Swatch& s) {
  // The picker belongs to the member list, not to this dialog: keep the
  // dialog from taking input while the picker is open.
  EnableWindow(window(), FALSE);
  COLORREF chosen = pickColour(pickerOwner_, static_cast<COLORREF>(s.colour));
  EnableWindow(window(), TRUE);
  SetForegroundWindow(window());
  HBRUSH brush = CreateSolidBrush(chosen);
  if (brush != nullptr) {
    if (s.brush != nullptr) DeleteObject(s.brush);
    s.brush = brush;
  }
  s.colour = static_cast<std::int32_t>(chosen);
  InvalidateRect(window(), nullptr, TRUE);
}

void SwatchDialog::release() {
  for (Swatch& s : swatches_)
    if (s.brush != nullptr) DeleteObject(s.brush);
  swatches_.clear();
}

}  // namespace wabo
