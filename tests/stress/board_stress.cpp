// Stress test of the board files: several processes (PCs of the office)
// edit one board at the same time, each edit in the program's own order:
// check, reload when changed, change the member's own row, save. Between
// edits each process checks and loads once more, as the refresh timer does.
//
// It fails when a load that succeeded showed an incomplete board, when a
// save neither completed nor reported its failure, when lock.dat or a
// temporary file is left behind, or when the final board does not parse.
// Edits that another process's save overwrote (lost updates) are counted
// and printed: they measure the remaining race between check and save.
//
//   wabo_stress [--processes N] [--edits N] [--long] [--real-clock]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "app/list_columns.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/fake_member_list.h"
#include "tests/fake_ui.h"

using namespace wabo;
using wabo::testing::FakeMemberList;
using wabo::testing::RecordingUi;

namespace {

constexpr int kFillerRows = 40;
const char kMessage[] = "ストレステスト 全員へ";

struct Options {
  int processes = 4;
  int edits = 250;
  bool realClock = false;
};

struct Counts {
  long savesCompleted = 0;
  long savesRefused = 0;        // lock held by another save
  long savesFailed = 0;         // reported "ﾃﾞｰﾀ更新に失敗しました"
  long editsRefusedAtCheck = 0; // the check before an edit said missing or locked (then tried again)
  long editsAbandoned = 0;      // refused at the check too often
  long editsWithoutRow = 0;     // the member's row was not on the board shown
  long loads = 0;               // loads that succeeded
  long readerRefusals = 0;      // checks and loads told "missing or locked"
  long incompleteBoards = 0;    // must stay 0
  long unreportedSaves = 0;     // saves that neither completed nor reported; must stay 0
  long lostUpdates = 0;
  long lastSaved = 0;           // the member's last saved edit number
  long lastSavedLost = 0;       // 1 when that edit has been seen overwritten
};

std::string memberId(int process) { return "P" + std::to_string(process); }

std::string initialBoard(int processes) {
  std::string s = "W2,1,\r\nID,Icon No.,名前,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定,その他,PC-Name\r\n";
  for (int p = 0; p < processes; ++p) s += memberId(p) + ",1,メンバー" + std::to_string(p) + ",0,,,,,,,pc-" + memberId(p) + "\r\n";
  for (int i = 0; i < kFillerRows; ++i) {
    char id[8];
    std::snprintf(id, sizeof id, "F%02d", i);
    s += std::string(id) + ",2,控え,会議室,17:00,2024/01/01 09:00,090-0000-0000," + std::string(60, 'c') + ",予定,,pc-" +
         id + "\r\n";
  }
  return s + "END,\r\n" + kMessage + "\r\n";
}

// A loaded list is complete when every member and filler row is there with
// its last field, and the message behind the end line has been read.
bool isComplete(const FakeMemberList& list, const AppState& app, int processes) {
  if (list.rowCount() != processes + kFillerRows) return false;
  if (app.board.allMembersMessage != kMessage) return false;
  for (const auto& row : list.rows) {
    if (row.texts[9] != "pc-" + row.texts[0]) return false;
  }
  for (int p = 0; p < processes; ++p) {
    if (list.findId(memberId(p)) < 0) return false;
  }
  return true;
}

long editNumberOf(const FakeMemberList& list, int process) {
  int row = list.findId(memberId(process));
  return row < 0 ? -1 : std::atol(list.text(row, 2, 30).c_str());
}

class Worker {
 public:
  Worker(const std::string& boardPath, int process, const Options& options) : process_(process), options_(options) {
    app_.board.currentBoardPath = boardPath;
    app_.shared.backupEnabled = 1;
    createColumns(list_, app_);
  }

  Counts run() {
    // The program's start: the board is shown once it can be read.
    for (int attempt = 0; attempt < kMaxAttempts && !load(); ++attempt) usleep(200);
    for (int i = 0; i < options_.edits; ++i) {
      refresh();
      edit(i);
    }
    return counts_;
  }

 private:
  // Each process has a time range of its own, so that every save makes a
  // stamp no other save makes ("%y%H%M%S" repeats within a second).
  void setClock(int step) {
    if (options_.realClock) return;
    std::tm base{};
    base.tm_year = 124;
    base.tm_mon = 5;
    base.tm_mday = 1;
    base.tm_isdst = -1;
    setClockForTests(std::mktime(&base) + process_ * 6 * 3600 + step);
  }

  bool load() {
    if (!loadBoard(list_, app_)) {
      ++counts_.readerRefusals;
      return false;
    }
    ++counts_.loads;
    if (!isComplete(list_, app_, options_.processes)) ++counts_.incompleteBoards;
    noticeLostUpdate();
    return true;
  }

