// The 設定 and ﾍﾙﾌﾟ commands with scripted dialogs: what each dialog is given,
// and what the main window, the timer and the settings take over on OK and
// on ｷｬﾝｾﾙ.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/settings_commands.h"
#include "common/messages.h"
#include "common/version.h"
#include "res/resource.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

// Questions answered from a script, in order.
class AnsweringUi : public RecordingUi {
 public:
  std::deque<bool> answers;
  bool confirm(const char* text) override {
    RecordingUi::confirm(text);
    bool answer = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
};

struct Log {
  std::vector<std::string> lines;
  void add(const std::string& line) { lines.push_back(line); }
};

class ScriptedSettingsDialogs : public SettingsDialogs {
 public:
  explicit ScriptedSettingsDialogs(Log& log) : log_(log) {}
  std::function<int(DisplayForm&)> display;
  std::function<int(QuickInputForm&)> quickInput;
  std::function<int(AutoUpdateForm&)> autoUpdate;
  std::function<int(SharedLocationForm&)> sharedLocation;

  int displayDialog(DisplayForm& form) override { return run("dialog 296", display, form); }
  int quickInputDialog(QuickInputForm& form) override { return run("dialog 342", quickInput, form); }
  int autoUpdateDialog(AutoUpdateForm& form) override { return run("dialog 105", autoUpdate, form); }
  int sharedLocationDialog(SharedLocationForm& form) override { return run("dialog 345", sharedLocation, form); }
  void versionDialog() override { log_.add("dialog 302"); }

 private:
  template <typename Form>
  int run(const char* name, std::function<int(Form&)>& script, Form& form) {
    log_.add(name);
    if (!script) {
      ADD_FAILURE() << name << " was not expected";
      return 1;
    }
    return script(form);
  }
  Log& log_;
};

class LoggingTimer : public RefreshTimer {
 public:
  explicit LoggingTimer(Log& log) : log_(log) {}
  void start(std::uint32_t ms) override { log_.add("timer " + std::to_string(ms)); }
  void stop() override { log_.add("timer stopped"); }

 private:
  Log& log_;
};

class LoggingView : public SettingsView {
 public:
  LoggingView(Log& log, const AppState& app) : log_(log), app_(app) {}
  void showAutoUpdateStatus() override { log_.add("status1" + app_.local.autoUpdateStatusText); }
  void repaintMainWindow() override { log_.add("repaint"); }
  void applyDisplaySettings() override { log_.add("display"); }
  void relabelQuickInput() override {
    log_.add("menu " + app_.local.quickInputWord1 + "/" + app_.local.quickInputWord2);
  }
  void openDocument(const std::string& path) override { log_.add("open " + path); }
  void openWebPage(const std::string& address) override { log_.add("web " + address); }

 private:
  Log& log_;
  const AppState& app_;
};

class SettingsCommands : public ::testing::Test {
 protected:
  SettingsCommands() {
    app.main.programFolder = "C:\\Wabo";
    deriveAutoUpdateState(app.local);  // a first start: auto update every 10 minutes
  }
  void run(int command) { runSettingsCommand(ctx, command); }
  const std::vector<std::string>& log() const { return log_.lines; }

