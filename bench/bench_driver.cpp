// The Windows side of the bench: starts wabo.exe and the bare window
// program under the same conditions and times what a user waits for, and
// how the board answers while a PC search runs (search_bench.cpp).
//
//   bench_driver <wabo.exe> <bare_window.exe> <template folder> <work folder> <runs> [parts]
//
// `parts` is a comma list of what to measure: start (1.), running (2., 3.
// and 5. on one running copy), memory (the bare window's memory, for 5.),
// search (7.), watch (8.); everything without it.
//
// The template folder holds boad1.csv, WaboM.ini and user-id.txt (made by
// board_gen). Prints "RESULT <name> <value>" and "NOTE <text>" lines; the
// bench script turns them into its table. When it has the program on screen
// for the memory figures, it writes <work>\<label>.mem-ready and waits for
// <work>\<label>.mem-done, so that the script can read the Linux side of the
// same process.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_files.h"
#include "harness/probes.h"
#include "res/resource.h"
#include "inside_memory.h"
#include "history_bench.h"
#include "search_bench.h"
#include "watch_bench.h"
#include "started_program.h"

using bench::copyFile;
using bench::fileExists;
using bench::join;
using bench::readFile;
using bench::writeFile;

namespace {

const char kMainClass[] = "ModelApp";
const char kBareClass[] = "WaboBenchBare";
const char kDialogClass[] = "#32770";
constexpr DWORD kSendLimitMs = 15000;
constexpr int kBoardRows = 500;
// Pause before each timed save, beyond the turn a copy leaves the others.
constexpr DWORD kSaveSpacingMs = 50;

struct Paths {
  std::string wabo, bare, templ, work;
};

double median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void result(const char* name, double value) { std::printf("RESULT %s %.3f\n", name, value); }
void note(const std::string& text) { std::printf("NOTE %s\n", text.c_str()); }

std::string joined(const std::vector<double>& values) {
  std::string s;
  char one[32];
  for (double v : values) {
    std::snprintf(one, sizeof one, "%s%.1f", s.empty() ? "" : " ", v);
    s += one;
  }
  return s;
}

std::string probeDllPath() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string self(path, n < sizeof path ? n : 0);
  std::size_t cut = self.find_last_of('\\');
  return (cut == std::string::npos ? std::string(".") : self.substr(0, cut)) + "\\memory_probe.dll";
}

// PrivateUsage as the program's own process reads it (the figure), and as
// another process gets it (under Wine only the swapped part).
void reportMemory(const std::string& label, const bench::StartedProgram& program) {
  bench::MemoryFigures outside = program.memory();
  result(("mem_" + label + "_private_outside_bytes").c_str(), static_cast<double>(outside.privateUsage));
  result(("mem_" + label + "_working_set_bytes").c_str(), static_cast<double>(outside.workingSet));
  bench::MemoryFigures inside = bench::memoryFromInside(program.process(), probeDllPath());
  result(("mem_" + label + "_private_bytes").c_str(), static_cast<double>(inside.privateUsage));
  result(("mem_" + label + "_committed_private_bytes").c_str(), static_cast<double>(program.committedPrivateBytes()));
}

double cpuInside(const bench::StartedProgram& program) {
  return bench::memoryFromInside(program.process(), probeDllPath()).cpuMs;
}

// The visible dialog or message box of the program, if any.
HWND openDialog(DWORD pid) { return e2e::findTopLevel(pid, kDialogClass, nullptr); }

// Closes a dialog that a command left open and says what it was.
std::string dismissDialog(HWND dialog) {
  std::string text = e2e::windowText(dialog);
  if (HWND message = GetDlgItem(dialog, 0xFFFF)) text += ": " + e2e::windowText(message);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
  return text;
}

