// The find box (template 351), one of the windows that stay open
// (common/modeless_win.h): typing selects and shows the first row whose ID
// or name holds the text; Enter and F3 go to the next one, Shift+F3 to the
// one before, Esc closes.
#pragma once

namespace wabo {

// ﾒﾝﾊﾞｰ検索 and Ctrl+F: opens the box, or brings it forward with its text
// selected.
void openFindBox();
// After a reload: the row found last is selected again when it is still there.
void reselectFoundRow();

}  // namespace wabo