  // A load shows the member's own row: if it holds less than the last saved
  // edit, another process's save has overwritten that edit.
  void noticeLostUpdate() {
    long shown = editNumberOf(list_, process_);
    if (shown >= 0 && shown < counts_.lastSaved && !counts_.lastSavedLost) {
      ++counts_.lostUpdates;
      counts_.lastSavedLost = 1;
    }
  }

  // What the timer tick does between commands.
  void refresh() {
    int result = checkBoard(app_.board, ui_);
    if (result == kUnreadable) {
      ++counts_.readerRefusals;
    } else if (result == kChanged) {
      load();
    }
  }

  // One edit as a command runs it. While the check says "missing or
  // locked" the user is told so and tries again a moment later.
  void edit(int i) {
    setClock(i + 1);
    int result = kUnreadable;
    for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
      result = checkBoard(app_.board, ui_);
      if (result != kUnreadable) break;
      ++counts_.readerRefusals;
      ++counts_.editsRefusedAtCheck;
      usleep(100 + static_cast<useconds_t>(rand_r(&seed_) % 400));
    }
    if (result == kUnreadable) {
      ++counts_.editsAbandoned;
      return;
    }
    if (result == kChanged) load();  // a failed load leaves the old rows, as in the program

    const int row = list_.findId(memberId(process_));
    if (row < 0) {
      // The command would say the ID is not there.
      ++counts_.editsWithoutRow;
      return;
    }
    EditBuffers& e = app_.edit;
    e.editRowIndex = row;
    e.editId = memberId(process_);
    e.editName = list_.text(row, 1, 30);
    e.editDestination = std::to_string(counts_.lastSaved + 1);
    e.editReturnTime = list_.text(row, 3, 30);
    e.editMobile = list_.text(row, 5, 100);
    e.editContact = list_.text(row, 6, 100);
    e.editSchedule = list_.text(row, 7, 100);
    e.editOther = list_.text(row, 8, 100);

    ui_.warnings.clear();
    const bool saved = applyEditedRow(list_, app_, ui_);
    if (saved && ui_.warnings.empty()) {
      ++counts_.savesCompleted;
      ++counts_.lastSaved;
      counts_.lastSavedLost = 0;
    } else if (!saved && ui_.warnings.size() == 1 && ui_.warnings[0] == msg::kSaveLockedOrMissing) {
      ++counts_.savesRefused;
    } else if (!saved && ui_.warnings.size() == 1 && ui_.warnings[0] == msg::kSaveFailed) {
      ++counts_.savesFailed;
    } else {
      ++counts_.unreportedSaves;
    }
  }

  static constexpr int kMaxAttempts = 20000;

  int process_;
  unsigned seed_ = static_cast<unsigned>(getpid());
  Options options_;
  AppState app_;
  FakeMemberList list_;
  RecordingUi ui_;
  Counts counts_;
};

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--long") {
      o.edits = 2500;
    } else if (a == "--real-clock") {
      o.realClock = true;
    } else if (a == "--processes" && i + 1 < argc) {
      o.processes = std::atoi(argv[++i]);
    } else if (a == "--edits" && i + 1 < argc) {
      o.edits = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: wabo_stress [--processes N] [--edits N] [--long] [--real-clock]\n");
      std::exit(2);
    }
  }
  if (o.processes < 1 || o.processes > 16 || o.edits < 1 || o.edits > 20000) {
    std::fprintf(stderr, "wabo_stress: 1..16 processes and 1..20000 edits\n");
    std::exit(2);
  }
  return o;
}

