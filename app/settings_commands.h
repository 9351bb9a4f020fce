// The commands of the 設定 and ﾍﾙﾌﾟ menus that do not change a member's row:
// which dialog opens, and what the main window takes over when it is
// accepted. The dialogs, the timer and the main window are reached through
// the small interfaces below, so the decisions run without a window.
#pragma once
#include <string>

#include "app/app_state.h"
#include "app/refresh_cycle.h"
#include "common/ui.h"
#include "settings/user_settings_forms.h"

namespace wabo {

// Each runs its dialog modally over the main window and returns 0 when
// accepted (the form then holds what the user confirmed), 1 when cancelled.
class SettingsDialogs {
 public:
  virtual ~SettingsDialogs() = default;
  virtual int displayDialog(DisplayForm& form) = 0;                // 296
  virtual int quickInputDialog(QuickInputForm& form) = 0;          // 342
  virtual int autoUpdateDialog(AutoUpdateForm& form) = 0;          // 105
  virtual int sharedLocationDialog(SharedLocationForm& form) = 0;  // 345
  virtual void versionDialog() = 0;                                // 302
};

// What the commands ask of the main window and the system.
class SettingsView {
 public:
  virtual ~SettingsView() = default;
  virtual void showAutoUpdateStatus() = 0;  // autoUpdateStatusText into status-bar part 1
  virtual void repaintMainWindow() = 0;
  // Colours, a new list font, the appearance rebuild, then the main window
  // repainted with erasing.
  virtual void applyDisplaySettings() = 0;
  // The two quick-input items of the list's context menu from the words.
  virtual void relabelQuickInput() = 0;
  // ShellExecute "open" of a file, owned by the main window, hidden.
  virtual void openDocument(const std::string& path) = 0;
  // ShellExecute with the default verb, no owner, hidden.
  virtual void openWebPage(const std::string& address) = 0;
};

struct SettingsCommandContext {
  AppState& app;
  Ui& ui;  // message boxes owned by the main window
  SettingsDialogs& dialogs;
  RefreshTimer& timer;
  SettingsView& view;
};

void runSettingsCommand(SettingsCommandContext& ctx, int commandId);

// "<programFolder>\WaboDoc.htm", what 40033 opens.
std::string manualPath(const std::string& programFolder);

}  // namespace wabo