  AppState app;
  Log log_;
  AnsweringUi ui;
  ScriptedSettingsDialogs dialogs{log_};
  LoggingTimer timer{log_};
  LoggingView view{log_, app};
  SettingsCommandContext ctx{app, ui, dialogs, timer, view};
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(SettingsCommands, AutoUpdateOkRestartsTheTimerAndShowsTheNewPeriod) {
  dialogs.autoUpdate = [](AutoUpdateForm& form) {
    EXPECT_EQ(form.enabled, 1);
    EXPECT_EQ(form.minutesText, "10");
    form.minutesText = "25";
    return 0;
  };
  run(CMD_AUTO_UPDATE_SETTINGS);
  EXPECT_EQ(log(), (Lines{"dialog 105", "repaint", "timer 1500000", "status1 Auto 25min"}));
  EXPECT_EQ(app.local.autoUpdateMinutesText, "25");

  // Switched off: the timer stops at once and part 1 says so.
  log_.lines.clear();
  dialogs.autoUpdate = [](AutoUpdateForm& form) {
    form.enabled = 0;
    form.minutesText = "";
    return 0;
  };
  run(CMD_AUTO_UPDATE_SETTINGS);
  EXPECT_EQ(log(), (Lines{"dialog 105", "repaint", "timer stopped", "status1 Manual"}));
  EXPECT_EQ(app.local.autoUpdateEnabled, 0);
  EXPECT_EQ(app.local.autoUpdateMinutesText, "0");
  // What the exit writes follows.
  takeAutoUpdateMinutes(app.local);
  EXPECT_EQ(app.local.autoUpdateMinutes, 0);
}

TEST_F(SettingsCommands, CancelledDialogsChangeNothing) {
  const LocalSettings before = app.local;
  dialogs.autoUpdate = [](AutoUpdateForm& form) {
    form.enabled = 0;
    form.connectedColour = 0x0000FF;
    return 1;
  };
  dialogs.display = [](DisplayForm& form) {
    form.backgroundColour = 0xFF0000;  // picked, then ｷｬﾝｾﾙ
    form.fontSizeText = "20";
    return 1;
  };
  dialogs.quickInput = [](QuickInputForm& form) {
    form.word1 = "外出";
    return 1;
  };
  dialogs.sharedLocation = [](SharedLocationForm& form) {
    form.folder = "D:\\x";
    return 1;
  };
  for (int command : {CMD_AUTO_UPDATE_SETTINGS, CMD_DISPLAY_SETTINGS, CMD_QUICK_INPUT_SETTINGS, CMD_SHARED_LOCATION})
    run(command);
  EXPECT_EQ(log(), (Lines{"dialog 105", "dialog 296", "dialog 342", "dialog 345"}));
  EXPECT_EQ(app.local.autoUpdateEnabled, before.autoUpdateEnabled);
  EXPECT_EQ(app.local.connectedColour, before.connectedColour);
  EXPECT_EQ(app.local.backgroundColour, before.backgroundColour);
  EXPECT_EQ(app.local.fontSize, before.fontSize);
  EXPECT_EQ(app.local.quickInputWord1, before.quickInputWord1);
  EXPECT_EQ(app.local.sharedSettingsFolder, before.sharedSettingsFolder);
}

TEST_F(SettingsCommands, DisplayQuickInputAndLocationTakeTheConfirmedValues) {
  app.shared.pcSearchAllowed = 0;
  dialogs.display = [](DisplayForm& form) {
    form.backgroundColour = 0x00FFFF;
    form.fontSizeText = "14";
    form.showGridLines = 0;
    return 0;
  };
  dialogs.quickInput = [](QuickInputForm& form) {
    form.word1 = "在宅";
    form.word2 = "";
    return 0;
  };
  dialogs.sharedLocation = [](SharedLocationForm& form) {
    EXPECT_FALSE(form.fromUnc);
    form.folder = "\\\\srv\\wabo";
    return 0;
  };
  run(CMD_DISPLAY_SETTINGS);
  run(CMD_QUICK_INPUT_SETTINGS);
  run(CMD_SHARED_LOCATION);
  EXPECT_EQ(log(), (Lines{"dialog 296", "display", "dialog 342", "menu 在宅/", "dialog 345"}));
  EXPECT_EQ(app.local.backgroundColour, 0x00FFFF);
  EXPECT_EQ(app.local.fontSize, 14);
  EXPECT_EQ(app.local.showGridLines, 0);
  EXPECT_EQ(app.local.sharedSettingsFolder, "\\\\srv\\wabo");

  // The auto update dialog is told that the search is not allowed.
  dialogs.autoUpdate = [](AutoUpdateForm& form) {
    EXPECT_FALSE(form.pcSearchAllowed);
    return 1;
  };
  run(CMD_AUTO_UPDATE_SETTINGS);
}

TEST_F(SettingsCommands, ResetIsWithdrawnByALaterCancel) {
  ui.answers = {true, false, true};
  run(CMD_RESET_SETTINGS);
  EXPECT_EQ(app.local.discardLocalSettings, 1);
  EXPECT_EQ(ui.informations, (Lines{msg::kResetSettingsDone}));
  run(CMD_RESET_SETTINGS);
  EXPECT_EQ(app.local.discardLocalSettings, 0);
  EXPECT_EQ(ui.informations.size(), 1u);
  run(CMD_RESET_SETTINGS);
  EXPECT_EQ(app.local.discardLocalSettings, 1);
  EXPECT_EQ(ui.questions, (Lines(3, msg::kResetSettingsQuestion)));
  EXPECT_TRUE(log().empty());
}

TEST_F(SettingsCommands, HelpCommandsOpenTheManualThePageAndTheVersion) {
  run(CMD_MANUAL);
  run(CMD_ONLINE_INFO);
  run(CMD_VERSION);
  EXPECT_EQ(log(), (Lines{"open C:\\Wabo\\WaboDoc.htm", std::string("web ") + WABO_WEB_PAGE, "dialog 302"}));
  EXPECT_EQ(std::string(WABO_VERSION_LINE), "行き先表示ボード  Wabo Version 2.11");

  // A folder whose manual path would not fit 255 bytes opens nothing rather
  // than a cut path naming another file.
  log_.lines.clear();
  app.main.programFolder = "C:\\" + std::string(255 - 3 - 12, 'd');
  run(CMD_MANUAL);
  EXPECT_EQ(log(), (Lines{"open " + app.main.programFolder + "\\WaboDoc.htm"}));
  app.main.programFolder += "d";
  log_.lines.clear();
  run(CMD_MANUAL);
  EXPECT_TRUE(log().empty());
}

TEST_F(SettingsCommands, OnlyTheSettingsAndHelpCommandsAreTakenHere) {
  for (int id = CMD_FIRST; id <= CMD_LAST; ++id) {
    bool mine = id == 40009 || id == 40010 || id == 40017 || id == 40033 || id == 40034 || id == 40042 ||
                id == 40050 || id == 40054;
    EXPECT_EQ(isSettingsCommand(id), mine) << id;
  }
}
