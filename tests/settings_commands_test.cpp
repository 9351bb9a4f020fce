// The 設定 and ﾍﾙﾌﾟ commands with scripted dialogs: what each dialog is
// given, and what the main window, the timer and the settings take over on
// OK and on ｷｬﾝｾﾙ.
#include <gtest/gtest.h>

#include <functional>
#include <set>
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

struct AnsweringUi : RecordingUi {
  std::vector<bool> answers;  // one per question, in order
  bool confirm(const char* text) override {
    RecordingUi::confirm(text);
    return answers.at(questions.size() - 1);
  }
};

// The dialogs, the timer and the main window in one log. A dialog runs its
// script (0 OK, 1 ｷｬﾝｾﾙ); a dialog without one should not have opened.
class SettingsCommands : public ::testing::Test, SettingsDialogs, RefreshTimer, SettingsView {
 protected:
  std::function<int(DisplayForm&)> display;
  std::function<int(QuickInputForm&)> quickInput;
  std::function<int(AutoUpdateForm&)> autoUpdate;
  std::function<int(SharedLocationForm&)> sharedLocation;
  Lines log;
  AppState app;
  AnsweringUi ui;
  SettingsCommandContext ctx{app, ui, *this, *this, *this};

  SettingsCommands() {
    app.main.programFolder = "C:\\Wabo";
    deriveAutoUpdateState(app.local);  // a first start: auto update every 10 minutes
  }
  void run(int command) { runSettingsCommand(ctx, command); }

  int displayDialog(DisplayForm& f) override { return open("dialog 296", display, f); }
  int quickInputDialog(QuickInputForm& f) override { return open("dialog 342", quickInput, f); }
  int autoUpdateDialog(AutoUpdateForm& f) override { return open("dialog 105", autoUpdate, f); }
  int sharedLocationDialog(SharedLocationForm& f) override { return open("dialog 345", sharedLocation, f); }
  void versionDialog() override { log.push_back("dialog 302"); }
  void start(std::uint32_t ms) override { log.push_back("timer " + std::to_string(ms)); }
  void stop() override { log.push_back("timer stopped"); }
  void showAutoUpdateStatus() override { log.push_back("status1" + app.local.autoUpdateStatusText); }
  void repaintMainWindow() override { log.push_back("repaint"); }
  void applyDisplaySettings() override { log.push_back("display"); }
  void relabelQuickInput() override { log.push_back("menu " + app.local.quickInputWord1 + "/" + app.local.quickInputWord2); }
  void openDocument(const std::string& path) override { log.push_back("open " + path); }
  void openWebPage(const std::string& address) override { log.push_back("web " + address); }

 private:
  template <typename Form>
  int open(const char* name, const std::function<int(Form&)>& script, Form& form) {
    log.push_back(name);
    if (!script) ADD_FAILURE() << name << " was not expected";
    return script ? script(form) : 1;
  }
};

}  // namespace

TEST_F(SettingsCommands, AutoUpdateOkRestartsTheTimerAndSwitchedOffStopsIt) {
  autoUpdate = [](AutoUpdateForm& form) {
    EXPECT_EQ(form.minutesText, "10");
    form.minutesText = "25";
    return 0;
  };
  run(CMD_AUTO_UPDATE_SETTINGS);
  EXPECT_EQ(log, (Lines{"dialog 105", "repaint", "timer 1500000", "status1 Auto 25min"}));
  log.clear();
  autoUpdate = [](AutoUpdateForm& form) {
    form.enabled = 0, form.minutesText = "";
    return 0;
  };
  run(CMD_AUTO_UPDATE_SETTINGS);
  EXPECT_EQ(log, (Lines{"dialog 105", "repaint", "timer stopped", "status1 Manual"}));
  EXPECT_EQ(app.local.autoUpdateMinutesText, "0");
  takeAutoUpdateMinutes(app.local);  // what the exit writes
  EXPECT_EQ(app.local.autoUpdateMinutes, 0);
}

TEST_F(SettingsCommands, CancelledDialogsChangeNothing) {
  const LocalSettings before = app.local;
  autoUpdate = [](AutoUpdateForm& form) { return form.enabled = 0, form.connectedColour = 0x0000FF, 1; };
  display = [](DisplayForm& form) { return form.backgroundColour = 0xFF0000, form.fontSizeText = "20", 1; };
  quickInput = [](QuickInputForm& form) { return form.word1 = "外出", 1; };
  sharedLocation = [](SharedLocationForm& form) { return form.folder = "D:\\x", 1; };
  for (int command : {CMD_AUTO_UPDATE_SETTINGS, CMD_DISPLAY_SETTINGS, CMD_QUICK_INPUT_SETTINGS, CMD_SHARED_LOCATION})
    run(command);
  EXPECT_EQ(log, (Lines{"dialog 105", "dialog 296", "dialog 342", "dialog 345"}));
  const auto values = [](const LocalSettings& s) {
    return std::tie(s.autoUpdateEnabled, s.connectedColour, s.backgroundColour, s.fontSize, s.quickInputWord1,
                    s.sharedSettingsFolder);
  };
  EXPECT_EQ(values(app.local), values(before));
}

TEST_F(SettingsCommands, DisplayQuickInputAndLocationTakeTheConfirmedValues) {
  app.shared.pcSearchAllowed = 0;
  display = [](DisplayForm& form) { return form.backgroundColour = 0x00FFFF, form.fontSizeText = "14", 0; };
  quickInput = [](QuickInputForm& form) { return form.word1 = "在宅", form.word2 = "", 0; };
  sharedLocation = [](SharedLocationForm& form) { return form.folder = "\\\\srv\\wabo", 0; };
  autoUpdate = [](AutoUpdateForm& form) {
    EXPECT_FALSE(form.pcSearchAllowed);
    return 1;
  };
  for (int command : {CMD_DISPLAY_SETTINGS, CMD_QUICK_INPUT_SETTINGS, CMD_SHARED_LOCATION, CMD_AUTO_UPDATE_SETTINGS})
    run(command);
  EXPECT_EQ(log, (Lines{"dialog 296", "display", "dialog 342", "menu 在宅/", "dialog 345", "dialog 105"}));
  EXPECT_EQ(std::tie(app.local.backgroundColour, app.local.fontSize, app.local.sharedSettingsFolder),
            std::make_tuple(0x00FFFF, 14, std::string("\\\\srv\\wabo")));
}

TEST_F(SettingsCommands, ResetIsWithdrawnByALaterCancel) {
  ui.answers = {true, false, true};
  for (int expected : {1, 0, 1}) {
    run(CMD_RESET_SETTINGS);
    EXPECT_EQ(app.local.discardLocalSettings, expected);
  }
  EXPECT_EQ(ui.informations, (Lines(2, msg::kResetSettingsDone)));
  EXPECT_EQ(ui.questions, (Lines(3, msg::kResetSettingsQuestion)));
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

TEST_F(SettingsCommands, OnlyTheSettingsAndHelpCommandsAreTakenHere) {
  const std::set<int> mine{40009, 40010, 40017, 40033, 40034, 40042, 40050, 40054};
  for (int id = CMD_FIRST; id <= CMD_LAST; ++id) EXPECT_EQ(isSettingsCommand(id), mine.count(id) == 1) << id;
}
