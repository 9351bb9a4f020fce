#include "settings/destination_list_edit.h"

namespace wabo {

DestinationListEdit::DestinationListEdit(const std::array<std::string, kDestinationSlots>& slots) {
  for (const std::string& word : slots)
    if (!word.empty()) words_.push_back(word);
}

bool DestinationListEdit::add(const std::string& typed) {
  if (words_.size() >= static_cast<std::size_t>(kDestinationSlots)) return false;
  if (!typed.empty() && typed[0] != ' ') words_.push_back(typed);
  return true;
}

void DestinationListEdit::remove(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= words_.size()) return;
  words_.erase(words_.begin() + index);
}

std::array<std::string, kDestinationSlots> DestinationListEdit::slots() const {
  std::array<std::string, kDestinationSlots> result;
  for (std::size_t i = 0; i < words_.size() && i < result.size(); ++i) result[i] = words_[i];
  return result;
}

}  // namespace wabo
