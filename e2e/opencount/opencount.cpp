// A test-only DLL that the driver loads into the running program to count
// how often the program opens one file: the program's import of the C
// runtime's fopen is pointed at a function that counts the opens of that
// file name and passes every call on unchanged. Under Wine the system
// itself opens a program's files, so no outside view tells which program
// opened them.
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "opencount/count_block.h"

namespace {

using Fopen = FILE*(__cdecl*)(const char*, const char*);

Fopen realFopen = nullptr;
char countedName[260];
volatile LONG opens = 0;

bool namesCountedFile(const char* path) {
  const char* name = path;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/') name = p + 1;
  return countedName[0] != '\0' && lstrcmpiA(name, countedName) == 0;
}

FILE* __cdecl countingFopen(const char* path, const char* mode) {
  if (path != nullptr && namesCountedFile(path)) InterlockedIncrement(&opens);
  return realFopen(path, mode);
}

// Points the program's import of `function` from `dll` at `replacement`.
bool redirectImport(const char* dll, const char* function, void* replacement, void** original) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
    if (lstrcmpiA(reinterpret_cast<char*>(base + imp->Name), dll) != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (strcmp(reinterpret_cast<char*>(byName->Name), function) != 0) continue;
      DWORD old = 0;
      if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old)) return false;
      *original = reinterpret_cast<void*>(slots->u1.Function);
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
      return true;
    }
  }
  return false;
}

}  // namespace

// Thread exit code: 0 done, 1 the program imports no fopen from msvcrt.dll.
extern "C" __declspec(dllexport) DWORD WINAPI WaboCountOpens(LPVOID parameter) {
  auto* block = static_cast<opencount::Block*>(parameter);
  if (realFopen == nullptr &&
      !redirectImport("msvcrt.dll", "fopen", reinterpret_cast<void*>(&countingFopen), reinterpret_cast<void**>(&realFopen)))
    return 1;
  if (block->reset) {
    block->name[sizeof block->name - 1] = '\0';
    memcpy(countedName, block->name, sizeof countedName);
    InterlockedExchange(&opens, 0);
  }
  block->count = static_cast<uint32_t>(opens);
  return 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
