// The PC search mark of a member row: the state-image index of its list-view
// item, kept in bits 12 to 15 of the item state. 0 not searched, 1 not
// connected, 2 connected.
#pragma once
#include <cstdint>
#include <optional>

namespace wabo {

enum SearchMark : int { kNotSearched = 0, kNotConnected = 1, kConnected = 2 };

constexpr std::uint32_t kMarkStateMask = 0xF000;  // the state-image bits of an item state

// The mark an item state carries; the other state bits do not count.
constexpr int markOfItemState(std::uint32_t state) { return static_cast<int>((state & kMarkStateMask) >> 12); }

// The item state bits that carry `mark` (its low four bits).
constexpr std::uint32_t itemStateOfMark(int mark) { return (static_cast<std::uint32_t>(mark) & 0xF) << 12; }

// The background of a row's text for its mark: the connected or the not
// connected colour of the settings; none keeps the list's own.
std::optional<std::int32_t> markBackground(int mark, std::int32_t connectedColour, std::int32_t notConnectedColour);

}  // namespace wabo
