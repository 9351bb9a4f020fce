#include "app/settings_commands.h"

#include "common/limits.h"
#include "common/messages.h"
#include "common/version.h"
#include "res/resource.h"

namespace wabo {
namespace {

void autoUpdateSettings(SettingsCommandContext& ctx) {
  LocalSettings& local = ctx.app.local;
  AutoUpdateForm form = autoUpdateFormFrom(local, ctx.app.shared.pcSearchAllowed);
  if (ctx.dialogs.autoUpdateDialog(form) != 0) return;
  storeAutoUpdateForm(local, form);
  ctx.view.repaintMainWindow();
  // A full period counts from the moment of OK.
  if (local.autoUpdateEnabled == 1)
    ctx.timer.start(autoUpdatePeriod(local.autoUpdateMinutesText));
  else
    ctx.timer.stop();
  local.autoUpdateStatusText = autoUpdateStatusFor(local.autoUpdateEnabled, local.autoUpdateMinutesText);
  ctx.view.showAutoUpdateStatus();
}

void displaySettings(SettingsCommandContext& ctx) {
  DisplayForm form = displayFormFrom(ctx.app.local);
  if (ctx.dialogs.displayDialog(form) != 0) return;
  storeDisplayForm(ctx.app.local, form);
  ctx.view.applyDisplaySettings();
}

void quickInputSettings(SettingsCommandContext& ctx) {
  QuickInputForm form = quickInputFormFrom(ctx.app.local);
  if (ctx.dialogs.quickInputDialog(form) != 0) return;
  storeQuickInputForm(ctx.app.local, form);
  ctx.view.relabelQuickInput();
}

void sharedLocationSettings(SettingsCommandContext& ctx) {
  SharedLocationForm form = sharedLocationFormFrom(ctx.app.local, ctx.app.main.programFolder);
  if (ctx.dialogs.sharedLocationDialog(form) != 0) return;
  storeSharedLocationForm(ctx.app.local, form);
}

void resetUserSettings(SettingsCommandContext& ctx) {
  // A later Cancel withdraws an earlier confirmation of the same run.
  ctx.app.local.discardLocalSettings = 0;
  if (!ctx.ui.confirm(msg::kResetSettingsQuestion)) return;
  ctx.app.local.discardLocalSettings = 1;
  ctx.ui.inform(msg::kResetSettingsDone);
}

}  // namespace

std::string manualPath(const std::string& programFolder) {
  // The path buffer of the shell call holds 256 bytes; a longer folder
  // cannot hold the manual either, and the cut path would name another file.
  std::string path = programFolder + "\\WaboDoc.htm";
  return path.size() <= textLimit(kPathBytes) ? path : std::string();
}

void runSettingsCommand(SettingsCommandContext& ctx, int commandId) {
  switch (commandId) {
    case CMD_AUTO_UPDATE_SETTINGS: autoUpdateSettings(ctx); break;
    case CMD_DISPLAY_SETTINGS: displaySettings(ctx); break;
    case CMD_VERSION: ctx.dialogs.versionDialog(); break;
    case CMD_MANUAL: {
      std::string path = manualPath(ctx.app.main.programFolder);
      if (!path.empty()) ctx.view.openDocument(path);
      break;
    }
    case CMD_RESET_SETTINGS: resetUserSettings(ctx); break;
    case CMD_ONLINE_INFO: ctx.view.openWebPage(WABO_WEB_PAGE); break;
    case CMD_QUICK_INPUT_SETTINGS: quickInputSettings(ctx); break;
    case CMD_SHARED_LOCATION: sharedLocationSettings(ctx); break;
    default: break;
  }
}

}  // namespace wabo
