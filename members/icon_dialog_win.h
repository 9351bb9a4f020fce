// Dialog 137 "アイコンの選択": the member icons to choose from.
#pragma once
#include <windows.h>

#include <string>

#include "board/member_list.h"

namespace wabo {

struct IconDialogFields {
  std::string targetId;    // in and out: the member whose icon changes
  std::string numberText;  // in and out: the icon number, plain decimal when accepted
  const MemberList* list = nullptr;  // in: the shown board, where the ID must be
};

// 0 accepted, 1 cancelled.
int runIconDialog(HWND owner, IconDialogFields& fields);

}  // namespace wabo
