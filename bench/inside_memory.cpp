#include "inside_memory.h"

#include <psapi.h>

#include <cctype>
#include <stdexcept>

#include "harness/probes.h"
#include "memory_probe.h"

namespace bench {

namespace {

constexpr DWORD kThreadLimitMs = 10000;

DWORD runRemoteThread(HANDLE process, unsigned long long start, LPARAM parameter) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(start),
                                     reinterpret_cast<LPVOID>(parameter), 0, nullptr);
  if (!thread) throw std::runtime_error("CreateRemoteThread failed");
  DWORD waited = WaitForSingleObject(thread, kThreadLimitMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeThread(thread, &code);
  CloseHandle(thread);
  if (waited != WAIT_OBJECT_0) throw std::runtime_error("the remote thread did not finish");
  return code;
}

std::string lowerBaseName(const std::string& path) {
  std::size_t cut = path.find_last_of("\\/");
  std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

unsigned long long remoteModuleBase(HANDLE process, const std::string& dll) {
  HMODULE modules[1024];
  DWORD needed = 0;
  if (!EnumProcessModulesEx(process, modules, sizeof modules, &needed, LIST_MODULES_ALL))
    throw std::runtime_error("EnumProcessModulesEx failed");
  std::size_t count = needed / sizeof(HMODULE);
  if (count > sizeof modules / sizeof modules[0]) count = sizeof modules / sizeof modules[0];
  for (std::size_t i = 0; i < count; ++i) {
    char name[MAX_PATH] = {};
    if (GetModuleFileNameExA(process, modules[i], name, sizeof name) && lowerBaseName(name) == lowerBaseName(dll))
      return reinterpret_cast<unsigned long long>(modules[i]);
  }
  throw std::runtime_error("the memory probe is not loaded in the program");
}

}  // namespace

MemoryFigures memoryFromInside(HANDLE process, const std::string& probeDll) {
  // Offset of the probe function in the DLL, from a copy mapped here.
  HMODULE local = LoadLibraryExA(probeDll.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!local) throw std::runtime_error("cannot map " + probeDll);
  FARPROC function = GetProcAddress(local, memoryprobe::kProbeFunction);
  unsigned long long offset =
      reinterpret_cast<unsigned long long>(function) - reinterpret_cast<unsigned long long>(local);
  FreeLibrary(local);
  if (!function) throw std::runtime_error(probeDll + " has no probe function");

  e2e::RemoteBuffer path(process, probeDll.size() + 1);
  path.write(probeDll.c_str(), probeDll.size() + 1);
  auto loadLibrary =
      reinterpret_cast<unsigned long long>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
  if (!runRemoteThread(process, loadLibrary, path.at())) throw std::runtime_error("LoadLibraryA of the probe failed");
  unsigned long long probe = remoteModuleBase(process, probeDll) + offset;

  e2e::RemoteBuffer block(process, sizeof(memoryprobe::Block));
  memoryprobe::Block request = {};
  request.status = -1;
  block.write(&request, sizeof request);
  runRemoteThread(process, probe, block.at());
  memoryprobe::Block answer = {};
  block.read(&answer, sizeof answer);
  if (answer.status != 0) throw std::runtime_error("the memory probe could not read the counters");
  MemoryFigures figures;
  figures.privateUsage = static_cast<SIZE_T>(answer.privateUsage);
  figures.workingSet = static_cast<SIZE_T>(answer.workingSet);
  figures.cpuMs = static_cast<double>(answer.cpuTime) / 10000.0;
  return figures;
}

}  // namespace bench
