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
enum { kSaved, kRefused, kFailed, kRefusedAtCheck, kAbandoned, kWithoutRow, kLoads, kReaderRefusals, kIncomplete,
       kUnreported, kLost, kLastSaved, kLastSavedLost, kCountKinds };
using Counts = std::array<long, kCountKinds>;

std::string memberId(int p) { return "P" + std::to_string(p); }

// Complete: every row with its last field, and the message behind the end line.
bool isComplete(const FakeMemberList& list, const AppState& app, int processes) {
  if (list.rowCount() != processes + kFillerRows || app.board.allMembersMessage != kMessage) return false;
  for (const FakeRow& row : list.rows)
    if (row.texts[9] != "pc-" + row.texts[0]) return false;
  for (int p = 0; p < processes; ++p)
    if (list.findId(memberId(p)) < 0) return false;
  return true;
}

// The number of the member's last edit, as its destination shows it.
long editNumber(const FakeMemberList& list, int p) {
  int row = list.findId(memberId(p));
  return row < 0 ? -1 : std::atol(list.text(row, 2, 30).c_str());
}

bool loadFrom(const std::string& path, FakeMemberList& list, AppState& app) {
  app.board.currentBoardPath = path;
  return createColumns(list, app), loadBoard(list, app);
}

class Worker {
 public:
  Worker(const std::string& boardPath, int process, int processes) : process_(process), processes_(processes) {
    app_.board.currentBoardPath = boardPath;
    createColumns(list_, app_);
  }

  Counts run(int edits) {
    for (int attempt = 0; attempt < kMaxAttempts && !load(); ++attempt) usleep(200);
    for (int i = 0; i < edits; ++i) {
      int result = checkBoard(app_.board, ui_);  // the timer tick
      if (result == kUnreadable) ++c_[kReaderRefusals];
      if (result == kChanged) load();
      edit();
    }
    return c_;
  }

 private:
  bool load() {
    if (!loadBoard(list_, app_)) return ++c_[kReaderRefusals], false;
    ++c_[kLoads];
    if (!isComplete(list_, app_, processes_)) ++c_[kIncomplete];
    long shown = editNumber(list_, process_);  // below the last saved edit: another save overwrote it
    if (shown >= 0 && shown < c_[kLastSaved] && !c_[kLastSavedLost]) ++c_[kLost], c_[kLastSavedLost] = 1;
    return true;
  }

  // While the check says "missing or locked" the user is told so and tries again a moment later.
  void edit() {
    int result = kUnreadable;
    for (int attempt = 0; attempt < kMaxAttempts && result == kUnreadable; ++attempt) {
      result = checkBoard(app_.board, ui_);
      if (result == kUnreadable) {
        ++c_[kReaderRefusals], ++c_[kRefusedAtCheck];
        usleep(100 + static_cast<useconds_t>(rand_r(&seed_) % 400));
      }
    }
    if (result == kUnreadable) return void(++c_[kAbandoned]);
    if (result == kChanged) load();  // a failed load leaves the old rows, as in the program
    const int row = list_.findId(memberId(process_));
    if (row < 0) return void(++c_[kWithoutRow]);
    EditBuffers& e = app_.edit;
    e.editRowIndex = row;
    e.editId = memberId(process_);
    e.editDestination = std::to_string(c_[kLastSaved] + 1);
    e.editName = list_.text(row, 1, 30), e.editReturnTime = list_.text(row, 3, 30);
    e.editMobile = list_.text(row, 5, 100), e.editContact = list_.text(row, 6, 100);
    e.editSchedule = list_.text(row, 7, 100), e.editOther = list_.text(row, 8, 100);
    ui_.warnings.clear();
    const bool saved = applyEditedRow(list_, app_, ui_);
    const std::string warning = ui_.warnings.size() == 1 ? ui_.warnings[0] : "";
    if (saved && ui_.warnings.empty()) ++c_[kSaved], ++c_[kLastSaved], c_[kLastSavedLost] = 0;
    else if (!saved && warning == msg::kSaveLockedOrMissing) ++c_[kRefused];
    else if (!saved && warning == msg::kSaveFailed) ++c_[kFailed];
    else ++c_[kUnreported];
  }

