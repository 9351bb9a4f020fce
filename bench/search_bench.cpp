// How the board answers while the PC connection search runs on its thread.
//
// Posted messages: the driver posts LVM_SETITEMSTATE to the member list (a
// child of the main window, served by the same thread and queue) that flips
// the overlay bits of the last row, which nothing draws, and polls the row's
// state with sent LVM_GETITEMSTATE until the flip is there: the time from the
// post to that moment is how long a posted message waited. One sample every
// 15 ms over a whole search of five 2-second probes; a second search has a
// reload of the 500-row board (command 40036, sent and timed) every second.
#include "search_bench.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "bench_files.h"
#include "harness/probes.h"
#include "posted_probe.h"
#include "res/resource.h"
#include "started_program.h"

namespace bench {
namespace {

const char kMainClass[] = "ModelApp";
const char kSearchTitle[] = "ｻｰﾁ中";
constexpr int kSearchPcs = 5;
constexpr DWORD kSampleGapMs = 15;
constexpr DWORD kReloadGapMs = 1000;
constexpr DWORD kSearchLimitMs = 60000;
constexpr int kProbeRow = 499;

// The board with a PC name in its first five member lines only.
std::string withFivePcNames(const std::string& board) {
  std::size_t at = board.find("\r\n");
  at = board.find("\r\n", at + 2);  // end of the caption line
  if (at == std::string::npos) throw std::runtime_error("the board has no caption line");
  std::string out = board.substr(0, at + 2);
  int member = 0;
  for (std::size_t start = at + 2, end; start < board.size(); start = end + 2) {
    end = board.find("\r\n", start);
    if (end == std::string::npos) end = board.size();
    std::string line = board.substr(start, end - start);
    if (member >= 0 && line.rfind("END,", 0) == 0) member = -1;
    if (member >= 0) {
      line = line.substr(0, line.rfind(',') + 1) + (member < kSearchPcs ? "BENCH-PC" + std::to_string(member + 1) : "");
      ++member;
    }
    out += line + "\r\n";
  }
  return out;
}

void result(const char* name, double value) { std::printf("RESULT %s %.3f\n", name, value); }

double timedReload(HWND mainWindow) {
  DWORD_PTR answer = 0;
  LONGLONG start = counterNow();
  if (!SendMessageTimeoutA(mainWindow, WM_COMMAND, MAKEWPARAM(CMD_BOARD_1, 0), 0, SMTO_NORMAL, 15000, &answer))
    throw std::runtime_error("the reload did not return");
  return millisecondsSince(start);
}

struct SearchRun {
  std::vector<double> posted, reloads;
  double seconds = 0;
};

// Starts a search by command 40053 and samples until its window is gone.
SearchRun runSearch(StartedProgram& program, PostedProbe& probe, bool withReloads) {
  SearchRun run;
  LONGLONG start = counterNow();
  PostMessageA(program.mainWindow(), WM_COMMAND, MAKEWPARAM(CMD_PC_SEARCH, 0), 0);
  ULONGLONG deadline = GetTickCount64() + kSearchLimitMs;
  while (e2e::findTopLevel(program.pid(), "#32770", kSearchTitle) == nullptr) {
    if (GetTickCount64() > deadline) throw std::runtime_error("the search window did not open");
    Sleep(1);
  }
  ULONGLONG nextReload = GetTickCount64() + kReloadGapMs;
  while (e2e::findTopLevel(program.pid(), "#32770", kSearchTitle) != nullptr) {
    if (GetTickCount64() > deadline) throw std::runtime_error("the search did not end within 60 s");
    if (withReloads && GetTickCount64() >= nextReload) {
      run.reloads.push_back(timedReload(program.mainWindow()));
      nextReload = GetTickCount64() + kReloadGapMs;
    } else {
      run.posted.push_back(probe.sample());
    }
    Sleep(kSampleGapMs);
  }
  run.seconds = millisecondsSince(start) / 1000;
  return run;
}

// The first tick ends with " 更新." in status-bar part 2 on an unchanged board.
void waitForFirstTick(StartedProgram& program) {
  e2e::StatusBarProbe bar(program.process(), GetDlgItem(program.mainWindow(), IDC_STATUS_BAR));
  const std::string mark = " 更新.";
  ULONGLONG deadline = GetTickCount64() + 10000;
  while (GetTickCount64() < deadline) {
    std::string text = bar.partText(2);
    if (text.size() > mark.size() && text.compare(text.size() - mark.size(), mark.size(), mark) == 0) return;
    Sleep(10);
  }
  throw std::runtime_error("the first tick did not show in the status bar within 10 s");
}

int probesLogged(const std::string& folder) {
  std::string log = readFileIfThere(join(folder, "nbtstat.log"));
  return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
}

}  // namespace

void measureSearch(const std::string& folder, const std::string& standIn) {
  writeFile(join(folder, "boad1.csv"), withFivePcNames(readFile(join(folder, "boad1.csv"))));
  copyFile(standIn, join(folder, "nbtstat.exe"));
  std::string table;
  for (int i = 1; i <= kSearchPcs; ++i) table += "BENCH-PC" + std::to_string(i) + " answer 2000\r\n";
  writeFile(join(folder, "nbtstat.tbl"), table);
  DeleteFileA(join(folder, "nbtstat.log").c_str());

  StartedProgram program;
  program.startAndTimeToPainted(join(folder, "wabo.exe"), folder, kMainClass);
  waitForFirstTick(program);
  HWND list = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  PostedProbe probe(program.process(), list, kProbeRow);

  SearchRun quiet = runSearch(program, probe, false);
  int probed = probesLogged(folder);
  e2e::ListViewProbe rows(program.process(), list);
  int connected = 0;
  for (int row = 0, n = rows.rowCount(); row < n; ++row) connected += rows.item(row).stateImage == 2;
  if (probed != kSearchPcs || connected != kSearchPcs)
    throw std::runtime_error("the search probed " + std::to_string(probed) + " PCs and marked " +
                             std::to_string(connected) + " connected, not 5");
  result("search_posted_p99_ms", percentile(quiet.posted, 0.99));
  result("search_posted_median_ms", percentile(quiet.posted, 0.5));
  result("search_posted_max_ms", percentile(quiet.posted, 1.0));
  result("search_posted_samples", static_cast<double>(quiet.posted.size()));
  result("search_seconds", quiet.seconds);

  SearchRun busy = runSearch(program, probe, true);
  if (probesLogged(folder) != 2 * kSearchPcs) throw std::runtime_error("the second search did not probe 5 PCs");
  result("search_reload_ms", percentile(busy.reloads, 0.5));
  result("search_reload_max_ms", percentile(busy.reloads, 1.0));
  result("search_reload_count", static_cast<double>(busy.reloads.size()));
  result("search_busy_posted_p99_ms", percentile(busy.posted, 0.99));
  DWORD code = program.close();
  if (code != 0) throw std::runtime_error("wabo.exe ended with " + std::to_string(code));
}

}  // namespace bench
