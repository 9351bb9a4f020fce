#include "harness/program_copy.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace e2e {

const char kMessageCaption[] = "ﾒｯｾｰｼﾞ";

std::string driverFolder() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  if (n == 0 || n >= sizeof path) throw HarnessError("GetModuleFileNameA failed");
  std::string full(path, n);
  return full.substr(0, full.find_last_of('\\'));
}

std::string joinPath(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

bool fileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw HarnessError("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".e2e-new";
  if (!std::ofstream(temporary, std::ios::binary).write(bytes.data(), bytes.size()).flush())
    throw HarnessError("cannot write " + temporary);
  // The rename waits while the program has the file open.
  if (!waitUntil([&] { return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0; }))
    throw HarnessError("cannot replace " + path);
}

TempFolder::TempFolder(const std::string& label) {
  static int counter = 0;
  const std::string root = joinPath(driverFolder(), "e2e-runs");
  CreateDirectoryA(root.c_str(), nullptr);
  // "Suite.Test-label-pid-n", short: board paths in the program hold 255 bytes.
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "run";
  path_ = joinPath(root, name.substr(0, 40) + (label.empty() ? "" : "-" + label) + "-" +
                             std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter));
  if (!CreateDirectoryA(path_.c_str(), nullptr)) throw HarnessError("cannot make the folder " + path_);
}

TempFolder::~TempFolder() {
  if (::testing::Test::HasFailure()) std::printf("  (see %s)\n", path_.c_str());
}

ProgramCopy::ProgramCopy(const std::string& label, const std::string& exeName) : folder_(label), exeName_(exeName) {
  if (!CopyFileA(joinPath(driverFolder(), "wabo.exe").c_str(), file(exeName_).c_str(), FALSE))
    throw HarnessError("cannot copy wabo.exe into " + folder_.path());
}

void ProgramCopy::useBoardFolder(const BoardFolder& shared, SharedSettingsText settings) const {
  settings.boardPaths[0] = shared.file("boad1.csv");
  settings.boardPaths[1] = shared.file("boad2.csv");
  settings.mailFolder = shared.path();
  writeFile("Wabo.ini", settings.bytes());
}

void ProgramCopy::start() {
  launch();
  waitUntil([&] { return (mainWindow_ = findTopLevel(pid_, "ModelApp", nullptr)) || !running(); }, kStartTimeoutMs);
  if (!mainWindow_)
    throw HarnessError(running() ? "the main window did not appear" : "the program ended before showing its window");
}

void ProgramCopy::launch() {
  if (running()) throw HarnessError("the program copy is already running");
  stop();  // a restart in the same folder
  std::string exe = file(exeName_), commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.path().c_str(),
                      &startup, &info))
    throw HarnessError("CreateProcessA failed for " + exe);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  pid_ = info.dwProcessId;
  WaitForInputIdle(process_, kStartTimeoutMs);
}

void ProgramCopy::startSettled() {
  start();
  if (!waitForUnchangedCheck()) throw HarnessError("the first tick did not end");
}

DWORD ProgramCopy::waitForExit() {
  DWORD code = 0;
  if (!process_ || WaitForSingleObject(process_, kStepTimeoutMs) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process_, &code))
    throw HarnessError("the program did not end");
  return code;
}

DWORD ProgramCopy::close() {
  post(WM_CLOSE);
  return waitForExit();
}

void ProgramCopy::stop() {
  // The probes free their memory in the program, so they go first.
  list_.reset();
  statusBar_.reset();
  if (process_) {
    if (running() && TerminateProcess(process_, 99)) WaitForSingleObject(process_, kStepTimeoutMs);
    CloseHandle(process_);
  }
  process_ = nullptr;
  mainWindow_ = nullptr;
}

HWND ProgramCopy::mainWindow() const {
  if (!mainWindow_ || !IsWindow(mainWindow_)) throw HarnessError("the main window is not there");
  return mainWindow_;
}

void ProgramCopy::post(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (!PostMessageA(mainWindow(), message, wParam, lParam))
    throw HarnessError("cannot post message " + std::to_string(message));
}

HWND ProgramCopy::findDialog(const std::string& title) const { return findTopLevel(pid_, "#32770", title.c_str()); }

HWND ProgramCopy::waitForDialog(const std::string& title) const {
  HWND dialog = nullptr;
  if (!waitUntil([&] { return (dialog = findDialog(title)) != nullptr; }))
    throw HarnessError("no dialog \"" + title + "\" appeared; windows shown: " + describeWindows(pid_));
  return dialog;
}

std::string ProgramCopy::answerMessageBox(int button, const std::string& caption) const {
  HWND box = waitForDialog(caption);
  std::string text = controlText(box, 0xFFFF);  // the static control of a message box
  pressButton(box, button);
  waitUntilGone(box);
  return text;
}

bool ProgramCopy::waitForUpdateTime(const std::string& end, DWORD timeoutMs, std::string* shown) {
  std::string text;
  bool done = waitUntil(
      [&] {
        text = statusBar().partText(2);
        if (text.size() != 8 + end.size() || text.compare(8, end.size(), end) != 0) return false;
        for (size_t i = 0; i < 8; ++i)
          if (i % 3 == 2 ? text[i] != ':' : text[i] < '0' || text[i] > '9') return false;
        return true;
      },
      timeoutMs);
  if (shown) *shown = text;
  return done;
}

ListViewProbe& ProgramCopy::list() {
  if (!list_) list_ = std::make_unique<ListViewProbe>(process_, GetDlgItem(mainWindow(), IDC_MEMBER_LIST));
  return *list_;
}

StatusBarProbe& ProgramCopy::statusBar() {
  if (!statusBar_) statusBar_ = std::make_unique<StatusBarProbe>(process_, GetDlgItem(mainWindow(), IDC_STATUS_BAR));
  return *statusBar_;
}

}  // namespace e2e
