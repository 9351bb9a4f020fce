// Keeping the shown board current: the tick of timer 1 (auto update) and the
// 更新 command. Both run on the user-interface thread; the timer, the mail
// pickup and the start of the PC connection search are reached through the
// small interfaces below, so the decisions can run without a window.
#pragma once
#include <cstdint>
#include <string>

#include "app/app_state.h"
#include "app/board_commands.h"

namespace wabo {

// Timer 1 of the main window, the only timer.
class RefreshTimer {
 public:
  virtual ~RefreshTimer() = default;
  virtual void start(std::uint32_t milliseconds) = 0;
  virtual void stop() = 0;
};

// Work of other subsystems that the refresh cycle sets going.
class RefreshHooks {
 public:
  virtual ~RefreshHooks() = default;
  // Shows and deletes the mail waiting for userId.
  virtual void pickUpMail() = 0;
  // Starts the PC connection search in the background, without its progress
  // window. True when a search thread is now running; it ends with message
  // 1025 (endPcSearch).
  virtual bool startPcSearch() = 0;
};

struct RefreshContext {
  BoardCommandContext& board;  // list, state, main-window message boxes, dialogs, view
  RefreshTimer& timer;
  RefreshHooks& hooks;
};

// The auto update period in milliseconds: atoi(minutesText) minutes. A value
// the auto update dialog would not accept (below 1) counts as 1 minute so that
// a hand-edited settings file cannot make the timer fire without pause; the
// top is held to what a 32-bit timer interval can take.
std::uint32_t autoUpdatePeriod(const std::string& minutesText);

// A tick of timer 1: stop the timer; at the first tick ask for the user ID
// when the administrator wants it and none is set; pick up mail; look at the
// board file (reload on a change, "更新." on none, the warning when it cannot
// be read); show the update time; re-arm for the period when auto update is
// on and, from the second tick on, start the automatic PC search (never a
// second one while one runs).
void runRefreshTick(RefreshContext& ctx);

// Command 40001: reload the board whether or not it changed, say which, show
// the update time and pick up mail. Timer 1 keeps its time.
void runManualRefresh(RefreshContext& ctx);

// Message 1025: the search thread has finished.
void endPcSearch(MainState& main);

}  // namespace wabo
