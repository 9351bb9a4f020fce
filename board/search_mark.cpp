#include "board/search_mark.h"

namespace wabo {

std::optional<std::int32_t> markBackground(int mark, std::int32_t connectedColour, std::int32_t notConnectedColour) {
  if (mark == kConnected) return connectedColour;
  if (mark == kNotConnected) return notConnectedColour;
  return std::nullopt;
}

}  // namespace wabo
