#include <windows.h>

#include <cstdio>

#include "common/platform_file.h"

namespace wabo::platform {

namespace {
constexpr DWORD kReadStep = 1 << 20;
}  // namespace

bool createExclusive(const std::string& path, const std::string& content) {
  return createNew(path, content) == CreateResult::Created;
}

CreateResult createNew(const std::string& path, const std::string& content) {
  // Shared for reading: a reader that tests for the lock while it is being
  // created must be able to open it, or it would take it for absent.
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD e = GetLastError();
    return e == ERROR_FILE_EXISTS || e == ERROR_ALREADY_EXISTS ? CreateResult::Exists : CreateResult::Failed;
  }
  bool ok = true;
  if (!content.empty()) {
    DWORD written = 0;
    ok = WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
         written == content.size();
  }
  if (!CloseHandle(h)) ok = false;
  if (!ok) DeleteFileA(path.c_str());
  return ok ? CreateResult::Created : CreateResult::Failed;
}

MoveResult moveToNewName(const std::string& from, const std::string& to) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when `to` exists.
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return MoveResult::Moved;
  DWORD e = GetLastError();
  return e == ERROR_ALREADY_EXISTS || e == ERROR_FILE_EXISTS ? MoveResult::Exists : MoveResult::Failed;
}

RemoveResult removeIfHolds(const std::string& path, const std::string& expected, std::size_t maxBytes) {
  // The file read is the file deleted: the deletion goes through the handle
  // that read it, not through its name.
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DWORD e = GetLastError();
    return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND ? RemoveResult::Gone : RemoveResult::Failed;
  }
  std::string held(maxBytes, '\0');
  std::size_t got = 0;
  bool ok = true;
  while (got < maxBytes) {
    DWORD n = 0;
    const std::size_t left = maxBytes - got;
    const DWORD want = left > kReadStep ? kReadStep : static_cast<DWORD>(left);
    if (!ReadFile(h, held.data() + got, want, &n, nullptr)) ok = false;
    if (!ok || n == 0) break;
    got += n;
  }
  held.resize(got);
  RemoveResult result = !ok ? RemoveResult::Failed : held != expected ? RemoveResult::Differs : RemoveResult::Removed;
  if (result == RemoveResult::Removed) {
    FILE_DISPOSITION_INFO disposition = {};
    disposition.DeleteFile = TRUE;
    if (!SetFileInformationByHandle(h, FileDispositionInfo, &disposition, sizeof disposition))
      result = RemoveResult::Failed;
  }
  CloseHandle(h);
  return result;
}

bool replaceFile(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeFile(const std::string& path) {
  if (DeleteFileA(path.c_str())) return true;
  DWORD e = GetLastError();
  return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND;
}

bool fileExists(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

long long fileWriteStamp(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  const FILETIME& t = data.ftLastWriteTime;
  return static_cast<long long>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
}

bool isReadOnly(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string computerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  if (!GetComputerNameA(name, &size)) return "";
  return std::string(name, size < sizeof name ? size : sizeof name - 1);
}

std::string windowsFolder() {
  char buffer[MAX_PATH + 1] = {};
  UINT n = GetWindowsDirectoryA(buffer, 256);
  if (n == 0 || n >= 256) return "";
  std::string folder(buffer, n);
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = !std::ferror(file) && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

void shortPause(int milliseconds) {
  // Waits on the thread's message queue for paint messages only, and
  // handles them: a window that waits for a board lock is still drawn.
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  for (DWORD now = GetTickCount(); static_cast<LONG>(end - now) > 0; now = GetTickCount()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_PAINT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageA(&message);
  }
}

}  // namespace wabo::platform