  int process_, processes_;
  unsigned seed_ = static_cast<unsigned>(getpid());
  AppState app_;
  FakeMemberList list_;
  RecordingUi ui_;
  Counts c_{};
};

}  // namespace

int main(int argc, char** argv) {
  int processes = 4, edits = 250;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--long") edits = 2500;
    else if (a == "--processes" && i + 1 < argc) processes = std::atoi(argv[++i]);
    else if (a == "--edits" && i + 1 < argc) edits = std::atoi(argv[++i]);
    else processes = 0;
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
    rows.push_back(id + ",2,控え,会議室,17:00,2024/01/01 09:00,090-0000-0000," + std::string(60, 'c') + ",予定,,pc-" + id);
  }
  writeFile(boardPath, boardBytes(1, rows, kMessage));
  std::printf("wabo_stress: %d processes x %d edits on %s\n", processes, edits, folder.c_str());
  std::fflush(stdout);

  std::vector<std::pair<pid_t, int>> children;
  for (int p = 0; p < processes; ++p) {
    int fds[2];
    if (pipe(fds) != 0) return std::perror("pipe"), 1;
    pid_t pid = fork();
    if (pid < 0) return std::perror("fork"), 1;
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
  Counts total{};
  std::vector<Counts> each;
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

  AppState app, backupApp;
  FakeMemberList list, backupList;
  RecordingUi ui;
  app.board.currentBoardPath = boardPath;
  const bool parses = checkBoard(app.board, ui) != kUnreadable && loadFrom(boardPath, list, app);
  const bool complete = parses && isComplete(list, app, processes);
  bool lastEditsKept = complete;
  for (int p = 0; complete && p < processes; ++p) {
    if (editNumber(list, p) != each[p][kLastSaved]) {
      lastEditsKept = false;
      std::printf("member %s shows edit %ld, its last saved edit is %ld\n", memberId(p).c_str(), editNumber(list, p),
                  each[p][kLastSaved]);
    }
  }
  const bool backupComplete =
      loadFrom(backupPath(boardPath), backupList, backupApp) && isComplete(backupList, backupApp, processes);
  const bool lockGone = !exists(folder + "/lock.dat");
  std::vector<std::string> leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name != "boad1.csv" && name != "boad1.bak") leftovers.push_back(name);
  }

  const std::pair<const char*, long> printed[] = {
      {"saves completed:          ", total[kSaved]},    {"saves refused (locked):   ", total[kRefused]},
      {"saves failed:             ", total[kFailed]},   {"loads:                    ", total[kLoads]},
      {"refusals seen by readers: ", total[kReaderRefusals]}, {"incomplete boards seen:   ", total[kIncomplete]},
      {"saves neither completed nor reported: ", total[kUnreported]}, {"lost updates:             ", total[kLost]}};
  for (const auto& [label, value] : printed) std::printf("%s%ld\n", label, value);
  std::printf("checks before an edit refused: %ld (edits given up: %ld, without their row: %ld)\n",
              total[kRefusedAtCheck], total[kAbandoned], total[kWithoutRow]);
  std::printf("refusal rate:             %.2f%% of saves\n",
              100.0 * static_cast<double>(total[kRefused]) / (processes * edits));
  std::printf("final board parses: %s, complete: %s, last edits kept: %s; backup complete: %s; lock.dat gone: %s; "
              "other files left: %zu\n",
              parses ? "yes" : "no", complete ? "yes" : "no", lastEditsKept ? "yes" : "no",
              backupComplete ? "yes" : "no", lockGone ? "yes" : "no", leftovers.size());
  for (const std::string& name : leftovers) std::printf("  left: %s\n", name.c_str());
  ok = ok && total[kIncomplete] == 0 && total[kUnreported] == 0 && total[kLost] == 0 && lastEditsKept && complete &&
       backupComplete && lockGone && leftovers.empty() && total[kSaved] > 0 &&
       total[kSaved] + total[kRefused] + total[kFailed] + total[kAbandoned] + total[kWithoutRow] == processes * edits;
  std::printf("result: %s\n", ok ? "PASS" : "FAIL");
  if (ok) std::filesystem::remove_all(folder);
  return ok ? 0 : 1;
}
