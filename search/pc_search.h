// The PC connection search: its loop over the member rows and the user's
// command 40053. Both are written against small interfaces so that they run
// without a window: the loop runs on the search thread and reaches the list
// view only through SearchRows (messages to the control); the probe, the stop
// flag, the warning and the repaint come from SearchSite.
#pragma once
#include <string>

#include "board/member_list.h"
#include "common/ui.h"
#include "search/probe_output.h"

namespace wabo {

// The member list as the search thread reaches it, row by index.
class SearchRows {
 public:
  virtual ~SearchRows() = default;
  virtual int rowCount() = 0;
  // Subitem 9 read into a 30-byte buffer (at most 29 bytes); "" for a row
  // that no longer exists.
  virtual std::string pcName(int row) = 0;
  virtual void setMark(int row, int mark) = 0;
};

// Everything else the loop needs from the program.
class SearchSite {
 public:
  virtual ~SearchSite() = default;
  // Runs the probe command line and reads its verdict.
  virtual ProbeResult probe(const std::string& commandLine) = 0;
  virtual bool stopRequested() = 0;
  virtual void requestStop() = 0;
  // "このPCでは接続ｻｰﾁを使用できません"; returns when the user has closed it.
  virtual void warnCannotRun() = 0;
  // Repaints the main window at once.
  virtual void repaint() = 0;
};

// One search: takes the row count once, clears every mark, then probes the
// rows with a PC name in order until the stop flag is set. Blanks around a
// name are dropped; a name that cannot then stand as one argument is marked
// not connected without running anything. A
// probe that cannot run warns, sets the stop flag and leaves its row unmarked.
// Rows are addressed by index at each step, so after a reload the rest of the
// indices read the new rows, and rows beyond the new count read as empty.
void searchRows(SearchRows& rows, SearchSite& site);

// What command 40053 sets going once its checks have passed.
class PcSearchLauncher {
 public:
  virtual ~PcSearchLauncher() = default;
  // Starts the search thread; false when it could not be started.
  virtual bool startSearch() = 0;
  // Opens the modeless progress window 344 over the main window.
  virtual void openProgressWindow() = 0;
};

// True when some row of the list has a PC name (subitem 9, at most 29 bytes).
bool anyRowHasPcName(const MemberList& list);

// Command 40053: refused when the administrator does not allow the search or
// no row has a PC name; does nothing while a search runs (`searchRunning` 1),
// so that the marks, the stop flag and the window exist once. Otherwise
// starts the thread, then opens the window; `searchRunning` becomes 1 until
// the end message.
void runUserPcSearch(int pcSearchAllowed, const MemberList& list, Ui& ui, PcSearchLauncher& launcher,
                     int& searchRunning);

}  // namespace wabo
