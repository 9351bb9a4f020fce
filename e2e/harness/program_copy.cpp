#include "harness/program_copy.h"

#include "harness/window_query.h"
#include "res/resource.h"

namespace e2e {

const char kMessageCaption[] = "ﾒｯｾｰｼﾞ";

namespace {
const char kMainWindowClass[] = "ModelApp";
const char kDialogClass[] = "#32770";
const int kMessageBoxTextId = 0xFFFF;
}  // namespace

void BoardFolder::writeBoard(int board, const BoardText& text) const {
  writeFileBytes(file("boad" + std::to_string(board) + ".csv"), text.bytes());
}

ProgramCopy::ProgramCopy(const std::string& label, const std::string& exeName)
    : folder_(label), exeName_(exeName) {
  copyFileOrThrow(programPath(), file(exeName_));
}

ProgramCopy::~ProgramCopy() { stop(); }

void ProgramCopy::useBoardFolder(const BoardFolder& shared, SharedSettingsText settings) const {
  settings.boardPaths[0] = shared.file("boad1.csv");
  settings.boardPaths[1] = shared.file("boad2.csv");
  settings.mailFolder = shared.path();
  writeFile("Wabo.ini", settings.bytes());
}

void ProgramCopy::start() {
  if (process_) {
    if (running()) throw HarnessError("the program copy is already running");
    stop();  // a restart in the same folder
  }
  std::string exe = file(exeName_);
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder().c_str(), &startup, &info))
    throw HarnessError("CreateProcessA failed for " + exe);
  process_ = info.hProcess;
  thread_ = info.hThread;
  pid_ = info.dwProcessId;
  WaitForInputIdle(process_, kStartTimeoutMs);
  bool shown = waitUntil(
      [&] {
        mainWindow_ = findTopLevel(pid_, kMainWindowClass, nullptr);
        return mainWindow_ != nullptr || !running();
      },
      kStartTimeoutMs);
  if (!mainWindow_) {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    throw HarnessError(shown ? "the program ended before showing its window (exit code " +
                                   std::to_string(code) + ")"
                             : "the main window did not appear");
  }
}

bool ProgramCopy::running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD ProgramCopy::waitForExit(DWORD timeoutMs) {
  if (!process_) throw HarnessError("the program was not started");
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
    throw HarnessError("the program did not end");
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

DWORD ProgramCopy::close(DWORD timeoutMs) {
  if (!PostMessageA(mainWindow(), WM_CLOSE, 0, 0)) throw HarnessError("cannot post WM_CLOSE");
  return waitForExit(timeoutMs);
}

void ProgramCopy::stop() {
  // The probes free their memory in the program, so they go first.
  list_.reset();
  statusBar_.reset();
  menus_.reset();
  if (process_) {
    if (running()) {
      TerminateProcess(process_, 99);
      WaitForSingleObject(process_, kStepTimeoutMs);
    }
    CloseHandle(process_);
    CloseHandle(thread_);
    process_ = thread_ = nullptr;
  }
  mainWindow_ = nullptr;
}

HWND ProgramCopy::mainWindow() const {
  if (!mainWindow_ || !IsWindow(mainWindow_)) throw HarnessError("the main window is not there");
  return mainWindow_;
}

std::string ProgramCopy::title() const { return windowText(mainWindow()); }

RECT ProgramCopy::rect() const { return windowRect(mainWindow()); }

void ProgramCopy::postCommand(int commandId) const {
  if (!PostMessageA(mainWindow(), WM_COMMAND, MAKEWPARAM(commandId, 0), 0))
    throw HarnessError("cannot post command " + std::to_string(commandId));
}

HWND ProgramCopy::findDialog(const std::string& title) const {
  return findTopLevel(pid_, kDialogClass, title.c_str());
}

HWND ProgramCopy::waitForDialog(const std::string& title, DWORD timeoutMs) const {
  HWND dialog = nullptr;
  waitUntil([&] { return (dialog = findDialog(title)) != nullptr; }, timeoutMs);
  if (!dialog)
    throw HarnessError("no dialog titled \"" + title + "\" appeared; windows shown: " +
                       describeWindows(pid_));
  return dialog;
}

bool ProgramCopy::dialogAppearsWithin(const std::string& title, DWORD timeoutMs) const {
  return waitUntil([&] { return findDialog(title) != nullptr; }, timeoutMs);
}

std::string ProgramCopy::messageBoxText(HWND box) const { return controlText(box, kMessageBoxTextId); }

std::string ProgramCopy::answerMessageBox(const std::string& caption, int button) {
  HWND box = waitForDialog(caption);
  std::string text = messageBoxText(box);
  pressButton(box, button);
  if (!waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }))
    throw HarnessError("the message box \"" + text + "\" did not close");
  return text;
}

bool ProgramCopy::waitForUnchangedCheck(DWORD timeoutMs) {
  const std::string mark = " 更新.";
  return waitUntil(
      [&] {
        std::string text = statusBar().partText(2);
        return text.size() > mark.size() && text.compare(text.size() - mark.size(), mark.size(), mark) == 0;
      },
      timeoutMs);
}

ListViewProbe& ProgramCopy::list() {
  if (!list_) {
    HWND listView = GetDlgItem(mainWindow(), IDC_MEMBER_LIST);
    if (!listView) throw HarnessError("the main window has no list view");
    list_ = std::make_unique<ListViewProbe>(process_, listView);
  }
  return *list_;
}

StatusBarProbe& ProgramCopy::statusBar() {
  if (!statusBar_) {
    HWND bar = GetDlgItem(mainWindow(), IDC_STATUS_BAR);
    if (!bar) throw HarnessError("the main window has no status bar");
    statusBar_ = std::make_unique<StatusBarProbe>(process_, bar);
  }
  return *statusBar_;
}

MenuReader& ProgramCopy::menus() {
  if (!menus_) menus_ = std::make_unique<MenuReader>(process_);
  return *menus_;
}

}  // namespace e2e
