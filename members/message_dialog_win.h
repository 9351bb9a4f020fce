// Dialog 310 "全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成": the board's message to all members.
#pragma once
#include <windows.h>

#include <string>

namespace wabo {

struct MessageDialogFields {
  std::string message;  // in and out: allMembersMessage
};

// 0 accepted, 1 cancelled.
int runMessageDialog(HWND owner, MessageDialogFields& fields);

}  // namespace wabo
