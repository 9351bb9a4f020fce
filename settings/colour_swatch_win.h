// The colour swatches of a settings dialog: a working copy of each colour
// being edited and a solid brush of it, which the dialog hands out when the
// swatch's static control asks for its background.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace wabo {

class ColourSwatches {
 public:
  ColourSwatches() = default;
  ColourSwatches(const ColourSwatches&) = delete;
  ColourSwatches& operator=(const ColourSwatches&) = delete;
  ~ColourSwatches() { release(); }

  // A swatch shown by static control `control`, starting at `colour`.
  void add(int control, std::int32_t colour);
  // The working colour of a swatch.
  std::int32_t colour(int control) const;
  // The brush for the static control `control`; null for other controls.
  HBRUSH brushFor(int control) const;
  // Runs the colour picker (owned by `pickerOwner`) from the swatch's
  // colour with `dialog` disabled meanwhile, then takes the result, makes
  // its brush and repaints the dialog. A cancelled picker gives back the
  // colour it was given, so the swatch stays as it was.
  void pick(HWND dialog, HWND pickerOwner, int control);
  void release();

 private:
  struct Swatch {
    int control;
    std::int32_t colour;
    HBRUSH brush;
  };
  Swatch* find(int control);
  const Swatch* find(int control) const;
  std::vector<Swatch> swatches_;
};

}  // namespace wabo
