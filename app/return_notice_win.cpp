// 戻ったら知らせる over the real list and tray: the row menu's command and
// the balloons of the notices that loads of the board found.
#include "app/return_watch.h"
#include "app/shell_win.h"
#include "app/watch_command.h"

namespace wabo {

void onWatchReturn() { toggleReturnWatch(memberList(), app, mainUi()); }

void showReturnNotices() {
  // Taken first: a notice must not be shown twice should a balloon fail.
  const std::vector<ReturnNotice> notices = std::move(app.returnNotices);
  app.returnNotices.clear();
  for (const ReturnNotice& notice : notices) showTrayNotice(returnNoticeText(notice));
}

}  // namespace wabo
