// The 設定 and ﾍﾙﾌﾟ commands with scripted dialogs: what each dialog is
// given, and what the main window, the timer and the settings take over on
// OK and on ｷｬﾝｾﾙ.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/settings_commands.h"
#include "common/messages.h"
#include "common/version.h"
#include "res/resource.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;

// The dialogs, the timer, the main window and the message boxes in one log. A
// dialog runs its script (0 OK, 1 ｷｬﾝｾﾙ); questions are answered from `answers`.
class SettingsCommands : public ::testing::Test, protected RecordingUi, SettingsDialogs, RefreshTimer, SettingsView {
 protected:
  std::function<int(DisplayForm&)> display;
  std::function<int(QuickInputForm&)> quickInput;
  std::function<int(AutoUpdateForm&)> autoUpdate;
  std::function<int(SharedLocationForm&)> sharedLocation;
  std::vector<bool> answers;
  Lines log;
  AppState app;
  SettingsCommandContext ctx{app, *this, *this, *this, *this};

  SettingsCommands() {
    app.main.programFolder = "C:\\Wabo";
    deriveAutoUpdateState(app.local);  // a first start: auto update every 10 minutes
  }
  void run(int command) { runSettingsCommand(ctx, command); }

  bool confirm(const char* text) override { return RecordingUi::confirm(text), answers.at(questions.size() - 1); }
  int displayDialog(DisplayForm& f) override { return log.push_back("dialog 296"), display(f); }
  int quickInputDialog(QuickInputForm& f) override { return log.push_back("dialog 342"), quickInput(f); }
  int autoUpdateDialog(AutoUpdateForm& f) override { return log.push_back("dialog 105"), autoUpdate(f); }
  int sharedLocationDialog(SharedLocationForm& f) override { return log.push_back("dialog 345"), sharedLocation(f); }
  void versionDialog() override { log.push_back("dialog 302"); }
  void start(std::uint32_t ms) override { log.push_back("timer " + std::to_string(ms)); }
  void stop() override { log.push_back("timer stopped"); }
  void showAutoUpdateStatus() override { log.push_back("status1" + app.local.autoUpdateStatusText); }
  void repaintMainWindow() override { log.push_back("repaint"); }
  void applyDisplaySettings() override { log.push_back("display"); }
  void relabelQuickInput() override { log.push_back("menu " + app.local.quickInputWord1 + "/" + app.local.quickInputWord2); }
  void openDocument(const std::string& path) override { log.push_back("open " + path); }
  void openWebPage(const std::string& address) override { log.push_back("web " + address); }
};

}  // namespace

TEST_F(SettingsCommands, AutoUpdateOkRestartsTheTimerForTheNewPeriod) {
  autoUpdate = [](AutoUpdateForm& form) {
    EXPECT_EQ(form.minutesText, "10");
    form.minutesText = "25";
    return 0;
  };
  run(CMD_AUTO_UPDATE_SETTINGS);
  EXPECT_EQ(log, (Lines{"dialog 105", "repaint", "timer 1500000", "status1 Auto 25min"}));
}

TEST_F(SettingsCommands, DialogsChangeNothingOnCancelAndTakeTheirValuesOnOk) {
  app.shared.pcSearchAllowed = 0;
  int answer = 1;
  display = [&](DisplayForm& form) { return form.backgroundColour = 0x00FFFF, form.fontSizeText = "14", answer; };
  quickInput = [&](QuickInputForm& form) { return form.word1 = "在宅", form.word2 = "", answer; };
  sharedLocation = [&](SharedLocationForm& form) { return form.folder = "\\\\srv\\wabo", answer; };
  autoUpdate = [&](AutoUpdateForm& form) {
    EXPECT_FALSE(form.pcSearchAllowed);
    return form.enabled = 0, form.connectedColour = 0x0000FF, answer;  // a picked colour
  };
  const auto values = [](const LocalSettings& s) {
    return std::make_tuple(s.backgroundColour, s.fontSize, s.quickInputWord1, s.sharedSettingsFolder,
                           s.autoUpdateEnabled, s.connectedColour);
  };
  const auto before = values(app.local);
  const int commands[] = {CMD_DISPLAY_SETTINGS, CMD_QUICK_INPUT_SETTINGS, CMD_SHARED_LOCATION, CMD_AUTO_UPDATE_SETTINGS};
  for (int command : commands) run(command);
  EXPECT_EQ(values(app.local), before);
  EXPECT_EQ(log, (Lines{"dialog 296", "dialog 342", "dialog 345", "dialog 105"}));
  answer = 0;
  log.clear();
  for (int command : commands) run(command);
  EXPECT_EQ(values(app.local), std::make_tuple(0x00FFFF, 14, std::string("在宅"), std::string("\\\\srv\\wabo"), 0, 0x0000FF));
  EXPECT_EQ(log, (Lines{"dialog 296", "display", "dialog 342", "menu 在宅/", "dialog 345", "dialog 105", "repaint",
                        "timer stopped", "status1 Manual"}));
  takeAutoUpdateMinutes(app.local);  // what the exit writes
  EXPECT_EQ(app.local.autoUpdateMinutes, 0);
}

TEST_F(SettingsCommands, ResetIsWithdrawnByALaterCancel) {
  answers = {true, false, true};
  for (int expected : {1, 0, 1}) {
    run(CMD_RESET_SETTINGS);
    EXPECT_EQ(app.local.discardLocalSettings, expected);
  }
  EXPECT_EQ(informations, (Lines(2, msg::kResetSettingsDone)));
  EXPECT_EQ(questions, (Lines(3, msg::kResetSettingsQuestion)));
}

TEST_F(SettingsCommands, HelpCommandsOpenTheManualThePageAndTheVersion) {
  run(CMD_MANUAL);
  run(CMD_ONLINE_INFO);
  run(CMD_VERSION);
  EXPECT_EQ(log, (Lines{"open C:\\Wabo\\WaboDoc.htm", std::string("web ") + WABO_WEB_PAGE, "dialog 302"}));
  // A manual path over 255 bytes opens nothing rather than a cut path naming another file.
  log.clear();
  app.main.programFolder = "C:\\" + std::string(255 - 3 - 12, 'd');
  run(CMD_MANUAL);
  app.main.programFolder += "d";
  run(CMD_MANUAL);
  EXPECT_EQ(log, (Lines{"open C:\\" + std::string(240, 'd') + "\\WaboDoc.htm"}));
}
