// The question every administrator dialog asks on OK, because the change
// reaches every member.
#pragma once
#include <windows.h>

namespace wabo {

// "この変更は全てのメンバーに影響します\n実行しますか？" over `dialog`, caption
// "ﾒｯｾｰｼﾞ", Yes and No, question icon. True on Yes.
bool confirmChangeForEveryone(HWND dialog);

}  // namespace wabo
