// One installed copy of the program: a fresh program folder with wabo.exe,
// the process started from there, and the driver's view of its windows. Two
// copies whose Wabo.ini names one BoardFolder are two PCs of an office.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "harness/board_text.h"
#include "harness/probes.h"
#include "harness/inside_probes.h"
#include "res/resource.h"

namespace e2e {

extern const char kMessageCaption[];  // of the program's warnings and reports

// Folder of the running driver, where wabo.exe and insideprobe.dll are built.
std::string driverFolder();
std::string joinPath(const std::string& folder, const std::string& name);
bool fileExists(const std::string& path);
// Both throw HarnessError on failure. A file is written beside and renamed
// over the old one, so that a running program never reads half a file.
std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);

// A fresh folder under e2e-runs beside the driver, named after the running
// test; a failed test prints it.
class TempFolder {
 public:
  explicit TempFolder(const std::string& label);
  ~TempFolder();
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return joinPath(path_, name); }

 private:
  std::string path_;
};

// A folder outside every program folder that holds the boards of an office.
struct BoardFolder : TempFolder {
  BoardFolder() : TempFolder("boards") {}
  void writeBoard(int n, const BoardText& text) const {
    writeFileBytes(file("boad" + std::to_string(n) + ".csv"), text.bytes());
  }
};

class ProgramCopy {
 public:
  // `exeName`: the program file's name in its folder (users may rename it).
  explicit ProgramCopy(const std::string& label = "", const std::string& exeName = "wabo.exe");
  ~ProgramCopy() { stop(); }

  std::string file(const std::string& name) const { return folder_.file(name); }
  bool hasFile(const std::string& name) const { return fileExists(file(name)); }
  std::string readFile(const std::string& name) const { return readFileBytes(file(name)); }
  void writeFile(const std::string& name, const std::string& bytes) const { writeFileBytes(file(name), bytes); }
  void writeBoard(const BoardText& board, const std::string& name = "boad1.csv") const {
    writeFile(name, board.bytes());
  }
  // Wabo.ini naming boad1.csv and boad2.csv of the shared folder as boards
  // 1 and 2 and the folder as mail folder; the rest from `settings`.
  void useBoardFolder(const BoardFolder& shared, SharedSettingsText settings = {}) const;

  // Starts the program (again after an exit) and waits for its main window;
  // startSettled also for the end of the first tick, which then meets no
  // step of the test.
  void start();
  void startSettled();
  // Starts the program and waits only until it is idle: for a start that
  // shows a message box instead of its window.
  void launch();
  bool running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
  HANDLE process() const { return process_; }
  DWORD close();  // posts WM_CLOSE; the exit code
  DWORD waitForExit();

  HWND mainWindow() const;
  std::string title() const { return windowText(mainWindow()); }
  void post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // A menu command, as a click on a menu item sends it.
  void postCommand(int commandId) const { post(WM_COMMAND, MAKEWPARAM(commandId, 0)); }
  // Runs the tick of timer 1 now: the window procedure does not look at the
  // timer ID, so a posted WM_TIMER runs the very code of the timer.
  void postTick() const { post(WM_TIMER, ID_REFRESH_TIMER); }
  // A visible dialog (or message box) of the program with this exact title.
  HWND findDialog(const std::string& title) const;
  HWND waitForDialog(const std::string& title) const;
  // Waits for a message box, presses `button`, waits until the box is gone;
  // the box's text.
  std::string answerMessageBox(int button = IDOK, const std::string& caption = kMessageCaption) const;
  // Waits until status-bar part 2 reads the time "hh:mm:ss" and `end`:
  // " 更新" after a full read of the board, " 更新." after a look that found
  // nothing new. `shown` gets the text last read.
  bool waitForUpdateTime(const std::string& end, DWORD timeoutMs = kStepTimeoutMs, std::string* shown = nullptr);
  // The first tick on an unchanged board ends so; after it a test's steps no
  // longer meet that tick.
  bool waitForUnchangedCheck() { return waitForUpdateTime(" 更新."); }

  ListViewProbe& list();
  StatusBarProbe& statusBar();
  std::vector<MenuItem> menuBar() { return readMenuBar(process_, mainWindow()); }

 private:
  void stop();

  TempFolder folder_;
  std::string exeName_;
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND mainWindow_ = nullptr;
  std::unique_ptr<ListViewProbe> list_;
  std::unique_ptr<StatusBarProbe> statusBar_;
};

}  // namespace e2e
