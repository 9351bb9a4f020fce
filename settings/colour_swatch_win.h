// Settings dialogs with colour swatches: each swatch is a static control
// painted in a working copy of its colour, and a pick button beside it opens
// the colour picker for it. The display and the auto update dialogs derive
// from SwatchDialog and only say which swatch belongs to which button.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "common/dialog_win.h"

namespace wabo {

class SwatchDialog : public ModalDialog {
 public:
  SwatchDialog(const SwatchDialog&) = delete;
  SwatchDialog& operator=(const SwatchDialog&) = delete;
  ~SwatchDialog() override { release(); }

 protected:
  // The picker opens over `pickerOwner` (the member list), not over the dialog.
  explicit SwatchDialog(HWND pickerOwner) : pickerOwner_(pickerOwner) {}

  // The swatch of static control `swatch`, starting at `colour`; a click on
  // `pickButton` runs the picker for it.
  void addSwatch(int swatch, int pickButton, std::int32_t colour);
  // The working colour of a swatch (0 for a control that is none).
  std::int32_t swatchColour(int swatch) const;

  // A pick button's click: the picker runs from the swatch's colour with the
  // dialog disabled meanwhile, then the swatch takes the result and the
  // dialog is repainted. A cancelled picker gives back the colour it was
  // given, so the swatch stays as it was.
  bool onCommand(int control, int code) override;
  HBRUSH onStaticColour(int control) override;
  void onDestroy() override { release(); }

 private:
  struct Swatch {
    int control;
    int pickButton;
    std::int32_t colour;
    HBRUSH brush;
  };
  const Swatch* find(int swatch) const;
  void pick(Swatch& s);
  void release();

  HWND pickerOwner_;
  std::vector<Swatch> swatches_;
};

}  // namespace wabo
