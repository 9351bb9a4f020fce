// How fast a change reaches the other copies through the folder watch, and
// what the watch costs the copy that is woken.
//
// Board: B saves by quick input (sent, so the send returns when the save is
// done); the driver then reads A's list until B's row shows the new
// destination. Saves are 0.3 to 0.6 s apart, as colleagues' saves are, so
// each one meets a quiet watch. Mail: the driver writes a mail file for A as
// a sending copy does and waits for A's announcement box, then answers it and
// the view. Burst: B saves 40 times in a row on a thread of the driver's
// while the main thread samples how long a posted message waits on A. Many
// copies: one save by the first copy, and the time until each other copy's
// list shows it.
#include "watch_bench.h"

#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "bench_files.h"
#include "harness/probes.h"
#include "posted_probe.h"
#include "res/resource.h"
#include "started_program.h"

namespace bench {
namespace {

const char kMainClass[] = "ModelApp";
const char kCaption[] = "ﾒｯｾｰｼﾞ";
const char kViewTitle[] = "ﾒｰﾙ内容";
const char kMailId[] = "BENCHA";  // A's ID: mail needs none on the board
constexpr int kSaves = 20;
constexpr int kMails = 20;
constexpr int kBurstSaves = 40;
constexpr int kManyRounds = 3;
constexpr DWORD kSeenLimitMs = 15000;
constexpr int kDestinationColumn = 2;

void result(const char* name, double value) { std::printf("RESULT %s %.3f\n", name, value); }
void note(const std::string& text) { std::printf("NOTE %s\n", text.c_str()); }

// A program folder of its own: wabo.exe, Wabo.ini naming the shared board
// and mail folder, WaboM.ini of the template with `userId`.
std::string makeCopyFolder(const std::string& work, const std::string& shared, int n, const std::string& wabo,
                           const std::string& templ, const std::string& userId) {
  const std::string folder = join(work, "watch-copy" + std::to_string(n));
  CreateDirectoryA(folder.c_str(), nullptr);
  copyFile(wabo, join(folder, "wabo.exe"));
  std::string ini;
  for (int b = 1; b <= 5; ++b)
    ini += "[ﾎﾞｰﾄﾞ" + std::to_string(b) + "]\r\nﾎﾞｰﾄﾞ" + std::to_string(b) + "\r\n" +
           (b == 1 ? join(shared, "boad1.csv") : std::string()) + "\r\n";
  ini += "[ﾒｰﾙﾌｫﾙﾀﾞ]\r\n" + shared + "\r\n[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n1\r\n[起動時ID入力設定]\r\n0\r\n[PC接続ｻｰﾁ許可]\r\n1\r\n";
  ini += "[行き先ﾘｽﾄ]\r\n";
  for (int i = 0; i < 20; ++i) ini += "\r\n";
  writeFile(join(folder, "Wabo.ini"), ini);
  std::string local = readFile(join(templ, "WaboM.ini"));
  const std::string idSection = "[自分のID]\r\n";
  std::size_t at = local.find(idSection);
  if (at == std::string::npos) throw std::runtime_error("the template WaboM.ini has no ID section");
  at += idSection.size();
  local.replace(at, local.find("\r\n", at) - at, userId);
  writeFile(join(folder, "WaboM.ini"), local);
  return folder;
}

// One running copy and where its list shows the saving member's row.
struct Copy {
  StartedProgram program;
  HWND list = nullptr;
  std::unique_ptr<e2e::RemoteBuffer> buffer;
  int row = -1;
};

void startCopy(Copy& c, const std::string& folder) {
  c.program.startAndTimeToPainted(join(folder, "wabo.exe"), folder, kMainClass);
  c.list = GetDlgItem(c.program.mainWindow(), IDC_MEMBER_LIST);
  c.buffer = std::make_unique<e2e::RemoteBuffer>(c.program.process(), 4096);
}

// The row whose ID is `id` (LVM_FINDITEM, as the program's own lookup).
int findRow(Copy& c, const std::string& id) {
  LVFINDINFOA find = {};
  find.flags = LVFI_STRING;
  find.psz = reinterpret_cast<LPCSTR>(c.buffer->at(sizeof find));
  c.buffer->write(&find, sizeof find);
  c.buffer->write(id.c_str(), id.size() + 1, sizeof find);
  DWORD_PTR row = 0;
  if (!SendMessageTimeoutA(c.list, LVM_FINDITEMA, static_cast<WPARAM>(-1), c.buffer->at(), SMTO_NORMAL, 5000, &row))
    throw std::runtime_error("the list did not answer LVM_FINDITEM");
  return static_cast<int>(static_cast<LRESULT>(row));
}

std::string cell(Copy& c, int row, int sub) {
  LVITEMA item = {};
  item.iSubItem = sub;
  item.cchTextMax = 256;
  item.pszText = reinterpret_cast<LPSTR>(c.buffer->at(sizeof item));
  c.buffer->write(&item, sizeof item);
  DWORD_PTR n = 0;
  if (!SendMessageTimeoutA(c.list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), c.buffer->at(), SMTO_NORMAL, 5000, &n))
    throw std::runtime_error("the list did not answer LVM_GETITEMTEXT");
  return c.buffer->readText(sizeof item, 255);
}

// True when the member `id` shows `word` as destination; the row is found
// again after a reload has moved it.
bool shows(Copy& c, const std::string& id, const std::string& word) {
  if (c.row < 0 || cell(c, c.row, 0) != id) c.row = findRow(c, id);
  return c.row >= 0 && cell(c, c.row, kDestinationColumn) == word;
}

// B's quick input, sent; the word it writes.
std::string saveOn(Copy& b, int i) {
  const int command = i % 2 == 0 ? CMD_QUICK_INPUT_1 : CMD_QUICK_INPUT_2;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(b.program.mainWindow(), WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_NORMAL, 15000, &answer))
    throw std::runtime_error("B's quick input did not return");
  return i % 2 == 0 ? "出社" : "帰宅";
}

