#include "harness/menu_reader.h"

#include <psapi.h>

#include <cstdlib>
#include <cstring>

#include "harness/files.h"
#include "harness/remote_buffer.h"
#include "harness/wait.h"
#include "menuprobe/probe_block.h"

namespace e2e {

namespace {

constexpr size_t kTextCapacity = 64 * 1024;

// Runs a function of the program's process on a thread of its own and
// returns the thread's exit code.
DWORD runRemoteThread(HANDLE process, unsigned long long start, LPARAM parameter) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0,
                                     reinterpret_cast<LPTHREAD_START_ROUTINE>(start),
                                     reinterpret_cast<LPVOID>(parameter), 0, nullptr);
  if (!thread) throw HarnessError("CreateRemoteThread failed");
  DWORD waited = WaitForSingleObject(thread, kStepTimeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeThread(thread, &code);
  CloseHandle(thread);
  if (waited != WAIT_OBJECT_0) throw HarnessError("the remote thread did not finish");
  return code;
}

std::string baseName(const std::string& path) {
  size_t cut = path.find_last_of("\\/");
  std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return name;
}

// Base address of a module of the other process, found by file name.
unsigned long long remoteModuleBase(HANDLE process, const std::string& wanted) {
  HMODULE modules[1024];
  DWORD needed = 0;
  if (!EnumProcessModulesEx(process, modules, sizeof modules, &needed, LIST_MODULES_ALL))
    throw HarnessError("EnumProcessModulesEx failed");
  size_t count = needed / sizeof(HMODULE);
  if (count > sizeof modules / sizeof modules[0]) count = sizeof modules / sizeof modules[0];
  for (size_t i = 0; i < count; ++i) {
    char name[MAX_PATH] = {};
    if (GetModuleFileNameExA(process, modules[i], name, sizeof name) &&
        baseName(name) == baseName(wanted))
      return reinterpret_cast<unsigned long long>(modules[i]);
  }
  throw HarnessError("menuprobe.dll is not loaded in the program");
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    if (end == std::string::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

MenuReader::MenuReader(HANDLE process) : process_(process) {}

MenuReader::~MenuReader() = default;

void MenuReader::inject() {
  if (probeAddress_) return;
  const std::string dll = menuProbePath();
  if (!fileExists(dll)) throw HarnessError("missing " + dll);

  // Offset of the probe function inside the DLL, from a copy mapped here.
  HMODULE local = LoadLibraryExA(dll.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!local) throw HarnessError("cannot map " + dll);
  FARPROC function = GetProcAddress(local, menuprobe::kProbeFunction);
  unsigned long long offset =
      reinterpret_cast<unsigned long long>(function) - reinterpret_cast<unsigned long long>(local);
  FreeLibrary(local);
  if (!function) throw HarnessError("menuprobe.dll has no probe function");

  RemoteBuffer path(process_, dll.size() + 1);
  path.write(dll.c_str(), dll.size() + 1);
  auto loadLibrary = reinterpret_cast<unsigned long long>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
  if (!runRemoteThread(process_, loadLibrary, path.at()))
    throw HarnessError("LoadLibraryA of menuprobe.dll failed in the program");
  probeAddress_ = remoteModuleBase(process_, dll) + offset;
}

std::vector<MenuItem> MenuReader::run(unsigned long long target, unsigned mode) {
  inject();
  RemoteBuffer block(process_, menuprobe::kHeaderSize + kTextCapacity);
  menuprobe::Block request = {};
  request.target = target;
  request.mode = mode;
  request.capacity = static_cast<uint32_t>(kTextCapacity);
  request.status = menuprobe::kNotRun;
  block.write(&request, menuprobe::kHeaderSize);
  runRemoteThread(process_, probeAddress_, block.at());

  menuprobe::Block answer = {};
  block.read(&answer, menuprobe::kHeaderSize);
  if (answer.status == menuprobe::kNoMenu) throw HarnessError("the program has no such menu");
  if (answer.status != menuprobe::kOk) throw HarnessError("the menu probe failed");
  if (answer.used > kTextCapacity) throw HarnessError("the menu probe wrote too much");
  std::string text(answer.used, '\0');
  if (answer.used) block.read(&text[0], answer.used, menuprobe::kHeaderSize);

  std::vector<MenuItem> items;
  for (const std::string& record : split(text, menuprobe::kRecordSeparator)) {
    if (record.empty()) continue;
    std::vector<std::string> f = split(record, menuprobe::kFieldSeparator);
    if (f.size() != 7) throw HarnessError("bad record from the menu probe");
    MenuItem item;
    item.depth = std::atoi(f[0].c_str());
    item.position = std::atoi(f[1].c_str());
    item.id = static_cast<UINT>(std::strtoul(f[2].c_str(), nullptr, 10));
    item.state = static_cast<UINT>(std::strtoul(f[3].c_str(), nullptr, 10));
    item.type = static_cast<UINT>(std::strtoul(f[4].c_str(), nullptr, 10));
    item.hasSubmenu = f[5] == "1";
    item.text = f[6];
    items.push_back(item);
  }
  return items;
}

std::vector<MenuItem> MenuReader::menuBar(HWND window) {
  return run(reinterpret_cast<unsigned long long>(window), menuprobe::kMenuOfWindow);
}

std::vector<MenuItem> MenuReader::menu(HMENU handle) {
  return run(reinterpret_cast<unsigned long long>(handle), menuprobe::kMenuHandle);
}

const MenuItem& itemById(const std::vector<MenuItem>& items, UINT id) {
  for (const MenuItem& item : items)
    if (!item.hasSubmenu && !item.separator() && item.id == id) return item;
  throw HarnessError("no menu item with command " + std::to_string(id));
}

std::vector<MenuItem> popupItems(const std::vector<MenuItem>& items, int barPosition) {
  std::vector<MenuItem> out;
  bool inside = false;
  for (const MenuItem& item : items) {
    if (item.depth == 0) {
      inside = item.position == barPosition;
      continue;
    }
    if (inside && item.depth == 1) out.push_back(item);
  }
  return out;
}

}  // namespace e2e
