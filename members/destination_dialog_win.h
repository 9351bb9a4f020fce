// Dialog 152 "行き先の変更": a member's row in a form, or a new member.
#pragma once
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "board/edit_buffers.h"
#include "common/limits.h"

namespace wabo {

struct DestinationDialogFields {
  // In: the row as the form shows it (editRowIndex -1: a new member, the
  // ID can be typed), editIconNumberText for the picture. Out, when
  // accepted: the eight typed texts in their buffers.
  EditBuffers edit;
  std::array<std::string, kColumnNameCount> columnNames;  // in: the labels
  std::vector<std::string> destinationChoices;            // in: the drop-down list
};

// 0 accepted, 1 cancelled.
int runDestinationDialog(HWND owner, DestinationDialogFields& fields);

}  // namespace wabo
