#include "harness/inside_probes.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>

#include "harness/program_copy.h"
#include "harness/probes.h"
#include "inside/blocks.h"

namespace e2e {

namespace {

constexpr uint32_t kMenuTextCapacity = 64 * 1024;

const char* baseName(const char* path) {
  const char* slash = std::strrchr(path, '\\');
  return slash ? slash + 1 : path;
}

DWORD runRemoteThread(HANDLE process, unsigned long long start, LPARAM parameter) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(start),
                                     reinterpret_cast<LPVOID>(parameter), 0, nullptr);
  if (!thread) throw HarnessError("CreateRemoteThread failed");
  DWORD code = STILL_ACTIVE;
  bool done = WaitForSingleObject(thread, kStepTimeoutMs) == WAIT_OBJECT_0 && GetExitCodeThread(thread, &code);
  CloseHandle(thread);
  if (!done) throw HarnessError("a thread of the driver's did not finish in the program");
  return code;
}

// Loads `dll` into the program (again: a second load only counts up); the
// address there of `function`: the module's base in the program plus the
// function's offset in a copy mapped here.
unsigned long long loadProbe(HANDLE process, const std::string& dll, const char* function) {
  RemoteBuffer path(process, dll.size() + 1);
  path.write(dll.c_str(), dll.size() + 1);
  runRemoteThread(
      process, reinterpret_cast<unsigned long long>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")),
      path.at());
  HMODULE local = LoadLibraryExA(dll.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  FARPROC address = local ? GetProcAddress(local, function) : nullptr;
  if (!address) throw HarnessError(std::string("cannot find ") + function + " in " + dll);
  auto offset = reinterpret_cast<unsigned long long>(address) - reinterpret_cast<unsigned long long>(local);
  FreeLibrary(local);
  HMODULE modules[1024];
  DWORD needed = 0;
  if (!EnumProcessModulesEx(process, modules, sizeof modules, &needed, LIST_MODULES_ALL))
    throw HarnessError("EnumProcessModulesEx failed");
  for (size_t i = 0; i < needed / sizeof(HMODULE) && i < 1024; ++i) {
    char name[MAX_PATH] = {};
    if (GetModuleFileNameExA(process, modules[i], name, sizeof name) &&
        lstrcmpiA(baseName(name), baseName(dll.c_str())) == 0)
      return reinterpret_cast<unsigned long long>(modules[i]) + offset;
  }
  throw HarnessError(std::string(baseName(dll.c_str())) + " is not loaded in the program");
}

// Runs `function` of insideprobe.dll in the program on `block`; throws unless it returns 0.
void runInside(HANDLE process, const char* function, const RemoteBuffer& block) {
  const unsigned long long start = loadProbe(process, joinPath(driverFolder(), "insideprobe.dll"), function);
  if (DWORD code = runRemoteThread(process, start, block.at()))
    throw HarnessError(std::string(function) + " failed with code " + std::to_string(code));
}

}  // namespace

std::vector<MenuItem> readMenuBar(HANDLE process, HWND window) {
  RemoteBuffer block(process, inside::kMenuHeaderSize + kMenuTextCapacity);
  inside::MenuBlock request = {reinterpret_cast<unsigned long long>(window), kMenuTextCapacity, {}};
  block.write(&request, inside::kMenuHeaderSize);
  runInside(process, "WaboMenuProbe", block);
  const std::string text = block.readText(inside::kMenuHeaderSize, kMenuTextCapacity - 1);

  std::vector<MenuItem> items;
  for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    MenuItem item;
    int textStart = 0;
    if (std::sscanf(text.c_str() + start, "%u %u|%n", &item.id, &item.state, &textStart) != 2 || textStart == 0)
      throw HarnessError("bad line from the menu probe");
    item.text = text.substr(start + textStart, end - start - textStart);
    items.push_back(item);
  }
  return items;
}

const MenuItem& itemById(const std::vector<MenuItem>& items, UINT id) {
  for (const MenuItem& item : items)
    if (item.id == id) return item;
  throw HarnessError("no menu item with command " + std::to_string(id));
}

OpenCounter::OpenCounter(HANDLE process, const std::string& fileName) : process_(process), fileName_(fileName) {
  if (fileName.size() >= sizeof(inside::CountBlock::name)) throw HarnessError("file name too long to count");
  call(true);
}

unsigned OpenCounter::call(bool reset) const {
  inside::CountBlock request = {reset ? 1u : 0u, 0, {}};
  fileName_.copy(request.name, sizeof request.name - 1);
  RemoteBuffer block(process_, sizeof request);
  block.write(&request, sizeof request);
  runInside(process_, "WaboCountOpens", block);
  block.read(&request, sizeof request);
  return request.count;
}

}  // namespace e2e
