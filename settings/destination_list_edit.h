// The destination list as the destination list dialog edits it: at most 20
// words in list order, duplicates allowed.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "common/limits.h"

namespace wabo {

class DestinationListEdit {
 public:
  // The non-empty slots, in slot order.
  explicit DestinationListEdit(const std::array<std::string, kDestinationSlots>& slots);

  const std::vector<std::string>& words() const { return words_; }

  // "追加" with the typed text. On a full list nothing happens and false is
  // returned: the edit keeps its text. Otherwise the text is appended unless
  // it is empty or begins with an ASCII blank, and true tells the dialog to
  // empty the edit.
  bool add(const std::string& typed);
  // "削除" of the entry at `index`; an index outside the list (no
  // selection) does nothing.
  void remove(int index);

  // Slot i holds word i, the slots after the last word are empty.
  std::array<std::string, kDestinationSlots> slots() const;

 private:
  std::vector<std::string> words_;
};

}  // namespace wabo
