// The notification-area icon's callback message.
#include "app/shell_win.h"

namespace wabo {

void onTrayCallback(WPARAM, LPARAM) {}

}  // namespace wabo
