#include "common/dpi_scale.h"

#include <climits>

namespace wabo {
namespace {

// n / d rounded to nearest, halves away from zero (d > 0), held to int.
int roundedQuotient(long long n, long long d) {
  const long long q = n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
  return q > INT_MAX ? INT_MAX : q < INT_MIN ? INT_MIN : static_cast<int>(q);
}

}  // namespace

int usableDpi(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }

int scaleToDpi(int value, int dpi) {
  return roundedQuotient(static_cast<long long>(value) * usableDpi(dpi), kBaseDpi);
}

int unscaleFromDpi(int pixels, int dpi) {
  return roundedQuotient(static_cast<long long>(pixels) * kBaseDpi, usableDpi(dpi));
}

int unscaleKeeping(int pixels, int stored, int dpi) {
  return scaleToDpi(stored, dpi) == pixels ? stored : unscaleFromDpi(pixels, dpi);
}

}  // namespace wabo