void pauseBetween(int i) { Sleep(300 + static_cast<DWORD>(i * 7919 % 300)); }

void waitForFirstTick(Copy& c, const std::string& id) {
  // The first tick has run once the list can be read and answers lookups.
  ULONGLONG deadline = GetTickCount64() + 20000;
  while (findRow(c, id) < 0)
    if (GetTickCount64() > deadline) throw std::runtime_error("a copy did not show the board");
  Sleep(700);
}

void reportSpread(const char* prefix, const std::vector<double>& ms) {
  result((std::string(prefix) + "_median_ms").c_str(), percentile(ms, 0.5));
  result((std::string(prefix) + "_p95_ms").c_str(), percentile(ms, 0.95));
  result((std::string(prefix) + "_max_ms").c_str(), percentile(ms, 1.0));
}

void measureBoard(Copy& a, Copy& b, const std::string& bId) {
  std::vector<double> seen;
  for (int i = 0; i < kSaves; ++i) {
    const std::string word = saveOn(b, i);
    const LONGLONG saved = counterNow();
    while (!shows(a, bId, word))
      if (millisecondsSince(saved) > kSeenLimitMs) throw std::runtime_error("A did not show B's save within 15 s");
    seen.push_back(millisecondsSince(saved));
    pauseBetween(i);
  }
  reportSpread("watch_board", seen);
}

std::string mailBytes(int i) {
  std::string body = "bench mail " + std::to_string(i);
  for (char& c : body) c = static_cast<char>(c + 1);
  return std::string("BENCHB\x01") + body + "\x01" + "2026/12/07 08:00\x01\x01";
}

