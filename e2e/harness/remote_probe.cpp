#include "harness/remote_probe.h"

#include <psapi.h>

#include <cstring>

#include "harness/program_copy.h"
#include "harness/remote_buffer.h"

namespace e2e {

namespace {

const char* baseName(const char* path) {
  const char* slash = std::strrchr(path, '\\');
  return slash ? slash + 1 : path;
}

}  // namespace

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

// The module's base in the program plus the function's offset in a copy
// mapped here.
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

}  // namespace e2e
