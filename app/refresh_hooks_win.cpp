// Where the refresh cycle hands over to the mail and search subsystems. The
// tick and the 更新 command call these at their fixed points; the mail
// pickup and the background PC search take them over when they arrive.
#include "app/shell_win.h"

namespace wabo {

// No mail pickup yet: nothing is waiting to be shown.
void pickUpMailForUser() {}

// No search thread yet: nothing starts, so the tick does not wait for one.
bool startBackgroundPcSearch() { return false; }

}  // namespace wabo
