// The few file operations that differ between Windows and POSIX. The core
// calls these and stays free of <windows.h>; platform_file_posix.cpp serves the
// native build, platform_file_win32.cpp the program.
#pragma once
#include <cstdio>
#include <string>

namespace wabo::platform {

// Creates `path` only if it does not exist yet (exclusive create), writes
// `content` into it and closes it. Other programs may open the file while it
// is being created. False if it exists or cannot be created or written (a
// file that could not be written is removed again).
bool createExclusive(const std::string& path, const std::string& content = std::string());

// The same, telling a name that is taken already (by a file or anything
// else) from a create that failed for another reason.
enum class CreateResult { Created, Exists, Failed };
CreateResult createNew(const std::string& path, const std::string& content);

// Moves `from` to the name `to` only if no file has that name yet (never
// replacing one): the file appears under `to` with all it holds, or not at
// all. On Exists and Failed `from` stays where it was.
enum class MoveResult { Moved, Exists, Failed };
MoveResult moveToNewName(const std::string& from, const std::string& to);

// Deletes `path` only if the file there still holds `expected` (its first
// `maxBytes` bytes are compared) and is still the file that was read: a file
// put in its place meanwhile is left alone.
enum class RemoveResult { Removed, Differs, Gone, Failed };
RemoveResult removeIfHolds(const std::string& path, const std::string& expected, std::size_t maxBytes);

// Moves `from` over `to`, replacing `to` if it exists. False on failure;
// `from` and `to` are then as they were.
bool replaceFile(const std::string& from, const std::string& to);

// Deletes `path`. True if it is gone afterwards (a missing file counts).
bool removeFile(const std::string& path);

// True if `path` can be opened for reading.
bool fileExists(const std::string& path);

// The time `path` was last written, in the file system's own units, as
// another PC's clock set it: good only for telling whether the file was
// written again, never for its age. -1 when it cannot be looked at.
long long fileWriteStamp(const std::string& path);

// True if `path` exists and is marked read-only: the read-only attribute on
// Windows, no write permission bit at all on POSIX. A replace by rename
// would not ask, so writers that mean to honour the mark test it first.
bool isReadOnly(const std::string& path);

// The Windows folder without a trailing separator ("" where there is none).
std::string windowsFolder();

// This PC's name as the network knows it ("" when it cannot be had).
std::string computerName();

// Creates or truncates `path` and writes `bytes` into it; the writes, the
// flush and the close are checked. False on any failure; a partial file may
// be left for the caller to remove.
bool writeWholeFile(const std::string& path, const std::string& bytes);

// The next byte of `file`, or EOF, without the lock that getc takes at every
// call: for a stream that only the calling thread uses. Reading a board byte
// by byte with getc costs ten times as much under Wine's C runtime.
inline int nextByteUnlocked(std::FILE* file) {
#if defined(_WIN32)
  return _getc_nolock(file);
#else
  return getc_unlocked(file);
#endif
}

// Sleeps a few milliseconds; used only by bounded waits in the core. The
// program's windows are repainted meanwhile (only paint messages are
// handled, so no command or timer tick runs in between).
void shortPause(int milliseconds);

}  // namespace wabo::platform
