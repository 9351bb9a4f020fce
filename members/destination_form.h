// The destination dialog's decisions, apart from its window: the captions,
// the destination choices, the member's icon, the new-member form, and what
// OK takes into the edit buffers or refuses.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "board/edit_buffers.h"
#include "common/limits.h"
#include "settings/shared_settings.h"

namespace wabo {

// The eight fields of the form, in their order on the dialog.
enum class DestinationField { kId, kName, kDestination, kReturnTime, kMobile, kContact, kSchedule, kOther };
constexpr int kDestinationFieldCount = 8;

struct DestinationForm {
  std::string texts[kDestinationFieldCount];
  std::string& operator[](DestinationField f) { return texts[static_cast<int>(f)]; }
  const std::string& operator[](DestinationField f) const { return texts[static_cast<int>(f)]; }
};

// The buffers as the form shows them at opening.
DestinationForm formFromBuffers(const EditBuffers& edit);

// Caption n (1..8) of the labels: columnNames entry n cut to its first 8
// bytes, never splitting a double-byte character.
std::string destinationCaption(const std::array<std::string, kColumnNameCount>& columnNames, int n);

// The non-empty entries of the destination list, in slot order.
std::vector<std::string> destinationChoices(const SharedSettings& shared);

// The icon number the form paints: editIconNumberText as a number ("" is 0);
// -1 when it names no member icon.
int formIconNumber(const EditBuffers& edit);

// A form without an ID adds a member: title "新規ﾒﾝﾊﾞｰの追加", focus on the
// ID. Otherwise the focus goes to the destination. The ID can be typed only
// for a new member (editRowIndex -1).
bool formAddsMember(const EditBuffers& edit);
bool formIdEditable(const EditBuffers& edit);

struct DestinationVerdict {
  bool accepted = false;
  const char* warning = nullptr;                   // refusal, warning icon; the dialog stays open
  DestinationField focus = DestinationField::kId;  // the field at fault
  bool commasReplaced = false;                     // accepted: say so once before closing
};

// OK: takes the typed texts into the buffers (28 bytes for ID, name,
// destination and return time, 98 for the others; commas become slashes)
// and tests them. The buffers take the texts also when the OK is refused.
// A locked ID field (an existing member) keeps editId as it is.
DestinationVerdict acceptDestinationForm(const DestinationForm& typed, EditBuffers& edit);

}  // namespace wabo