// Sends a menu command and times the round trip. A command that opens a
// dialog does not return; then the dialog is closed and an error thrown.
double timedCommand(bench::StartedProgram& program, int command) {
  DWORD_PTR answer = 0;
  LONGLONG start = bench::counterNow();
  LRESULT sent = SendMessageTimeoutA(program.mainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0,
                                     SMTO_NORMAL, kSendLimitMs, &answer);
  double ms = bench::millisecondsSince(start);
  if (!sent) {
    HWND dialog = openDialog(program.pid());
    throw std::runtime_error("command " + std::to_string(command) + " did not return" +
                             (dialog ? " (it showed \"" + dismissDialog(dialog) + "\")" : ""));
  }
  if (HWND dialog = openDialog(program.pid()))
    throw std::runtime_error("command " + std::to_string(command) + " left a dialog: " + dismissDialog(dialog));
  return ms;
}

double timedNull(bench::StartedProgram& program) {
  DWORD_PTR answer = 0;
  LONGLONG start = bench::counterNow();
  if (!SendMessageTimeoutA(program.mainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, kSendLimitMs, &answer))
    throw std::runtime_error("WM_NULL got no answer");
  return bench::millisecondsSince(start);
}

// Lets the script read /proc of the same process while it is on screen.
void linuxSideHandshake(const Paths& paths, const std::string& label, const bench::StartedProgram& program,
                        const std::string& folder) {
  std::string ready = join(paths.work, label + ".mem-ready");
  std::string done = join(paths.work, label + ".mem-done");
  DeleteFileA(done.c_str());
  writeFile(ready, std::to_string(program.pid()) + "\n" + folder + "\n");
  ULONGLONG deadline = GetTickCount64() + 20000;
  while (!fileExists(done)) {
    if (GetTickCount64() > deadline) {
      note("no answer from the script for the Linux-side memory of " + label);
      break;
    }
    Sleep(20);
  }
  DeleteFileA(ready.c_str());
}

// Destination field of the member `id` in a board file, or "?" when absent.
std::string destinationOf(const std::string& board, const std::string& id) {
  std::string key = "\r\n" + id + ",";
  std::size_t at = board.find(key);
  if (at == std::string::npos) return "?";
  std::size_t field = at + 2;
  for (int i = 0; i < 3; ++i) {
    field = board.find(',', field);
    if (field == std::string::npos) return "?";
    ++field;
  }
  std::size_t end = board.find_first_of(",\r", field);
  return board.substr(field, end == std::string::npos ? std::string::npos : end - field);
}

struct Folders {
  std::string wabo, bare;
};

Folders prepareFolders(const Paths& paths) {
  Folders f{join(paths.work, "wabo-folder"), join(paths.work, "bare-folder")};
  CreateDirectoryA(f.wabo.c_str(), nullptr);
  CreateDirectoryA(f.bare.c_str(), nullptr);
  copyFile(paths.wabo, join(f.wabo, "wabo.exe"));
  copyFile(paths.bare, join(f.bare, "bare_window.exe"));
  return f;
}

// Board and local settings as the template has them, before every start.
void resetWaboFolder(const Paths& paths, const Folders& f) {
  copyFile(join(paths.templ, "boad1.csv"), join(f.wabo, "boad1.csv"));
  copyFile(join(paths.templ, "WaboM.ini"), join(f.wabo, "WaboM.ini"));
  DeleteFileA(join(f.wabo, "boad1.bak").c_str());
}

void checkRowCount(bench::StartedProgram& program, const char* when, int expected = kBoardRows) {
  e2e::ListViewProbe list(program.process(), GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST));
  int rows = list.rowCount();
  if (rows != expected)
    throw std::runtime_error(std::string("the list shows ") + std::to_string(rows) + " rows " + when);
}

// A board of no members with the template's captions.
std::string emptyBoard(const Paths& paths) {
  std::string full = readFile(join(paths.templ, "boad1.csv"));
  std::size_t captions = full.find("\r\n");
  std::size_t end = captions == std::string::npos ? captions : full.find("\r\n", captions + 2);
  if (end == std::string::npos) throw std::runtime_error("the template board has no caption line");
  return full.substr(0, end + 2) + "END,\r\n\r\n";
}

struct StartSeries {
  std::vector<double> wall, cpu;
};

// How a start is timed: to the painted window, or to the first answer to a
// message posted at once (see StartedProgram).
enum class StartMeasure { kPainted, kFirstAnswer };

