// The hand-over between commands, dialogs and row edits.
#pragma once
#include <string>

namespace wabo {

struct EditBuffers {
  int editRowIndex = -1;  // list index of the row edited; -1 none or a new member
  std::string editId, editName, editDestination, editReturnTime;  // 30 bytes
  std::string editMobile, editContact, editSchedule, editOther;   // 100 bytes
  std::string editIconNumberText;                                 // 30 bytes
  std::string iconDialogId, deleteId, targetId, enteredUserId, editPcName;  // 30 bytes

  void clearRowTexts() {
    editId.clear(); editName.clear(); editDestination.clear(); editReturnTime.clear();
    editMobile.clear(); editContact.clear(); editSchedule.clear(); editOther.clear();
  }
};

}  // namespace wabo
