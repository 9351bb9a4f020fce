#include "app/settings_lifetime.h"

#include "app/list_columns.h"
#include "board/board_file.h"
#include "settings/local_settings.h"
#include "settings/shared_settings.h"

namespace wabo {

void loadStartupSettings(AppState& app) {
  const MainState& main = app.main;
  setDefaultBoardPaths(app.shared, main.programFolder);
  loadLocalSettings(app.local, main.programFolder, main.windowsFolder);
  loadSharedSettings(app.shared, sharedSettingsPath(main.programFolder, app.local.sharedSettingsFolder));

  app.returnWatch.restore(app.local.returnWatchIds);
  app.board.currentBoardPath = app.shared.boardPaths[app.boardIndex()];
  if (app.shared.pcSearchAllowed == 0) app.local.autoPcSearch = 0;
  if (app.shared.mailFolder.empty()) app.shared.mailFolder = main.programFolder;
}

void saveSettingsAtExit(const MemberList& list, AppState& app) {
  if (app.main.lastLoadResult != kUnreadable) saveColumnLayout(list, app);
  takeAutoUpdateMinutes(app.local);
  saveLocalSettings(app.local, app.main.programFolder, app.main.windowsFolder);
}

}  // namespace wabo
