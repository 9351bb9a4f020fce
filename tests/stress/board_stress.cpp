// Several processes (PCs of the office) edit one board at once, each edit in
// the program's order (check, reload when changed, change the own row, save)
// and checking between edits as the refresh timer does, all on the real
// clock. Fails on an incomplete board loaded, a save neither completed nor
// reported, a lost update, a final board without each member's last saved
// edit, lock.dat or a temporary file left, or a final board or backup that
// does not parse complete.
//
//   wabo_stress [--processes N] [--edits N] [--long]
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "app/board_reload.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "board/history_file.h"
#include "board/member_lookup.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

constexpr int kFillerRows = 40, kMaxAttempts = 20000;
const char kMessage[] = "ストレステスト 全員へ";
enum {
  kSaved,
  kRefused,
  kFailed,
  kAbandoned,
  kWithoutRow,
  kLoads,
  kReaderRefusals,
  kIncomplete,
  kUnreported,
  kLost,
  kLastSaved,
  kLastSavedLost,
  kCountKinds
};
const char* const kLabels[] = {"saves completed",
                               "saves refused (locked)",
                               "saves failed",
                               "edits given up",
                               "edits without their row",
                               "loads",
                               "refusals seen by readers",
                               "incomplete boards seen",
                               "saves neither completed nor reported",
                               "lost updates"};
using Counts = std::array<long, kCountKinds>;

std::string memberId(int p) { return "P" + std::to_string(p); }

// Complete: every row with its last field, every member, and the message behind the end line.
bool isComplete(const FakeMemberList& list, const AppState& app, int processes) {
  bool complete = list.rowCount() == processes + kFillerRows && app.board.allMembersMessage == kMessage;
  for (const FakeRow& row : list.rows) complete = complete && row.texts[9] == "pc-" + row.texts[0];
  for (int p = 0; p < processes; ++p) complete = complete && list.findId(memberId(p)) >= 0;
  return complete;
}

// The number of the member's last edit, as its destination shows it.
long editNumber(const FakeMemberList& list, int p) {
  int row = list.findId(memberId(p));
  return row < 0 ? -1 : std::atol(list.text(row, 2, 30).c_str());
}

// The history beside the board: one line per completed save, in the boards'
// order, so each member's edits follow one another 1, 2, 3 ... and each line
// is whole (no two saves appended at once).
bool historyHoldsEverySave(const std::string& boardPath, const std::vector<Counts>& each) {
  const HistoryRead read = readHistory(historyPath(boardPath));
  std::vector<long> last(each.size(), 0);
  long lines = 0;
  bool ok = read.readable && !read.cutAtStart;
  for (const HistoryEntry& e : read.entries) {
    ++lines;
    const std::size_t p = static_cast<std::size_t>(std::atol(e.memberId.c_str() + 1));
    const bool inOrder = e.memberId.size() > 1 && p < each.size() && e.memberId == memberId(static_cast<int>(p)) &&
                         e.kind == "行き先変更" && e.column == "行き先" &&
                         e.oldText == std::to_string(last[p]) && e.newText == std::to_string(last[p] + 1);
    if (!inOrder) {
      std::printf("history line %ld out of order: %s %s %s -> %s\n", lines, e.memberId.c_str(), e.kind.c_str(),
                  e.oldText.c_str(), e.newText.c_str());
      return false;
    }
    ++last[p];
  }
  for (std::size_t p = 0; p < each.size(); ++p) ok = ok && last[p] == each[p][kLastSaved];
  std::printf("history lines: %ld, one per save: %s\n", lines, ok ? "yes" : "no");
  return ok;
}

using Copy = BoardCopy;

class Worker : Copy {
 public:
  Worker(const std::string& boardPath, int process, int processes)
      : Copy(boardPath), process_(process), processes_(processes) {}

  Counts run(int edits) {
    for (int attempt = 0; attempt < kMaxAttempts && !load(); ++attempt) usleep(200);
    for (int i = 0; i < edits; ++i) {
      if (check() == kChanged) load();  // the timer tick
      edit();
    }
    return c_;
  }

 private:
  int check() {
    const int result = checkBoard(app.board, ui);
    c_[kReaderRefusals] += result == kUnreadable;
    return result;
  }
  bool load() {
    if (!loadBoard(list, app)) return ++c_[kReaderRefusals], false;
    ++c_[kLoads];
    c_[kIncomplete] += !isComplete(list, app, processes_);
    long shown = editNumber(list, process_);  // below the last saved edit: another save overwrote it
    if (shown >= 0 && shown < c_[kLastSaved] && !c_[kLastSavedLost]) ++c_[kLost], c_[kLastSavedLost] = 1;
    return true;
  }

  // While the check says "missing or locked" the user is told so and tries again a moment later.
  void edit() {
    int result = kUnreadable;
    for (int attempt = 0; attempt < kMaxAttempts && (result = check()) == kUnreadable; ++attempt)
      usleep(100 + static_cast<useconds_t>(rand_r(&seed_) % 400));
    if (result == kUnreadable) return void(++c_[kAbandoned]);
    if (result == kChanged) load();  // a failed load leaves the old rows, as in the program
    const int row = list.findId(memberId(process_));
    if (row < 0) return void(++c_[kWithoutRow]);
    readRow(list, row, app.edit);
    app.edit.editRowIndex = row, app.edit.editDestination = std::to_string(c_[kLastSaved] + 1);
    ui.warnings.clear();
    const bool saved = applyEditedRow(list, app, ui);
    if (saved && ui.warnings.empty())
      ++c_[kSaved], ++c_[kLastSaved], c_[kLastSavedLost] = 0;
    else if (!saved && ui.warnings == std::vector<std::string>{msg::kSaveLockedOrMissing})
      ++c_[kRefused];
    else if (!saved && ui.warnings == std::vector<std::string>{msg::kSaveFailed})
      ++c_[kFailed];
    else
      ++c_[kUnreported];
  }

