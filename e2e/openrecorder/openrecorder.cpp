// Stands in for the program the system opens documents and web pages with:
// appends its command line, one per line, to opened.txt beside itself.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  char* slash = std::strrchr(path, '\\');
  if (slash == nullptr) return 1;
  std::strcpy(slash + 1, "opened.txt");
  FILE* out = std::fopen(path, "ab");
  if (out == nullptr) return 1;
  std::fprintf(out, "%s\r\n", GetCommandLineA());
  std::fclose(out);
  return 0;
}
