// The PC connection search over the shell's handles and settings: command
// 40053 and the start at a tick. What they decide is in search/pc_search.cpp;
// the thread and the window are in search/*_win.cpp.
#include "app/shell_win.h"
#include "search/pc_search.h"
#include "search/pc_search_win.h"

namespace wabo {
namespace {

PcSearchTargets searchTargets() { return {shell.mainWindow, shell.memberListView, &shell.searchStopRequested}; }

class ShellSearchLauncher : public PcSearchLauncher {
 public:
  bool startSearch() override { return startPcSearchThread(searchTargets()); }
  void openProgressWindow() override {
    ProgressWindowSetup setup{static_cast<COLORREF>(app.local.connectedColour),
                              static_cast<COLORREF>(app.local.notConnectedColour), &shell.searchStopRequested};
    openSearchProgressWindow(shell.mainWindow, setup);
  }
};

}  // namespace

void runPcSearchCommand() {
  ShellSearchLauncher launcher;
  runUserPcSearch(app.shared.pcSearchAllowed, memberList(), mainUi(), launcher, app.main.pcSearchRunning);
}

bool startBackgroundPcSearch() { return startPcSearchThread(searchTargets()); }

}  // namespace wabo
