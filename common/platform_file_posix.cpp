#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <thread>

#include "common/platform_file.h"
#include "common/platform_file_faults.h"

namespace wabo::platform {

namespace {

FileFaults faults;
std::chrono::steady_clock::time_point faultsPlanned;

bool plannedReadOnly(const std::string& path) { return !path.empty() && path == faults.readOnlyFile; }

bool failsDelete(const std::string& path) {
  if (plannedReadOnly(path)) return true;
  if (path.empty() || path != faults.undeletableFile) return false;
  if (faults.undeletableTimes < 0) return true;
  return faults.undeletableTimes > 0 && faults.undeletableTimes-- > 0;
}

bool heldOpen(const std::string& path) {
  return !path.empty() && path == faults.heldOpenFile &&
         std::chrono::steady_clock::now() - faultsPlanned < std::chrono::milliseconds(faults.heldOpenMs);
}

}  // namespace

void setFileFaultsForTests(const FileFaults& planned) {
  faults = planned;
  faultsPlanned = std::chrono::steady_clock::now();
}

// Tests on Linux write '\' in paths as the program does; the core treats '/'
// as a separator too, so the real temporary folders of the tests use '/'.
bool createExclusive(const std::string& path, const std::string& content) {
  return createNew(path, content) == CreateResult::Created;
}

CreateResult createNew(const std::string& path, const std::string& content) {
  int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0644);
  if (fd < 0) return errno == EEXIST ? CreateResult::Exists : CreateResult::Failed;
  std::size_t allowed = content.size();
  if (faults.newFileBytes >= 0 && static_cast<unsigned long long>(faults.newFileBytes) < allowed) {
    allowed = static_cast<std::size_t>(faults.newFileBytes);  // the disk is full here
  }
  bool ok = allowed == content.size();
  for (std::size_t done = 0; done < allowed;) {
    ssize_t n = ::write(fd, content.data() + done, allowed - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else {
      ok = false;
      break;
    }
  }
  if (::close(fd) != 0) ok = false;
  if (!ok) ::unlink(path.c_str());
  return ok ? CreateResult::Created : CreateResult::Failed;
}

MoveResult moveToNewName(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return MoveResult::Moved;
  if (errno == EEXIST) return MoveResult::Exists;
  if (errno != EINVAL && errno != ENOSYS) return MoveResult::Failed;
  // A file system without the no-replace rename: a second name made only if
  // it is free, then the first one dropped.
  if (::link(from.c_str(), to.c_str()) != 0) return errno == EEXIST ? MoveResult::Exists : MoveResult::Failed;
  ::unlink(from.c_str());
  return MoveResult::Moved;
}

RemoveResult removeIfHolds(const std::string& path, const std::string& expected, std::size_t maxBytes) {
  int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return errno == ENOENT ? RemoveResult::Gone : RemoveResult::Failed;
  std::string held(maxBytes, '\0');
  std::size_t got = 0;
  for (ssize_t n; got < maxBytes && (n = ::read(fd, held.data() + got, maxBytes - got)) != 0;) {
    if (n > 0) {
      got += static_cast<std::size_t>(n);
    } else if (errno != EINTR) {
      ::close(fd);
      return RemoveResult::Failed;
    }
  }
  held.resize(got);
  struct stat opened, named;
  const bool same = ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
                    opened.st_ino == named.st_ino;
  ::close(fd);
  if (held != expected || !same) return RemoveResult::Differs;
  if (failsDelete(path)) return RemoveResult::Failed;
  if (::unlink(path.c_str()) == 0) return RemoveResult::Removed;
  return errno == ENOENT ? RemoveResult::Gone : RemoveResult::Failed;
}

bool replaceFile(const std::string& from, const std::string& to) {
  if (plannedReadOnly(to) || heldOpen(to)) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

bool removeFile(const std::string& path) {
  if (failsDelete(path)) return false;
  return std::remove(path.c_str()) == 0 || errno == ENOENT;
}

bool writeWholeFile(const std::string& path, const std::string& bytes) {
  if (faults.writeMilliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(faults.writeMilliseconds));
  if (plannedReadOnly(path)) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  std::size_t allowed = bytes.size();
  if (faults.writableBytes >= 0 && static_cast<unsigned long long>(faults.writableBytes) < allowed) {
    allowed = static_cast<std::size_t>(faults.writableBytes);  // the disk fills up here
  }
  if (faults.writableBytes >= 0) faults.writableBytes -= static_cast<long long>(allowed);
  bool ok = std::fwrite(bytes.data(), 1, allowed, file) == allowed && allowed == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = !std::ferror(file) && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

bool fileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

long long fileWriteStamp(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return -1;
  return static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
}

bool isReadOnly(const std::string& path) {
  if (plannedReadOnly(path)) return true;
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return false;
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::string windowsFolder() { return ""; }

std::string computerName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return "";
  return name;
}

void shortPause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

}  // namespace wabo::platform
