// Command 40043 掲示板(&K) of the ﾎﾞｰﾄﾞ選択 menu.
#pragma once

namespace wabo {

// Opens the bulletin board dialog on keiji.dat of the mail folder, over the
// main window; does nothing else.
void openBulletinBoard();

}  // namespace wabo
