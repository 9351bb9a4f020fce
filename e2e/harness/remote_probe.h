// Test-only DLLs that the driver loads into the running program and whose
// functions it runs there on a thread of its own (CreateRemoteThread). Under
// Wine another process can neither read a program's menus nor see which
// files it opens; a probe inside can. The program itself has no test hooks.
#pragma once
#include <windows.h>

#include <string>

namespace e2e {

// Loads `dll` into the program (again: a second load only counts up) and
// returns the address there of its exported `function`.
unsigned long long loadProbe(HANDLE process, const std::string& dll, const char* function);

// Runs the function at `start` in the program with `parameter`; its exit code.
DWORD runRemoteThread(HANDLE process, unsigned long long start, LPARAM parameter);

}  // namespace e2e