bool readAll(int fd, void* data, std::size_t size) {
  char* p = static_cast<char*>(data);
  while (size > 0) {
    ssize_t n = read(fd, p, size);
    if (n <= 0) return false;
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parse(argc, argv);
  std::string folder = (std::filesystem::temp_directory_path() / "wabo-stress-XXXXXX").string();
  if (!mkdtemp(folder.data())) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string boardPath = folder + "/boad1.csv";
  {
    std::FILE* f = std::fopen(boardPath.c_str(), "wb");
    const std::string bytes = initialBoard(options.processes);
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
      std::perror("writing the board");
      return 1;
    }
  }
  std::printf("wabo_stress: %d processes x %d edits on %s%s\n", options.processes, options.edits, folder.c_str(),
              options.realClock ? " (real clock)" : "");
  std::fflush(stdout);

  std::vector<pid_t> children;
  std::vector<int> pipes;
  for (int p = 0; p < options.processes; ++p) {
    int fds[2];
    if (pipe(fds) != 0) {
      std::perror("pipe");
      return 1;
    }
    pid_t pid = fork();
    if (pid < 0) {
      std::perror("fork");
      return 1;
    }
    if (pid == 0) {
      close(fds[0]);
      alarm(900);  // stops by itself even if something hangs
      Counts counts = Worker(boardPath, p, options).run();
      ssize_t n = write(fds[1], &counts, sizeof counts);
      _exit(n == static_cast<ssize_t>(sizeof counts) ? 0 : 1);
    }
    close(fds[1]);
    children.push_back(pid);
    pipes.push_back(fds[0]);
  }

  bool ok = true;
  Counts total;
  std::vector<Counts> perProcess(static_cast<std::size_t>(options.processes));
  for (int p = 0; p < options.processes; ++p) {
    Counts& c = perProcess[static_cast<std::size_t>(p)];
    if (!readAll(pipes[static_cast<std::size_t>(p)], &c, sizeof c)) {
      std::fprintf(stderr, "process %d reported nothing\n", p);
      ok = false;
    }
    close(pipes[static_cast<std::size_t>(p)]);
    int status = 0;
    waitpid(children[static_cast<std::size_t>(p)], &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      std::fprintf(stderr, "process %d ended abnormally (status %d)\n", p, status);
      ok = false;
    }
    total.savesCompleted += c.savesCompleted;
    total.savesRefused += c.savesRefused;
    total.savesFailed += c.savesFailed;
    total.editsRefusedAtCheck += c.editsRefusedAtCheck;
    total.editsAbandoned += c.editsAbandoned;
    total.editsWithoutRow += c.editsWithoutRow;
    total.loads += c.loads;
    total.readerRefusals += c.readerRefusals;
    total.incompleteBoards += c.incompleteBoards;
    total.unreportedSaves += c.unreportedSaves;
    total.lostUpdates += c.lostUpdates;
  }

  // The board at the end: it parses, it is complete, and each member's row
  // holds that member's last saved edit unless another save overwrote it.
  AppState app;
  app.board.currentBoardPath = boardPath;
  FakeMemberList list;
  createColumns(list, app);
  RecordingUi ui;
  const bool parses = checkBoard(app.board, ui) != kUnreadable && loadBoard(list, app);
  const bool complete = parses && isComplete(list, app, options.processes);
  if (complete) {
    for (int p = 0; p < options.processes; ++p) {
      const Counts& c = perProcess[static_cast<std::size_t>(p)];
      if (editNumberOf(list, p) < c.lastSaved && !c.lastSavedLost) ++total.lostUpdates;
    }
  }
  AppState backupApp;
  backupApp.board.currentBoardPath = backupPath(boardPath);
  FakeMemberList backupList;
  createColumns(backupList, backupApp);
  const bool backupComplete =
      loadBoard(backupList, backupApp) && isComplete(backupList, backupApp, options.processes);
  const bool lockGone = !std::filesystem::exists(folder + "/lock.dat");
  std::vector<std::string> leftovers;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (name != "boad1.csv" && name != "boad1.bak") leftovers.push_back(name);
  }

  std::printf("saves completed:          %ld\n", total.savesCompleted);
  std::printf("saves refused (locked):   %ld\n", total.savesRefused);
  std::printf("saves failed:             %ld\n", total.savesFailed);
  std::printf("checks before an edit refused: %ld (edits given up: %ld, without their row: %ld)\n",
              total.editsRefusedAtCheck, total.editsAbandoned, total.editsWithoutRow);
  std::printf("loads:                    %ld\n", total.loads);
  std::printf("refusals seen by readers: %ld\n", total.readerRefusals);
  std::printf("incomplete boards seen:   %ld\n", total.incompleteBoards);
  std::printf("saves neither completed nor reported: %ld\n", total.unreportedSaves);
  std::printf("lost updates:             %ld\n", total.lostUpdates);
  std::printf("final board parses: %s, complete: %s; backup complete: %s; lock.dat gone: %s; other files left: %zu\n",
              parses ? "yes" : "no", complete ? "yes" : "no", backupComplete ? "yes" : "no", lockGone ? "yes" : "no",
              leftovers.size());
  for (const std::string& name : leftovers) std::printf("  left: %s\n", name.c_str());

  ok = ok && total.incompleteBoards == 0 && total.unreportedSaves == 0 && complete && backupComplete && lockGone &&
       leftovers.empty() && total.savesCompleted > 0 &&
       total.savesCompleted + total.savesRefused + total.savesFailed + total.editsAbandoned + total.editsWithoutRow ==
           static_cast<long>(options.processes) * options.edits;
  std::printf("result: %s\n", ok ? "PASS" : "FAIL");
  if (ok) std::filesystem::remove_all(folder);
  return ok ? 0 : 1;
}