void startOnce(const std::string& exe, const std::string& arguments, const std::string& folder,
               const char* windowClass, bool wabo, int expectedRows, StartSeries* series,
               StartMeasure measure = StartMeasure::kPainted) {
  bench::StartedProgram program;
  // Column 9 is the PC-Name column of the program and the last of the bare window's list.
  double ms = measure == StartMeasure::kPainted
                  ? program.startAndTimeToPainted(exe, folder, windowClass, arguments)
                  : program.startAndTimeToFirstAnswer(exe, folder, windowClass, IDC_MEMBER_LIST, 9, arguments);
  double cpu = bench::memoryFromInside(program.process(), probeDllPath()).cpuMs;
  if (wabo) checkRowCount(program, "after the start", expectedRows);
  DWORD code = program.close();
  if (code != 0) throw std::runtime_error(exe + " ended with " + std::to_string(code));
  if (series) {
    series->wall.push_back(ms);
    series->cpu.push_back(cpu);
  }
}

void report(const char* name, const StartSeries& series) {
  result((std::string(name) + "_ms").c_str(), median(series.wall));
  result((std::string(name) + "_min_ms").c_str(), *std::min_element(series.wall.begin(), series.wall.end()));
  result((std::string(name) + "_cpu_ms").c_str(), median(series.cpu));
  note(std::string(name) + " runs (ms): " + joined(series.wall) + "; CPU (ms): " + joined(series.cpu));
}

// The ratios a[i] / b[i] of runs made one right after the other.
std::vector<double> pairRatios(const std::vector<double>& a, const std::vector<double>& b) {
  std::vector<double> ratios;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (b[i] > 0) ratios.push_back(a[i] / b[i]);
  return ratios;
}

void reportPairs(const char* name, const StartSeries& wabo, const StartSeries& bare) {
  const std::vector<double> ratios = pairRatios(wabo.wall, bare.wall);
  result((std::string(name) + "_pair_ratio").c_str(), median(ratios));
  result((std::string(name) + "_pair_ratio_cpu").c_str(), median(pairRatios(wabo.cpu, bare.cpu)));
  std::string list;
  char one[16];
  for (double r : ratios) {
    std::snprintf(one, sizeof one, "%s%.2f", list.empty() ? "" : " ", r);
    list += one;
  }
  note(std::string(name) + " per-pair ratios: " + list);
  result((std::string(name) + "_pairs").c_str(), static_cast<double>(std::min(wabo.wall.size(), bare.wall.size())));
}

// 1. Start to painted window, in turn: the bare window, wabo.exe with the
// 500-row board right beside the bare window with an empty list view and
// status bar (the pair whose ratio counts), and for comparison wabo.exe with
// an empty board. Then the pair timed to the first answer to a message
// posted at once after launch. Within each pair the two programs take turns
// at starting first, so that neither always meets the caches the other left.
void measureStarts(const Paths& paths, const Folders& f, int runs) {
  const std::string empty = emptyBoard(paths);
  const std::string bareExe = join(f.bare, "bare_window.exe");
  const std::string waboExe = join(f.wabo, "wabo.exe");
  StartSeries bare, bareControls, wabo, waboEmpty, waboAnswer, bareAnswer;
  for (int i = 0; i <= runs; ++i) {  // run 0 of each warms the caches
    const bool keep = i > 0;
    auto startWabo = [&](StartSeries& series, StartMeasure measure) {
      resetWaboFolder(paths, f);
      startOnce(waboExe, "", f.wabo, kMainClass, true, kBoardRows, keep ? &series : nullptr, measure);
    };
    auto startBare = [&](StartSeries& series, StartMeasure measure) {
      startOnce(bareExe, "--controls", f.bare, kBareClass, false, 0, keep ? &series : nullptr, measure);
    };
    auto pair = [&](StartSeries& w, StartSeries& b, StartMeasure measure) {
      if (i % 2 == 0) {
        startWabo(w, measure);
        startBare(b, measure);
      } else {
        startBare(b, measure);
        startWabo(w, measure);
      }
    };
    startOnce(bareExe, "", f.bare, kBareClass, false, 0, keep ? &bare : nullptr);
    pair(wabo, bareControls, StartMeasure::kPainted);
    resetWaboFolder(paths, f);
    writeFile(join(f.wabo, "boad1.csv"), empty);
    startOnce(waboExe, "", f.wabo, kMainClass, true, 0, keep ? &waboEmpty : nullptr);
    pair(waboAnswer, bareAnswer, StartMeasure::kFirstAnswer);
  }
  report("start_bare", bare);
  report("start_wabo", wabo);
  report("start_bare_controls", bareControls);
  report("start_wabo_empty", waboEmpty);
  report("answer_wabo", waboAnswer);
  report("answer_bare_controls", bareAnswer);
  reportPairs("start", wabo, bareControls);
  reportPairs("answer", waboAnswer, bareAnswer);
}

