// One installed copy of the program: a fresh program folder with wabo.exe in
// it, the process started from there, and the driver's view of its windows.
// Two copies that name one BoardFolder in their Wabo.ini are two PCs of an
// office sharing their boards.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "harness/board_text.h"
#include "harness/files.h"
#include "harness/list_view_probe.h"
#include "harness/menu_reader.h"
#include "harness/status_bar_probe.h"
#include "harness/wait.h"

namespace e2e {

// Caption of the program's warnings and reports.
extern const char kMessageCaption[];

// A folder outside every program folder that holds the boards of an office.
class BoardFolder {
 public:
  BoardFolder() : folder_("boards") {}
  const std::string& path() const { return folder_.path(); }
  std::string file(const std::string& name) const { return folder_.file(name); }
  // Writes board n (1..5) as boadN.csv.
  void writeBoard(int board, const BoardText& text) const;

 private:
  TempFolder folder_;
};

class ProgramCopy {
 public:
  // `exeName` is the name the program file gets in its folder (users may
  // rename it; names with double-byte characters test the path scans).
  explicit ProgramCopy(const std::string& label = "", const std::string& exeName = "wabo.exe");
  ~ProgramCopy();
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;

  // --- the program folder ---
  const std::string& folder() const { return folder_.path(); }
  std::string file(const std::string& name) const { return folder_.file(name); }
  bool hasFile(const std::string& name) const { return fileExists(file(name)); }
  std::string readFile(const std::string& name) const { return readFileBytes(file(name)); }
  void writeFile(const std::string& name, const std::string& bytes) const {
    writeFileBytes(file(name), bytes);
  }
  void writeBoard(const BoardText& text, const std::string& name = "boad1.csv") const {
    writeFile(name, text.bytes());
  }
  // Writes Wabo.ini so that boards 1 and 2 are boad1.csv and boad2.csv of
  // the shared folder, which is also the mail folder. Other values come from
  // `settings`.
  void useBoardFolder(const BoardFolder& shared, SharedSettingsText settings = SharedSettingsText()) const;

  // --- the process ---
  // Starts wabo.exe from the program folder and waits for its main window.
  // After the program has ended it may be started again in the same folder.
  void start();
  bool running() const;
  DWORD pid() const { return pid_; }
  HANDLE process() const { return process_; }
  // Posts WM_CLOSE to the main window and waits for the exit code.
  DWORD close(DWORD timeoutMs = kStepTimeoutMs);
  DWORD waitForExit(DWORD timeoutMs = kStepTimeoutMs);

  // --- windows ---
  HWND mainWindow() const;
  std::string title() const;
  RECT rect() const;
  // Posts a menu command, as a click on a menu item sends it.
  void postCommand(int commandId) const;
  // A visible dialog (or message box) of the program with this exact title.
  HWND findDialog(const std::string& title) const;
  HWND waitForDialog(const std::string& title, DWORD timeoutMs = kStepTimeoutMs) const;
  // True when such a dialog shows up before the time is up.
  bool dialogAppearsWithin(const std::string& title, DWORD timeoutMs) const;
  // Text of a message box (its static control 0xFFFF).
  std::string messageBoxText(HWND box) const;
  // Waits for a message box with this caption, reads its text, presses the
  // button (IDOK, IDYES, ...) and waits until the box is gone.
  std::string answerMessageBox(const std::string& caption = kMessageCaption, int button = IDOK);

  // Waits until status-bar part 2 ends in " 更新.", the mark of a look at
  // the board file that found nothing new (as the first tick does on an
  // unchanged board). After it, a test's own steps no longer meet that tick.
  bool waitForUnchangedCheck(DWORD timeoutMs = kStepTimeoutMs);

  ListViewProbe& list();
  StatusBarProbe& statusBar();
  MenuReader& menus();

 private:
  void stop();

  TempFolder folder_;
  std::string exeName_;
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD pid_ = 0;
  HWND mainWindow_ = nullptr;
  std::unique_ptr<ListViewProbe> list_;
  std::unique_ptr<StatusBarProbe> statusBar_;
  std::unique_ptr<MenuReader> menus_;
};

}  // namespace e2e
