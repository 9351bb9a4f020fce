#include "history_bench.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "bench_files.h"
#include "harness/probes.h"
#include "res/resource.h"

namespace bench {
namespace {

constexpr std::size_t kFullHistoryBytes = 1024 * 1024;
const char kHistoryTitle[] = "変更履歴";

// Lines as saves write them, with long Japanese texts, up to the limit.
std::string fullHistory() {
  std::string bytes;
  for (int i = 0;; ++i) {
    const std::string line = "2026/12/07 09:" + std::to_string(10 + i % 50) + ":01,user" + std::to_string(i % 40) +
                             ",PC-" + std::to_string(i % 40) + ",M" + std::to_string(i % 500) +
                             ",行き先変更,連絡事項,東京本社第二会議室にて打合せ中です,大阪支店営業部へ出張中です\r\n";
    if (bytes.size() + line.size() > kFullHistoryBytes) return bytes;
    bytes += line;
  }
}

std::size_t lineCount(const std::string& bytes) { return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')); }

double msSince(LARGE_INTEGER start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

void measureHistoryWindow(StartedProgram& program, const std::string& boardPath, int runs) {
  const std::string history = fullHistory();
  writeFile(boardPath + ".his", history);
  HWND main = program.mainWindow();
  // No row selected: the whole board, every line.
  e2e::ListViewProbe(program.process(), GetDlgItem(main, IDC_MEMBER_LIST)).setItemState(-1, LVIS_SELECTED, 0);
  std::vector<double> opens;
  int rows = 0;
  for (int i = 0; i <= runs; ++i) {
    DWORD_PTR answer = 0;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!SendMessageTimeoutA(main, WM_COMMAND, MAKEWPARAM(CMD_HISTORY, 0), 0, SMTO_NORMAL, 15000, &answer))
      throw std::runtime_error("the history command did not return");
    const double ms = msSince(start);
    HWND window = e2e::findTopLevel(program.pid(), "#32770", kHistoryTitle);
    if (window == nullptr) throw std::runtime_error("no history window");
    rows = e2e::ListViewProbe(program.process(), GetDlgItem(window, IDC_HISTORY_LIST)).rowCount();
    if (static_cast<std::size_t>(rows) != lineCount(history))
      throw std::runtime_error("the history window lists " + std::to_string(rows) + " rows");
    SendMessageTimeoutA(window, WM_COMMAND, IDCANCEL, 0, SMTO_NORMAL, 15000, &answer);
    if (i > 0) opens.push_back(ms);
  }
  std::vector<double> sorted = opens;
  std::sort(sorted.begin(), sorted.end());
  std::printf("RESULT history_open_ms %.3f\n", sorted[sorted.size() / 2]);
  std::printf("RESULT history_rows %d\n", rows);
  std::string runsText;
  for (double ms : opens) runsText += (runsText.empty() ? "" : " ") + std::to_string(static_cast<int>(ms + 0.5));
  std::printf("NOTE history window opens (ms, %zu bytes): %s\n", history.size(), runsText.c_str());
}

}  // namespace bench