bool waitForUnchangedCheck(bench::StartedProgram& program) {
  e2e::StatusBarProbe bar(program.process(), GetDlgItem(program.mainWindow(), IDC_STATUS_BAR));
  const std::string mark = " 更新.";
  ULONGLONG deadline = GetTickCount64() + 10000;
  while (GetTickCount64() < deadline) {
    std::string text = bar.partText(2);
    if (text.size() > mark.size() && text.compare(text.size() - mark.size(), mark.size(), mark) == 0) return true;
    Sleep(10);
  }
  return false;
}

// The IDs down the list are in ascending byte order, all 28 bytes and unique.
void checkSortedList(bench::StartedProgram& program) {
  e2e::ListViewProbe list(program.process(), GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST));
  std::vector<std::string> ids = list.columnTexts(0);
  if (ids.size() != static_cast<std::size_t>(kBoardRows)) throw std::runtime_error("the list lost rows");
  for (std::size_t i = 0; i < ids.size(); ++i) {
    if (ids[i].size() != 28) throw std::runtime_error("row " + std::to_string(i) + " has an ID of another length");
    if (i > 0 && !(ids[i - 1] < ids[i])) throw std::runtime_error("the list is not sorted by ID at row " + std::to_string(i));
  }
}

// Runs one measurement; a failure is printed and the others still run.
template <typename F>
bool step(const char* name, F&& body) {
  try {
    body();
    return true;
  } catch (const std::exception& e) {
    std::printf("ERROR %s: %s\n", name, e.what());
    return false;
  }
}

