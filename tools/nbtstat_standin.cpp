// A stand-in for the system's `nbtstat` in tests of the PC connection search
// (Wine ships none). Placed beside wabo.exe, it is found before the system's.
// It answers "nbtstat -a NAME" from the table nbtstat.tbl in its own folder,
// one line per PC:
//
//   NAME BEHAVIOUR [DELAY_MS]
//
//   answer    the heading of a PC that answered ("... Name Table", with "OS R")
//   noanswer  the short notice of a PC that did not answer
//   nothing   no output at all, as when the command cannot run
//   bigfirst  the heading, then more than 4 KB of further lines
//   biglate   more than 4 KB of lines, then the heading
//   hang      never ends
//
// DELAY_MS is slept before the answer. A name not in the table gets the
// notice. Each call appends its command line to nbtstat.log beside the
// program before it sleeps or answers, so that a test sees which probe runs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kTableLimit = 64 * 1024;
constexpr std::size_t kFloodBytes = 5000;

const char kHeading[] =
    "\r\nLocal Area Connection:\r\nNode IpAddress: [192.168.10.5] Scope Id: []\r\n\r\n"
    "           NetBIOS Remote Machine Name Table\r\n\r\n"
    "       Name               Type         Status\r\n"
    "    ---------------------------------------------\r\n"
    "    PC-STANDIN     <00>  UNIQUE      Registered\r\n\r\n"
    "    MAC Address = 00-11-22-33-44-55\r\n\r\n";
const char kNotice[] =
    "\r\nLocal Area Connection:\r\nNode IpAddress: [192.168.10.5] Scope Id: []\r\n\r\n    Host not found.\r\n\r\n";

std::string ownFolder() {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string full(path, n < MAX_PATH ? n : 0);
  std::size_t cut = full.find_last_of("\\/");
  return cut == std::string::npos ? "." : full.substr(0, cut);
}

void out(const std::string& text) {
  HANDLE h = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD written = 0;
  if (h != nullptr && h != INVALID_HANDLE_VALUE && !text.empty())
    WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string flood() {
  std::string lines;
  while (lines.size() < kFloodBytes) lines += "    filler line of a long answer, without the heading\r\n";
  return lines;
}

void appendLog(const std::string& folder) {
  std::FILE* f = std::fopen((folder + "\\nbtstat.log").c_str(), "ab");
  if (f == nullptr) return;
  std::fprintf(f, "%s\r\n", GetCommandLineA());
  std::fclose(f);
}

struct Entry {
  std::string behaviour = "noanswer";
  unsigned long delayMs = 0;
};

// The table's line for `name` (names compared exactly).
Entry lookUp(const std::string& folder, const std::string& name) {
  Entry entry;
  std::FILE* f = std::fopen((folder + "\\nbtstat.tbl").c_str(), "rb");
  if (f == nullptr) return entry;
  char line[512];
  std::size_t seen = 0;
  while (seen < kTableLimit && std::fgets(line, sizeof line, f) != nullptr) {
    seen += std::strlen(line);
    char key[256] = {}, behaviour[64] = {};
    unsigned long delay = 0;
    int fields = std::sscanf(line, "%255s %63s %lu", key, behaviour, &delay);
    if (fields >= 2 && name == key) {
      entry.behaviour = behaviour;
      entry.delayMs = fields == 3 ? delay : 0;
      break;
    }
  }
  std::fclose(f);
  return entry;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = ownFolder();
  appendLog(folder);
  if (argc != 3 || std::strcmp(argv[1], "-a") != 0) {
    out("\r\nusage: nbtstat -a RemoteName\r\n");
    return 1;
  }
  Entry entry = lookUp(folder, argv[2]);
  if (entry.delayMs > 0) Sleep(entry.delayMs);
  const std::string& b = entry.behaviour;
  if (b == "hang") {
    for (;;) Sleep(INFINITE);
  }
  if (b == "answer") out(kHeading);
  else if (b == "bigfirst") out(kHeading + flood());
  else if (b == "biglate") out(flood() + kHeading);
  else if (b != "nothing") out(kNotice);
  return 0;
}
