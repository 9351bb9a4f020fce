// The 設定 and ﾍﾙﾌﾟ commands with scripted dialogs: what the main window, the
// timer and the settings take over on OK and on ｷｬﾝｾﾙ.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings_commands.h"
#include "res/resource.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;

// The dialogs (by template number), the timer and the main window in one
// log. A dialog fills its fields and answers `answer` (0 OK, 1 ｷｬﾝｾﾙ).
class SettingsCommands : public ::testing::Test, protected RecordingUi, SettingsDialogs, RefreshTimer, SettingsView {
 protected:
  std::function<void(AutoUpdateForm&)> autoUpdate;
  int answer = 1;
  Lines log;
  AppState app;
  SettingsCommandContext ctx{app, *this, *this, *this, *this};

  SettingsCommands() {
    app.main.programFolder = "C:\\Wabo";
    deriveAutoUpdateState(app.local);  // a first start: auto update every 10 minutes
  }
  void run(int command) { runSettingsCommand(ctx, command); }

  int shown(const char* dialog) { return log.push_back(dialog), answer; }
  int displayDialog(DisplayForm& f) override {
    return f.backgroundColour = 0x00FFFF, f.fontSizeText = "14", shown("296");
  }
  int quickInputDialog(QuickInputForm& f) override { return f.word1 = "在宅", f.word2 = "", shown("342"); }
  int autoUpdateDialog(AutoUpdateForm& f) override { return autoUpdate(f), shown("105"); }
  int sharedLocationDialog(SharedLocationForm& f) override { return f.folder = "\\\\srv\\wabo", shown("345"); }
  void versionDialog() override { log.push_back("302"); }
  void start(std::uint32_t ms) override { log.push_back("timer " + std::to_string(ms)); }
  void stop() override { log.push_back("timer stopped"); }
  void showAutoUpdateStatus() override { log.push_back("status1" + app.local.autoUpdateStatusText); }
  void repaintMainWindow() override { log.push_back("repaint"); }
  void applyDisplaySettings() override { log.push_back("display"); }
  void relabelQuickInput() override {
    log.push_back("menu " + app.local.quickInputWord1 + "/" + app.local.quickInputWord2);
  }
  void openDocument(const std::string& path) override { log.push_back("open " + path); }
  void openWebPage(const std::string&) override { log.push_back("web"); }
};

}  // namespace

TEST_F(SettingsCommands, DialogsChangeNothingOnCancelAndTakeTheirValuesOnOk) {
  app.shared.pcSearchAllowed = 0;
  autoUpdate = [](AutoUpdateForm& form) {
    EXPECT_FALSE(form.pcSearchAllowed);
    form.enabled = 0, form.connectedColour = 0x0000FF;  // a picked colour
  };
  const auto values = [](const LocalSettings& s) {
    return std::make_tuple(s.backgroundColour, s.fontSize, s.quickInputWord1, s.sharedSettingsFolder,
                           s.autoUpdateEnabled, s.connectedColour);
  };
  const auto before = values(app.local);
  const int commands[] = {CMD_DISPLAY_SETTINGS, CMD_QUICK_INPUT_SETTINGS, CMD_SHARED_LOCATION,
                          CMD_AUTO_UPDATE_SETTINGS};
  for (int command : commands) run(command);
  EXPECT_EQ(values(app.local), before);
  EXPECT_EQ(log, (Lines{"296", "342", "345", "105"}));
  answer = 0;
  log.clear();
  for (int command : commands) run(command);
  EXPECT_EQ(values(app.local),
            std::make_tuple(0x00FFFF, 14, std::string("在宅"), std::string("\\\\srv\\wabo"), 0, 0x0000FF));
  EXPECT_EQ(log, (Lines{"296", "display", "342", "menu 在宅/", "345", "105", "repaint",
                        "timer stopped", "status1 Manual"}));
  // Back on with a new period: the timer restarts for it.
  autoUpdate = [](AutoUpdateForm& form) { form.enabled = 1, form.minutesText = "25"; };
  log.clear();
  run(CMD_AUTO_UPDATE_SETTINGS);
  EXPECT_EQ(log, (Lines{"105", "repaint", "timer 1500000", "status1 Auto 25min"}));
}

// A manual path over 255 bytes opens nothing rather than a cut path naming another file.
TEST_F(SettingsCommands, TheManualOpensOnlyWhenItsWholePathFits) {
  app.main.programFolder = "C:\\" + std::string(255 - 3 - 12, 'd');
  run(CMD_MANUAL);
  app.main.programFolder += "d";
  run(CMD_MANUAL);
  EXPECT_EQ(log, (Lines{"open C:\\" + std::string(240, 'd') + "\\WaboDoc.htm"}));
}