// 2., 3. and 5. on one running copy with the board shown.
void measureRunningProgram(const Paths& paths, const Folders& f, int runs) {
  resetWaboFolder(paths, f);
  const std::string userId = readFile(join(paths.templ, "user-id.txt"));
  const std::string boardPath = join(f.wabo, "boad1.csv");
  bench::StartedProgram program;
  program.startAndTimeToPainted(join(f.wabo, "wabo.exe"), f.wabo, kMainClass);
  checkRowCount(program, "after the start");
  if (!waitForUnchangedCheck(program)) note("the first timer check did not show in the status bar within 10 s");

  // 5. Memory with the board shown.
  step("memory", [&] { reportMemory("wabo", program); });
  linuxSideHandshake(paths, "wabo", program, f.wabo);

  // Round trip of a message that does nothing, for scale.
  std::vector<double> nulls;
  for (int i = 0; i < 20; ++i) nulls.push_back(timedNull(program));
  result("send_null_ms", median(nulls));

  // 2. Reload and sort of board 1 while it is shown.
  step("reload", [&] {
    std::vector<double> reloads;
    double cpuBefore = 0;
    for (int i = 0; i <= runs; ++i) {
      if (i == 1) cpuBefore = cpuInside(program);
      double ms = timedCommand(program, CMD_BOARD_1);
      if (i > 0) reloads.push_back(ms);
    }
    double cpu = cpuInside(program) - cpuBefore;
    checkRowCount(program, "after the reloads");
    checkSortedList(program);
    result("reload_ms", median(reloads));
    result("reload_cpu_ms", cpu / runs);
    note("reload runs (ms): " + joined(reloads));
  });

  // 3. Saves by the two quick inputs, alternating, each checked in the file.
  // A copy leaves the lock to the others for a moment after its own save
  // (board/board_save.cpp); saves spaced beyond that pause are what a member
  // pressing the quick inputs meets, so the pause between them is not timed.
  bool saved = step("save", [&] {
    std::vector<double> saves;
    double cpuBefore = 0;
    for (int i = 0; i <= runs; ++i) {
      const bool first = i % 2 == 0;
      const int command = first ? CMD_QUICK_INPUT_1 : CMD_QUICK_INPUT_2;
      const std::string word = first ? "出社" : "帰宅";
      Sleep(kSaveSpacingMs);
      if (i == 1) cpuBefore = cpuInside(program);
      double ms = timedCommand(program, command);
      if (destinationOf(readFile(boardPath), userId) != word)
        throw std::runtime_error("quick input " + std::to_string(command) + " did not save the own row");
      if (fileExists(join(f.wabo, "lock.dat"))) throw std::runtime_error("lock.dat left after a save");
      if (i > 0) saves.push_back(ms);
    }
    double cpu = cpuInside(program) - cpuBefore;
    checkRowCount(program, "after the saves");
    result("save_ms", median(saves));
    result("save_cpu_ms", cpu / runs);
    note("save runs (ms, " + std::to_string(kSaveSpacingMs) + " ms apart): " + joined(saves));
  });
  if (!saved) result("save_unavailable", 1);

  // The change history window over a full (1 MB) history of the board.
  step("history window", [&] { bench::measureHistoryWindow(program, boardPath, runs); });

  step("memory after", [&] {
    result("mem_wabo_private_after_bytes",
           static_cast<double>(bench::memoryFromInside(program.process(), probeDllPath()).privateUsage));
    result("mem_wabo_committed_private_after_bytes", static_cast<double>(program.committedPrivateBytes()));
  });
  DWORD code = program.close();
  if (code != 0) throw std::runtime_error("wabo.exe ended with " + std::to_string(code));
}

void measureBareMemory(const Paths& paths, const Folders& f) {
  bench::StartedProgram program;
  program.startAndTimeToPainted(join(f.bare, "bare_window.exe"), f.bare, kBareClass);
  step("memory of the bare window", [&] { reportMemory("bare", program); });
  linuxSideHandshake(paths, "bare", program, f.bare);
  program.close();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6 && argc != 7) {
    std::fprintf(stderr,
                 "usage: bench_driver <wabo.exe> <bare_window.exe> <template folder> <work folder> <runs> [parts]\n");
    return 2;
  }
  Paths paths{argv[1], argv[2], argv[3], argv[4]};
  const int runs = std::max(1, std::atoi(argv[5]));
  // A comma list of the parts to run (start, running, memory, search, watch); all without it.
  const std::string only = argc == 7 ? "," + std::string(argv[6]) + "," : "";
  auto wanted = [&](const char* part) {
    return only.empty() || only.find("," + std::string(part) + ",") != std::string::npos;
  };
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  Folders folders;
  if (!step("set-up", [&] { folders = prepareFolders(paths); })) return 1;
  bool ok = true;
  if (wanted("start")) ok = step("start", [&] { measureStarts(paths, folders, runs); }) && ok;
  if (wanted("running")) ok = step("running program", [&] { measureRunningProgram(paths, folders, runs); }) && ok;
  if (wanted("memory")) ok = step("bare window memory", [&] { measureBareMemory(paths, folders); }) && ok;
  // 7. The board while a PC search runs; the stand-in probe command lies beside the driver.
  if (wanted("search")) {
    ok = step("search", [&] {
      resetWaboFolder(paths, folders);
      bench::measureSearch(folders.wabo, join(paths.work, "nbtstat.exe"));
    }) && ok;
  }
  // 8. Changes reaching other copies through the folder watch; as many
  // copies as WABO_BENCH_COPIES says (20 unless set) for the last part.
  if (wanted("watch"))
    ok = step("watch", [&] {
      const char* copies = std::getenv("WABO_BENCH_COPIES");
      bench::measureWatch(paths.wabo, paths.templ, paths.work, copies ? std::atoi(copies) : 20);
    }) && ok;
  return ok ? 0 : 1;
}
