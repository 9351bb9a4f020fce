// The board commands' surroundings for tests: dialogs answered by scripts,
// a main view whose reload is the real loader, and one log of what happened.
#pragma once
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/board_commands.h"
#include "app/board_reload.h"
#include "board/board_file.h"
#include "res/resource.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

namespace wabo::testing {

// A dialog without a script is one the command should not have opened.
class ScriptedDialogs : public BoardDialogs {
 public:
  std::map<int, std::function<int()>> on;  // by template number: 0 OK, 1 cancel
  std::vector<int> opened;

  int destinationDialog() override { return open(IDD_DESTINATION); }
  int iconDialog() override { return open(IDD_ICON); }
  int messageDialog(std::string& message) override {
    typedMessage = &message;
    return open(IDD_MESSAGE);
  }
  std::string* typedMessage = nullptr;  // the message dialog's text while it is open
  int deleteIdDialog() override { return open(IDD_DELETE_ID); }
  int targetIdDialog() override { return open(IDD_TARGET_ID); }
  int userIdDialog() override { return open(IDD_USER_ID); }
  int pcNameDialog() override { return open(IDD_PC_NAME); }

 private:
  int open(int id) {
    opened.push_back(id);
    if (on.count(id)) return on[id]();
    ADD_FAILURE() << "dialog " << id << " was not expected";
    return 1;
  }
};

// Logs "reload", "show <update time>", "message <text>".
class RecordingView : public MainView {
 public:
  RecordingView(MemberList& list, AppState& app, std::vector<std::string>& log) : list_(list), app_(app), log_(log) {}
  std::function<void()> beforeReload;  // what happens between the check and the reload
  // What happens once, right after the first update time is shown (the end
  // of the pre-save check, before the change is saved).
  std::function<void()> afterFirstShow;

  void showUpdateTime() override {
    log_.push_back("show " + app_.times.updateTimeText);
    if (auto then = std::exchange(afterFirstShow, nullptr)) then();
  }
  void showAllMembersMessage() override { log_.push_back("message " + app_.board.allMembersMessage); }
  bool reloadBoard() override {
    log_.push_back("reload");
    if (beforeReload) beforeReload();
    return loadBoard(list_, app_);
  }

 private:
  MemberList& list_;
  AppState& app_;
  std::vector<std::string>& log_;
};

struct CommandFixture : BoardFixture {
  RecordingUi ui;
  ScriptedDialogs dialogs;
  std::vector<std::string> log;
  RecordingView view{list, app, log};
  BoardCommandContext ctx{list, app, ui, dialogs, view};

  long count(const std::string& event) const { return std::count(log.begin(), log.end(), event); }
};

}  // namespace wabo::testing
