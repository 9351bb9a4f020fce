// A working day in minutes: three copies on one shared board folder and
// mail folder with auto update on (so each watches the folders), each doing
// at random 2-20 s intervals one of: a quick input, a destination change of
// a random row, a mail to another copy, a bulletin post or deletion, 更新.
// The driver is the fourth process: after every change it reads the board
// and keiji.dat and holds them against what every completed step made of
// them. It prints a table every ten minutes and at the end.
//
// WABO_SOAK_MINUTES (default 2, as in CI) and WABO_SOAK_SEED (default 26)
// set the run; bench/soak runs it for an hour. The steps are done one after
// the other, so every save's outcome is known; the other copies' folder
// watches, reloads and mail pickups run meanwhile on their own.
// Asserted: no lost change of any kind, no copy ended, no unexpected message
// box; in runs of 20 minutes or more also that no copy's memory, handles,
// GDI or USER objects grow by more than 1 % from minute 10 to the end.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "harness/inside_probes.h"
#include "steps.h"

namespace e2e {
namespace {

// Generous, for a machine that does other work meanwhile: a passing step
// takes milliseconds, and the waits end as soon as it is seen.
constexpr DWORD kOutcomeMs = 30000;  // a save or a post that takes longer is counted lost
constexpr DWORD kViewMs = 15000;     // for every copy to show the board as it is
constexpr DWORD kWarmUpPauseMs = 2000;
constexpr int kWarmUpRounds = 10;    // at most, in runs long enough to hold memory to 1 %

int environmentNumber(const char* name, int fallback) {
  char text[32];
  DWORD n = GetEnvironmentVariableA(name, text, sizeof text);
  if (n == 0 || n >= sizeof text) return fallback;
  int value = std::atoi(text);
  return value > 0 ? value : fallback;
}

struct Tally {
  unsigned saves = 0, refusedSaves = 0, lostUpdates = 0;
  unsigned mailsSent = 0, mailsReceived = 0, mailsLate = 0, mailsLost = 0;
  unsigned postsWritten = 0, postsDeleted = 0, postsLost = 0;
  unsigned refreshes = 0, boxes = 0, viewsBehind = 0, ended = 0, warmUpRounds = 0;
};

// A mail sent and not yet shown by its receiver.
struct PendingMail {
  std::string to, from, text;  // receiver's ID, sender's name, the text
  bool late;                   // not shown within the step that sent it
};

struct Pc {
  std::string id, name;
  std::unique_ptr<ProgramCopy> copy;
  ULONGLONG next = 0;  // tick of its next step
  ProcessFigures baseline;
  bool hasBaseline = false;
  bool ended = false;
  unsigned postsWritten = 0;     // by this copy
  unsigned warmUpBulletins = 0;  // its bulletin steps in the warm-up
};

// The destination (field 3) of every member line of a board file (the lines
// between the caption line and END).
std::map<std::string, std::string> destinationsIn(const std::string& bytes) {
  std::map<std::string, std::string> out;
  std::vector<std::string> lines = fileLines(bytes);
  for (size_t i = 2; i < lines.size() && lines[i].compare(0, 4, "END,") != 0; ++i) {
    std::vector<std::string> fields;
    for (size_t start = 0, end;; start = end + 1) {
      end = lines[i].find(',', start);
      fields.push_back(lines[i].substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) break;
    }
    if (fields.size() >= 11) out[fields[0]] = fields[3];
  }
  return out;
}

// The subjects of keiji.dat's posts ("N," then one line per post, fields
// split by 0x01).
std::multiset<std::string> subjectsIn(const std::string& bytes) {
  std::multiset<std::string> out;
  const size_t comma = bytes.find(',');
  if (comma == std::string::npos) return out;
  for (size_t start = comma + 1, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    out.insert(bytes.substr(start, bytes.find('\x01', start) - start));
  return out;
}

// GDI objects in use but the system's window DCs and their regions.
unsigned programGdi(const ProcessFigures& f) { return f.gdi - f.gdiByType[OBJ_DC] - f.gdiByType[OBJ_REGION]; }

double growth(unsigned long long from, unsigned long long to) {
  return from == 0 ? 0.0 : 100.0 * (static_cast<double>(to) - static_cast<double>(from)) / static_cast<double>(from);
}

class Soak {
 public:
  Soak(int minutes, unsigned seed) : minutes_(minutes), seed_(seed), random_(seed) {
    shared_.writeBoard(1, officeBoard());
    expected_ = destinationsIn(officeBoard().bytes());
    if (expected_.size() != 4) throw HarnessError("the office board has not four members");
    const char* members[][2] = {{"A001", "青木 花子"}, {"K100", "加藤 次郎"}, {"S010", "鈴木 一郎"}};
    for (const auto& member : members) {
      auto pc = std::make_unique<Pc>();
      pc->id = member[0];
      pc->name = member[1];
      pc->copy = std::make_unique<ProgramCopy>(pc->id);
      pc->copy->useBoardFolder(shared_);
      pc->copy->writeFile("WaboM.ini", localSettings(pc->id, 10));
      pcs_.push_back(std::move(pc));
    }
  }

  void run() {
    for (auto& pc : pcs_) pc->copy->startSettled();
    start_ = GetTickCount64();
    warmUp();
    const ULONGLONG end = start_ + 60000ull * static_cast<ULONGLONG>(minutes_);
    // Baseline at minute 10, or at a sixth of a shorter run.
    const ULONGLONG baselineAt = start_ + std::min<ULONGLONG>(600000ull, (end - start_) / 6);
    ULONGLONG nextTable = start_ + 600000ull;
    for (auto& pc : pcs_) pc->next = start_ + pause();
    while (GetTickCount64() < end && !allEnded()) {
      Pc& pc = **std::min_element(pcs_.begin(), pcs_.end(), [](const auto& x, const auto& y) {
        return x->ended < y->ended || (x->ended == y->ended && x->next < y->next);
      });
      idleUntil(std::min(pc.next, end));
      if (GetTickCount64() >= baselineAt) takeBaseline();
      if (GetTickCount64() >= nextTable) {
        printTable();
        nextTable += 600000ull;
      }
      if (GetTickCount64() >= end) break;
      if (!pc.ended) step(pc);
      pc.next = GetTickCount64() + pause();
      afterStep();
    }
    awaitPendingMails();
    takeBaseline();
    printTable();
  }

  const Tally& tally() const { return tally_; }
  const std::vector<std::string>& faults() const { return faults_; }
  // A copy's growth of memory, handles, GDI or USER objects past 1 % from
  // the baseline to now; "" when none grew so. Window DCs and their regions
  // are the system's cache (kSystemDcCacheRegions): they are held to its
  // bound, growing in pairs, and every other GDI object to 1 %.
  std::string growthPastOnePercent() {
    std::string out;
    for (auto& pc : pcs_) {
      if (pc->ended || !pc->hasBaseline) continue;
      const ProcessFigures now = processFigures(pc->copy->process()), &was = pc->baseline;
      const std::pair<const char*, double> grown[] = {
          {"memory", growth(was.privateBytes, now.privateBytes)},
          {"handles", growth(was.handles, now.handles)},
          {"GDI but the system's window DCs", growth(programGdi(was), programGdi(now))},
          {"USER", growth(was.user, now.user)}};
      for (const auto& g : grown)
        if (g.second > 1.0) out += pc->id + " " + g.first + " +" + std::to_string(g.second) + " %; ";
      const int dcs = static_cast<int>(now.gdiByType[OBJ_DC]) - static_cast<int>(was.gdiByType[OBJ_DC]);
      const int regions = static_cast<int>(now.gdiByType[OBJ_REGION]) - static_cast<int>(was.gdiByType[OBJ_REGION]);
      if (now.gdiByType[OBJ_REGION] > kSystemDcCacheRegions || dcs != regions)
        out += pc->id + " window DCs past the system's cache: " + gdiTypesChanged(was, now) + "; ";
    }
    return out;
  }
  // Each copy's GDI objects whose count changed from the baseline, by type.
  std::string gdiChanges() {
    std::string out;
    for (auto& pc : pcs_)
      if (!pc->ended && pc->hasBaseline) {
        const std::string changed = gdiTypesChanged(pc->baseline, processFigures(pc->copy->process()));
        out += pc->id + ": " + (changed.empty() ? "none" : changed) + "; ";
      }
    return out;
  }
  void closeAll() {
    for (auto& pc : pcs_)
      if (!pc->ended) EXPECT_EQ(0u, pc->copy->close()) << pc->id;
  }

 private:
  ULONGLONG pause() { return std::uniform_int_distribution<ULONGLONG>(2000, 20000)(random_); }
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  std::string serial(const char* prefix) { return prefix + std::to_string(++serial_); }
  bool allEnded() const {
    return std::all_of(pcs_.begin(), pcs_.end(), [](const auto& pc) { return pc->ended; });
  }
  // Printed, not a fault.
  void note(const std::string& what) {
    std::printf("[ soak     ] %s %s\n", minuteText().c_str(), what.c_str());
    std::fflush(stdout);
  }
  void fault(const std::string& what) {
    faults_.push_back(minuteText() + " " + what);
    std::printf("[ soak     ] %s\n", faults_.back().c_str());
    std::fflush(stdout);
  }
  std::string minuteText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f min", (GetTickCount64() - start_) / 60000.0);
    return text;
  }

  // Between steps: a copy that ended or shows a message box of its own is
  // counted (and the box answered) as soon as it happens.
  void idleUntil(ULONGLONG when) {
    while (GetTickCount64() < when) {
      afterStep();
      Sleep(static_cast<DWORD>(std::min<ULONGLONG>(500, when - std::min(when, GetTickCount64()))));
    }
  }
  void afterStep() {
    for (auto& pc : pcs_) {
      if (pc->ended) continue;
      if (!pc->copy->running()) {
        pc->ended = true;
        ++tally_.ended;
        fault(pc->id + "'s copy ended");
        continue;
      }
      if (pc->copy->findDialog(kMessageCaption) != nullptr) takeBox(*pc);
    }
  }

  // A message box of `pc`'s: the announcement of a mail sent to it is
  // answered and the mail's view read and closed; any other box is a fault,
  // answered, and whatever else it left open is closed.
  void takeBox(Pc& pc) {
    const std::string box = textOr([&] { return pc.copy->answerMessageBox(); });
    const bool announcement = std::any_of(pending_.begin(), pending_.end(), [&](const PendingMail& m) {
      return m.to == pc.id && box == m.from + "さんからメールです！";
    });
    if (!announcement) {
      ++tally_.boxes;
      fault(pc.id + " showed the message box \"" + box + "\"");
      settle(pc);
      return;
    }
    const std::string shown = textOr([&] {
      HWND view = pc.copy->waitForDialog(kViewTitle);
      const std::string text = controlText(view, IDC_MV_TEXT);
      press(view, IDOK);
      return text;
    });
    auto mail = std::find_if(pending_.begin(), pending_.end(),
                             [&](const PendingMail& m) { return m.to == pc.id && m.text == shown; });
    if (mail == pending_.end()) {
      ++tally_.boxes;
      fault(pc.id + " announced a mail and showed \"" + shown + "\", which was not sent to it");
      settle(pc);
      return;
    }
    ++tally_.mailsReceived;
    if (mail->late) {
      ++tally_.mailsLate;
      note("the mail \"" + mail->text + "\" to " + pc.id + " came late");
    }
    pending_.erase(mail);
  }

  // Until only the main window is left: the topmost box or dialog of the
  // copy is cancelled (a question answered いいえ), a moment apart.
  void settle(Pc& pc) {
    const DWORD pid = GetProcessId(pc.copy->process());
    const bool settled = waitUntil(
        [&] {
          HWND open = findTopLevel(pid, "#32770", nullptr);
          if (open == nullptr) return true;
          const bool question = textOr([&] { return windowText(open); }) == kQuestionCaption;
          PostMessageA(open, WM_COMMAND, question ? IDNO : IDCANCEL, 0);
          Sleep(300);
          return false;
        },
        kOutcomeMs);
    if (!settled) fault(pc.id + " keeps windows open: " + describeWindows(pid));
  }

  // The mails still pending are waited for a last time; then they are lost.
  void awaitPendingMails() {
    waitUntil(
        [&] {
          afterStep();
          return pending_.empty() || allEnded();
        },
        kOutcomeMs);
    for (const PendingMail& m : pending_) {
      ++tally_.mailsLost;
      fault("the mail \"" + m.text + "\" to " + m.to + " was never shown");
    }
    pending_.clear();
  }

  // Every copy does every kind of step (a bulletin post and a deletion),
  // so that what the first openings of each dialog make for good (the
  // system's caches of theme parts, scroll bars and window DCs) is made
  // before the baseline, whatever the seed picks later. In runs that hold
  // the growth to 1 % the rounds go on until two in a row leave every
  // copy's GDI count as it was (at most kWarmUpRounds).
  void warmUp() {
    warming_ = true;
    const int most = minutes_ >= 20 ? kWarmUpRounds : 1;
    for (int steady = 0; tally_.warmUpRounds < static_cast<unsigned>(most) && steady < 2 && !allEnded();) {
      std::vector<unsigned> before;
      for (auto& pc : pcs_) before.push_back(textOrFigures(*pc).gdi);
      for (auto& pc : pcs_)
        for (int kind : {0, 1, 2, 3, 3, 4}) {
          if (pc->ended) break;
          step(*pc, kind);
          idleUntil(GetTickCount64() + kWarmUpPauseMs);  // the shortest pause of the random steps
        }
      ++tally_.warmUpRounds;
      bool same = true;
      for (size_t i = 0; i < pcs_.size(); ++i) same = same && (pcs_[i]->ended || textOrFigures(*pcs_[i]).gdi == before[i]);
      steady = same ? steady + 1 : 0;
    }
    warming_ = false;
  }

  void step(Pc& pc) { step(pc, pick(5)); }
  void step(Pc& pc, int kind) {
    if (trace_) {
      const ProcessFigures f = textOrFigures(pc);
      std::printf("[ soak     ] %s %s step %d (GDI %u, USER %u, handles %u, private KB %llu)\n", minuteText().c_str(),
                  pc.id.c_str(), kind, f.gdi, f.user, f.handles, f.privateBytes / 1024);
      std::fflush(stdout);
    }
    try {
      switch (kind) {
        case 0: quickInput(pc); break;
        case 1: changeDestination(pc); break;
        case 2: sendMail(pc); break;
        case 3: bulletin(pc); break;
        default: refresh(pc); break;
      }
    } catch (const HarnessError& e) {
      fault(pc.id + ": a step could not be done: " + e.what());
      settle(pc);
    }
  }

  // A save started; waits until the board holds `word` for `id` (done) or a
  // message box says it was refused. Neither: the save is lost.
  void awaitSave(Pc& pc, const std::string& id, const std::string& word) {
    ++tally_.saves;
    std::string box;
    const bool done = waitUntil(
        [&] {
          if (pc.copy->findDialog(kMessageCaption) != nullptr) {
            box = textOr([&] { return pc.copy->answerMessageBox(); });
            return true;
          }
          const std::string settled = settledBoard(shared_.file("boad1.csv"));
          return !settled.empty() && destinationsIn(settled)[id] == word;
        },
        kOutcomeMs);
    if (!box.empty()) {
      ++tally_.refusedSaves;
      ++tally_.boxes;
      fault(pc.id + "'s save of " + id + " was refused: \"" + box + "\"");
    } else if (!done) {
      ++tally_.lostUpdates;
      fault(pc.id + "'s save of " + id + " = " + word + " did not reach the board");
    } else {
      expected_[id] = word;
    }
    checkBoard();
  }

  void quickInput(Pc& pc) {
    const bool toWork = expected_[pc.id] != "出社";
    pc.copy->postCommand(toWork ? CMD_QUICK_INPUT_1 : CMD_QUICK_INPUT_2);
    awaitSave(pc, pc.id, toWork ? "出社" : "帰宅");
  }

  void changeDestination(Pc& pc) {
    auto member = expected_.begin();
    std::advance(member, pick(static_cast<int>(expected_.size())));
    const std::string id = member->first, word = serial("行先");
    confirm(open(*pc.copy, CMD_DESTINATION_BY_ID, "行き先入力"), {{IDC_TARGET_ID, id}});
    confirm(pc.copy->waitForDialog("行き先の変更"), {{IDC_DEST_DESTINATION, word}});
    awaitSave(pc, id, word);
  }

  void sendMail(Pc& pc) {
    Pc* to = pcs_[pick(static_cast<int>(pcs_.size()))].get();
    if (to == &pc || to->ended) to = pcs_[(std::find_if(pcs_.begin(), pcs_.end(), [&](const auto& p) {
                                             return p.get() == &pc;
                                           }) - pcs_.begin() + 1) % pcs_.size()].get();
    if (to->ended) return;
    const std::string text = serial("便り") + " " + pc.name + "より";
    HWND compose = open(*pc.copy, CMD_MAIL, kComposeTitle);
    fill(compose, {{IDC_MC_RECIPIENTS, to->id}, {IDC_MC_TEXT, text}});
    pressButton(compose, IDC_MC_SEND);
    const std::string sent = pc.copy->answerMessageBox();
    waitUntilGone(compose);
    if (sent != to->name + "さんにﾒｰﾙを送信しました") {
      ++tally_.boxes;
      fault(pc.id + "'s mail to " + to->id + " was answered \"" + sent + "\"");
      return;
    }
    ++tally_.mailsSent;
    // The receiver's folder watch announces it; the view shows the text. A
    // mail that takes longer stays pending: its announcement is taken
    // whenever it comes, and at the end it is lost.
    pending_.push_back({to->id, pc.name, text, false});
    auto stillPending = [&] {
      return std::any_of(pending_.begin(), pending_.end(), [&](const PendingMail& m) { return m.text == text; });
    };
    waitUntil(
        [&] {
          if (to->copy->findDialog(kMessageCaption) != nullptr) takeBox(*to);
          return !stillPending();
        },
        kOutcomeMs);
    for (PendingMail& m : pending_)
      if (m.text == text) m.late = true, note("the mail \"" + text + "\" to " + to->id + " is not shown yet");
  }

  void bulletin(Pc& pc) {
    HWND board = open(*pc.copy, CMD_BULLETIN, "掲示板");
    ListViewProbe list(pc.copy->process(), GetDlgItem(board, IDC_BB_LIST));
    // In the warm-up each copy posts, then deletes.
    const bool deleting = warming_ ? !posts_.empty() && pc.warmUpBulletins++ % 2 == 1
                                   : !posts_.empty() && (posts_.size() >= 6 || pick(3) == 0);
    if (deleting) {
      const int row = pick(list.rowCount());
      const std::string subject = list.text(row, 0);
      list.setItemState(-1, LVIS_SELECTED, 0);
      list.setItemState(row, LVIS_SELECTED, LVIS_SELECTED);
      pressButton(board, IDC_BB_DELETE);
      const std::string asked = pc.copy->answerMessageBox(IDYES, kQuestionCaption);
      if (asked != "[ " + subject + " ] を削除しますか？") fault(pc.id + " asked \"" + asked + "\"");
      auto it = posts_.find(subject);
      if (it != posts_.end()) posts_.erase(it);
      ++tally_.postsDeleted;
    } else {
      const std::string subject = serial("件");
      pressButton(board, IDC_BB_NEW);
      HWND form = pc.copy->waitForDialog("新規作成");
      fill(form, {{IDC_BN_SUBJECT, subject}, {IDC_BN_TEXT, "本文 " + subject}, {IDC_BN_WRITER, pc.name}});
      pressButton(form, IDC_BN_WRITE);
      waitUntilGone(form);
      posts_.insert(subject);
      ++tally_.postsWritten;
      ++pc.postsWritten;
    }
    press(board, IDCANCEL);
    checkPosts();
  }

  void refresh(Pc& pc) {
    pc.copy->postCommand(CMD_REFRESH);
    const std::string box = pc.copy->answerMessageBox();
    ++tally_.refreshes;
    if (box != kRefreshedNew && box != kRefreshedNothingNew) {
      ++tally_.boxes;
      fault(pc.id + "'s 更新 said \"" + box + "\"");
    }
  }

  // The board as the driver reads it holds every completed change; every
  // running copy shows it within a few seconds.
  void checkBoard() {
    std::string settled;
    waitUntil([&] { return !(settled = settledBoard(shared_.file("boad1.csv"))).empty(); }, kOutcomeMs);
    const std::map<std::string, std::string> inFile = destinationsIn(settled);
    for (const auto& member : expected_) {
      auto found = inFile.find(member.first);
      const std::string now = found == inFile.end() ? "(no row)" : found->second;
      if (now == member.second) continue;
      ++tally_.lostUpdates;
      fault(member.first + " reads \"" + now + "\" in the board, not \"" + member.second + "\"");
      expected_[member.first] = now;  // counted once
    }
    for (auto& pc : pcs_) {
      if (pc->ended) continue;
      const bool shows = waitUntil(
          [&] {
            return std::all_of(expected_.begin(), expected_.end(), [&](const auto& member) {
              return textOr([&] { return destinationOf(*pc->copy, member.first); }) == member.second;
            });
          },
          kViewMs);
      if (!shows) {
        ++tally_.viewsBehind;
        fault(pc->id + " does not show the board as it is");
      }
    }
  }

  // keiji.dat holds every post written and none deleted.
  void checkPosts() {
    std::multiset<std::string> inFile;
    const std::string keiji = shared_.file("keiji.dat");
    const bool same = waitUntil(
        [&] {
          inFile = subjectsIn(readFileOr(keiji));
          return inFile == posts_;
        },
        kOutcomeMs);
    if (same) return;
    for (const std::string& subject : posts_)
      if (inFile.count(subject) == 0) ++tally_.postsLost, fault("the post " + subject + " is not in keiji.dat");
    for (const std::string& subject : inFile)
      if (posts_.count(subject) == 0) ++tally_.postsLost, fault("the deleted post " + subject + " is in keiji.dat");
    posts_ = inFile;
  }

  void takeBaseline() {
    for (auto& pc : pcs_) {
      if (pc->hasBaseline || pc->ended) continue;
      pc->baseline = processFigures(pc->copy->process());
      pc->hasBaseline = true;
    }
  }

  void printTable() {
    const Tally& t = tally_;
    std::printf("[ soak     ] %s of %d, seed %u\n", minuteText().c_str(), minutes_, seed_);
    std::printf("[ soak     ] saves %u (refused %u), lost updates %u | mails sent %u, received %u (late %u), "
                "pending %u, lost %u | posts written %u, deleted %u, lost %u | 更新 %u | message boxes %u | "
                "views behind %u | ended %u | warm-up rounds %u\n",
                t.saves, t.refusedSaves, t.lostUpdates, t.mailsSent, t.mailsReceived, t.mailsLate,
                static_cast<unsigned>(pending_.size()), t.mailsLost, t.postsWritten, t.postsDeleted, t.postsLost,
                t.refreshes, t.boxes, t.viewsBehind, t.ended, t.warmUpRounds);
    std::printf("[ soak     ] copy  private KB (base)   handles (base)  GDI (base)  of it window DCs+regions (base)  "
                "USER (base)  threads\n");
    for (auto& pc : pcs_) {
      if (pc->ended) {
        std::printf("[ soak     ] %s  ended\n", pc->id.c_str());
        continue;
      }
      const ProcessFigures now = textOrFigures(*pc);
      const ProcessFigures& b = pc->baseline;
      std::printf("[ soak     ] %s  %8llu (%8llu)   %5u (%5u)   %4u (%4u)  %4u (%4u)                       %4u (%4u)  %4u\n",
                  pc->id.c_str(), now.privateBytes / 1024, b.privateBytes / 1024, now.handles, b.handles, now.gdi,
                  b.gdi, now.gdi - programGdi(now), b.gdi - programGdi(b), now.user, b.user, now.threads);
    }
    std::fflush(stdout);
  }
  ProcessFigures textOrFigures(Pc& pc) {
    try {
      return processFigures(pc.copy->process());
    } catch (const HarnessError& e) {
      fault(pc.id + ": no figures: " + e.what());
      return {};
    }
  }

  const int minutes_;
  const unsigned seed_;
  std::mt19937 random_;
  BoardFolder shared_;
  std::vector<std::unique_ptr<Pc>> pcs_;
  std::map<std::string, std::string> expected_;  // member ID -> destination
  std::multiset<std::string> posts_;             // subjects in keiji.dat
  std::vector<PendingMail> pending_;             // sent, not yet shown
  Tally tally_;
  std::vector<std::string> faults_;
  int serial_ = 0;
  bool warming_ = false;
  ULONGLONG start_ = 0;
  const bool trace_ = environmentNumber("WABO_SOAK_TRACE", 0) != 0;  // one line per step
};

TEST(Soak, ThreeCopiesAtRandomLoseNoChangeMailOrPostShowNoMessageBoxAndKeepRunning) {
  const int minutes = environmentNumber("WABO_SOAK_MINUTES", 2);
  const unsigned seed = static_cast<unsigned>(environmentNumber("WABO_SOAK_SEED", 26));
  Soak soak(minutes, seed);
  soak.run();
  const Tally& t = soak.tally();
  EXPECT_GT(t.saves, 0u);
  EXPECT_EQ(0u, t.lostUpdates);
  EXPECT_EQ(0u, t.mailsLost);
  EXPECT_EQ(t.mailsSent, t.mailsReceived);
  EXPECT_EQ(0u, t.postsLost);
  EXPECT_EQ(0u, t.boxes);
  EXPECT_EQ(0u, t.viewsBehind);
  EXPECT_EQ(0u, t.ended);
  EXPECT_TRUE(soak.faults().empty()) << soak.faults().front();
  const std::string grown = soak.growthPastOnePercent();
  std::printf("[ soak     ] growth past 1 %% from the baseline: %s\n", grown.empty() ? "none" : grown.c_str());
  std::printf("[ soak     ] GDI objects changed from the baseline, by type: %s\n", soak.gdiChanges().c_str());
  if (minutes >= 20) EXPECT_EQ("", grown);
  soak.closeAll();
}

}  // namespace
}  // namespace e2e
