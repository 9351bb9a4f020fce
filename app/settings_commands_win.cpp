#include "app/settings_commands_win.h"

#include <windows.h>

#include "app/settings_commands.h"
#include "app/shell_win.h"
#include "app/version_dialog_win.h"
#include "common/system_library_win.h"
#include "res/resource.h"
#include "settings/auto_update_dialog_win.h"
#include "settings/display_dialog_win.h"
#include "settings/quick_input_dialog_win.h"
#include "settings/shared_location_dialog_win.h"

namespace wabo {
namespace {

// Runs a settings dialog on `fields`; on OK the form takes what was confirmed.
template <typename Fields, typename Form>
int runOnForm(int (*run)(HWND, Fields&), Fields fields, Form& form) {
  const int result = run(shell.mainWindow, fields);
  if (result == 0) form = fields.form;
  return result;
}

class ShellSettingsDialogs : public SettingsDialogs {
 public:
  int displayDialog(DisplayForm& form) override {
    return runOnForm(runDisplayDialog, DisplayFields{shell.memberListView, form}, form);
  }
  int quickInputDialog(QuickInputForm& form) override {
    return runOnForm(runQuickInputDialog, QuickInputFields{form}, form);
  }
  int autoUpdateDialog(AutoUpdateForm& form) override {
    return runOnForm(runAutoUpdateDialog, AutoUpdateFields{shell.memberListView, form}, form);
  }
  int sharedLocationDialog(SharedLocationForm& form) override {
    return runOnForm(runSharedLocationDialog, SharedLocationFields{form}, form);
  }
  void versionDialog() override { runVersionDialog(shell.mainWindow); }
};

class ShellTimer : public RefreshTimer {
 public:
  void start(std::uint32_t ms) override { SetTimer(shell.mainWindow, ID_REFRESH_TIMER, ms, nullptr); }
  void stop() override { KillTimer(shell.mainWindow, ID_REFRESH_TIMER); }
};

class ShellSettingsView : public SettingsView {
 public:
  void showAutoUpdateStatus() override { wabo::showAutoUpdateStatus(); }
  void repaintMainWindow() override { InvalidateRect(shell.mainWindow, nullptr, TRUE); }
  void applyDisplaySettings() override {
    applyListColours();
    replaceListFont();
    memberList().rebuildAppearance();
    InvalidateRect(shell.mainWindow, nullptr, TRUE);
  }
  void relabelQuickInput() override { relabelQuickInputs(); }
  void openDocument(const std::string& path) override {
    system::shellExecute(shell.mainWindow, "open", path.c_str(), nullptr, nullptr, SW_HIDE);
  }
  void openWebPage(const std::string& address) override {
    system::shellExecute(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_HIDE);
  }
};

void run(int command) {
  static ShellSettingsDialogs dialogs;
  static ShellTimer timer;
  static ShellSettingsView view;
  SettingsCommandContext ctx{app, mainUi(), dialogs, timer, view};
  runSettingsCommand(ctx, command);
}

}  // namespace

void onAutoUpdateSettings() { run(CMD_AUTO_UPDATE_SETTINGS); }
void onDisplaySettings() { run(CMD_DISPLAY_SETTINGS); }
void onVersionInfo() { run(CMD_VERSION); }
void onManual() { run(CMD_MANUAL); }
void onResetUserSettings() { run(CMD_RESET_SETTINGS); }
void onOnlineInfo() { run(CMD_ONLINE_INFO); }
void onQuickInputSettings() { run(CMD_QUICK_INPUT_SETTINGS); }
void onSharedLocationSettings() { run(CMD_SHARED_LOCATION); }

}  // namespace wabo