void measureMail(Copy& a, const std::string& shared) {
  std::vector<double> seen;
  const std::string path = join(shared, std::string(kMailId) + "0.ml");
  for (int i = 0; i < kMails; ++i) {
    writeFile(path, mailBytes(i));
    const LONGLONG sent = counterNow();
    HWND box = nullptr;
    while ((box = e2e::findTopLevel(a.program.pid(), "#32770", kCaption)) == nullptr)
      if (millisecondsSince(sent) > kSeenLimitMs) throw std::runtime_error("A did not announce the mail within 15 s");
    seen.push_back(millisecondsSince(sent));
    e2e::pressButton(box, IDOK);
    HWND view = nullptr;
    while ((view = e2e::findTopLevel(a.program.pid(), "#32770", kViewTitle)) == nullptr)
      if (millisecondsSince(sent) > 2 * kSeenLimitMs) throw std::runtime_error("A did not show the mail");
    e2e::pressButton(view, IDOK);
    while (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
      if (millisecondsSince(sent) > 3 * kSeenLimitMs) throw std::runtime_error("A did not delete the mail");
    pauseBetween(i);
  }
  reportSpread("watch_mail", seen);
}

void measureBurst(Copy& a, Copy& b) {
  PostedProbe probe(a.program.process(), a.list, 0);
  std::atomic<bool> done{false};
  std::string failure;
  std::thread saver([&] {
    try {
      for (int i = 0; i < kBurstSaves; ++i) saveOn(b, i);
    } catch (const std::exception& e) {
      failure = e.what();
    }
    done = true;
  });
  std::vector<double> waits;
  while (!done) {
    waits.push_back(probe.sample());
    Sleep(5);
  }
  saver.join();
  if (!failure.empty()) throw std::runtime_error(failure);
  result("watch_burst_posted_p99_ms", percentile(waits, 0.99));
  result("watch_burst_posted_max_ms", percentile(waits, 1.0));
  result("watch_burst_samples", static_cast<double>(waits.size()));
}

void measureMany(std::vector<std::unique_ptr<Copy>>& copies, const std::string& bId) {
  std::vector<double> firsts, medians, lasts;
  for (int round = 0; round < kManyRounds; ++round) {
    const std::string word = saveOn(*copies[0], round + 1);
    const LONGLONG saved = counterNow();
    std::vector<double> seen(copies.size(), -1);
    for (std::size_t left = copies.size() - 1; left > 0;) {
      for (std::size_t i = 1; i < copies.size(); ++i) {
        if (seen[i] >= 0 || !shows(*copies[i], bId, word)) continue;
        seen[i] = millisecondsSince(saved);
        --left;
      }
      if (millisecondsSince(saved) > 4 * kSeenLimitMs) throw std::runtime_error("not every copy showed the save");
    }
    seen.erase(seen.begin());
    firsts.push_back(percentile(seen, 0.0));
    medians.push_back(percentile(seen, 0.5));
    lasts.push_back(percentile(seen, 1.0));
    Sleep(1500);
  }
  result("watch_copies", static_cast<double>(copies.size()));
  result("watch_many_first_ms", percentile(firsts, 0.5));
  result("watch_many_median_ms", percentile(medians, 0.5));
  result("watch_many_last_ms", percentile(lasts, 0.5));
  char text[160];
  std::snprintf(text, sizeof text, "many copies, last copy per round (ms): %.0f %.0f %.0f", lasts[0], lasts[1], lasts[2]);
  note(text);
}

}  // namespace

void measureWatch(const std::string& wabo, const std::string& templ, const std::string& work, int copies) {
  const std::string shared = join(work, "watch-shared");
  CreateDirectoryA(shared.c_str(), nullptr);
  copyFile(join(templ, "boad1.csv"), join(shared, "boad1.csv"));
  const std::string bId = readFile(join(templ, "user-id.txt"));

  std::vector<std::unique_ptr<Copy>> running;
  for (int n = 0; n < std::max(copies, 2); ++n) {
    running.push_back(std::make_unique<Copy>());
    // Copy 0 is B, the one who saves; copy 1 is A, who receives the mail.
    const std::string id = n == 0 ? bId : n == 1 ? std::string(kMailId) : "BENCH" + std::to_string(n);
    startCopy(*running.back(), makeCopyFolder(work, shared, n, wabo, templ, id));
    waitForFirstTick(*running.back(), bId);
    if (n == 1) {
      measureBoard(*running[1], *running[0], bId);
      measureMail(*running[1], shared);
      measureBurst(*running[1], *running[0]);
    }
  }
  measureMany(running, bId);
  for (auto& c : running) c->program.close();
}

}  // namespace bench