  int process_, processes_;
  unsigned seed_ = static_cast<unsigned>(getpid());
  Counts c_{};
};

// Forks one worker per process; adds up their counts and keeps each one's.
bool runWorkers(const std::string& boardPath, int processes, int edits, Counts& total, std::vector<Counts>& each) {
  std::vector<std::pair<pid_t, int>> children;
  for (int p = 0; p < processes; ++p) {
    int fds[2];
    if (pipe(fds) != 0) return std::perror("pipe"), false;
    pid_t pid = fork();
    if (pid < 0) return std::perror("fork"), false;
    if (pid == 0) {
      close(fds[0]);
      alarm(900);  // stops by itself even if something hangs
      Counts counts = Worker(boardPath, p, processes).run(edits);
      _exit(write(fds[1], &counts, sizeof counts) == static_cast<ssize_t>(sizeof counts) ? 0 : 1);
    }
    close(fds[1]);
    children.emplace_back(pid, fds[0]);
  }
  bool ok = true;
  for (const auto& [pid, fd] : children) {
    Counts c{};
    int status = 0;
    ok = read(fd, &c, sizeof c) == static_cast<ssize_t>(sizeof c) && ok;  // one write of under a page: read whole
    close(fd);
    waitpid(pid, &status, 0);
    ok = ok && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    for (int k = 0; k < kLastSaved; ++k) total[k] += c[k];
    each.push_back(c);
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  int processes = 4, edits = 250;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--long")
      edits = 2500;
    else if (a == "--processes" && i + 1 < argc)
      processes = std::atoi(argv[++i]);
    else if (a == "--edits" && i + 1 < argc)
      edits = std::atoi(argv[++i]);
    else
      processes = 0;
  }
  if (processes < 1 || processes > 16 || edits < 1 || edits > 20000) {
    std::fprintf(stderr, "usage: wabo_stress [--processes 1..16] [--edits 1..20000] [--long]\n");
    return 2;
  }
  std::string folder = (std::filesystem::temp_directory_path() / "wabo-stress-XXXXXX").string();
  if (!mkdtemp(folder.data())) return std::perror("mkdtemp"), 1;
  const std::string boardPath = folder + "/boad1.csv";
  std::vector<std::string> rows;
  for (int p = 0; p < processes; ++p) rows.push_back(memberId(p) + ",1,メンバー,0,,,,,,,pc-" + memberId(p));
  for (int i = 0; i < kFillerRows; ++i) {
    const std::string id = "F" + std::to_string(10 + i);
    rows.push_back(id + ",2,控え,会議室,17:00,2024/01/01 09:00,090-0000-0000," + std::string(60, 'c') + ",予定,,pc-" +
                   id);
  }
  writeFile(boardPath, boardBytes(1, rows, kMessage));
  std::printf("wabo_stress: %d processes x %d edits on %s\n", processes, edits, folder.c_str());
  std::fflush(stdout);
  Counts total{};
  std::vector<Counts> each;
  bool ok = runWorkers(boardPath, processes, edits, total, each);

  Copy last(boardPath), backup(backupPath(boardPath));
  const bool complete = loadBoard(last.list, last.app) && isComplete(last.list, last.app, processes);
  bool lastEditsKept = complete;
  for (int p = 0; complete && p < processes; ++p) {
    if (editNumber(last.list, p) == each[p][kLastSaved]) continue;
    lastEditsKept = false;
    std::printf("member %s shows edit %ld, its last saved edit is %ld\n", memberId(p).c_str(), editNumber(last.list, p),
                each[p][kLastSaved]);
  }
  const bool backupComplete = loadBoard(backup.list, backup.app) && isComplete(backup.list, backup.app, processes);
  const std::vector<std::string> files = filesIn(folder);  // lock.dat or a temporary file left would show here
  const bool historyKept = historyHoldsEverySave(boardPath, each);

  for (int k = 0; k < kLastSaved; ++k) std::printf("%s: %ld\n", kLabels[k], total[k]);
  std::printf("refusal rate: %.2f%% of saves\n", 100.0 * static_cast<double>(total[kRefused]) / (processes * edits));
  std::printf("final board complete: %s, last edits kept: %s; backup complete: %s; files: %zu\n",
              complete ? "yes" : "no", lastEditsKept ? "yes" : "no", backupComplete ? "yes" : "no", files.size());
  for (const std::string& name : files) std::printf("  %s\n", name.c_str());
  ok = ok && total[kIncomplete] == 0 && total[kUnreported] == 0 && total[kLost] == 0 && lastEditsKept &&
       backupComplete && historyKept && files == std::vector<std::string>{"boad1.bak", "boad1.csv", "boad1.csv.his"} &&
       total[kSaved] > 0 &&
       total[kSaved] + total[kRefused] + total[kFailed] + total[kAbandoned] + total[kWithoutRow] == processes * edits;
  std::printf("result: %s\n", ok ? "PASS" : "FAIL");
  if (ok) std::filesystem::remove_all(folder);
  return ok ? 0 : 1;
}
