// Dialog 302 "ﾊﾞｰｼﾞｮﾝ情報": the program icon, the version and the makers.
#pragma once
#include <windows.h>

namespace wabo {

// Its only button, "OK" (ID 2), closes it with 1.
int runVersionDialog(HWND owner);

}  // namespace wabo
