// The administrator commands of the 管理者設定 menu over the real program.
#pragma once

namespace wabo {

void onDestinationList();  // 40030
void onBoardSettings();    // 40041
void onOtherSettings();    // 40044
void onColumnNames();      // 40045

}  // namespace wabo
