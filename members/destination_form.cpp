#include "members/destination_form.h"

#include "board/columns.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/sjis.h"
#include "members/icon_form.h"

namespace wabo {

namespace {

constexpr std::size_t kCaptionBytes = 8;

static_assert(kFormColumnCount == kDestinationFieldCount, "one field per form column");

// The edit buffer behind a field (const or not, as the buffers are).
template <class Buffers>
auto bufferOf(Buffers& edit, DestinationField f) -> decltype(&edit.editId) {
  return &(edit.*kColumns[kFormColumns[static_cast<int>(f)]].editBuffer);
}

std::size_t bufferBytesOf(DestinationField f) { return kColumns[kFormColumns[static_cast<int>(f)]].bufferBytes; }

DestinationVerdict refuse(const char* warning, DestinationField focus) {
  DestinationVerdict v;
  v.warning = warning;
  v.focus = focus;
  return v;
}

}  // namespace

DestinationForm formFromBuffers(const EditBuffers& edit) {
  DestinationForm form;
  for (int i = 0; i < kDestinationFieldCount; ++i) form.texts[i] = *bufferOf(edit, static_cast<DestinationField>(i));
  return form;
}

std::string destinationCaption(const std::array<std::string, kColumnNameCount>& columnNames, int n) {
  if (n < 1 || n > kColumnNameCount) return std::string();
  return sjis::cut(columnNames[n - 1], kCaptionBytes);
}

std::vector<std::string> destinationChoices(const SharedSettings& shared) {
  std::vector<std::string> choices;
  for (const std::string& word : shared.destinationList)
    if (!word.empty()) choices.push_back(word);
  return choices;
}

int formIconNumber(const EditBuffers& edit) {
  int n = iconNumberValue(edit.editIconNumberText);
  return n >= 0 && n < kMemberIconCount ? n : -1;
}

bool formAddsMember(const EditBuffers& edit) { return edit.editId.empty(); }

bool formIdEditable(const EditBuffers& edit) { return edit.editRowIndex == -1; }

DestinationVerdict acceptDestinationForm(const DestinationForm& typed, EditBuffers& edit) {
  bool idEditable = formIdEditable(edit);
  bool commas = false;
  for (int i = 0; i < kDestinationFieldCount; ++i) {
    DestinationField f = static_cast<DestinationField>(i);
    std::string* buffer = bufferOf(edit, f);
    if (f != DestinationField::kId || idEditable) *buffer = fieldText(typed[f], bufferBytesOf(f));
    if (sjis::commaToSlash(*buffer)) commas = true;
  }

  if (edit.editId.empty()) return refuse(msg::kIdEmpty, DestinationField::kId);
  if (edit.editId[0] == ' ') return refuse(msg::kIdStartsWithSpace, DestinationField::kId);
  if (edit.editId == "END") return refuse(msg::kIdIsEnd, DestinationField::kId);
  for (int i = 0; i < kDestinationFieldCount; ++i) {
    DestinationField f = static_cast<DestinationField>(i);
    if (hasLineBreak(*bufferOf(edit, f))) return refuse(msg::kLineBreakNotAllowed, f);
  }

  DestinationVerdict v;
  v.accepted = true;
  v.commasReplaced = commas;
  return v;
}

}  // namespace wabo
