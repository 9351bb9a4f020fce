// Saving the shown board under the folder's lock, with one backup
// generation, so that no reader on any PC ever finds the board missing or
// half written, and no save writes over another copy's change.
//
// Order: take lock.dat by an exclusive create (waiting a moment while
// another copy holds it); look at the board file as it is now: when its
// bytes are not those this copy last loaded or wrote, another copy has
// saved meanwhile, so reload it and make the pending change again on the
// reloaded rows; write the new board to "<board>.new" and check every
// write; with backup on, copy the current board to "<backup>.new"; move the
// new board over the board (one atomic replace: readers see the old file or
// the new one); move the copy over the backup. Any failure before the
// board is replaced leaves the board and the older backup as they were.
// The lock goes on every way out.
#include <chrono>
#include <optional>

#include "board/board_bytes.h"
#include "board/board_file.h"
#include "board/board_fingerprint.h"
#include "board/board_head_line.h"
#include "board/board_save.h"
#include "board/folder_lock.h"
#include "board/lock_wait.h"
#include "common/checked_file.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "common/sjis.h"

namespace wabo {

namespace {

// Takes lock.dat; nullptr when held, else the refusal to show. A create
// that fails while no lock is there means another save has just released
// it, or the folder cannot be written: a few more attempts tell the two
// apart.
const char* takeLock(const std::string& lockPath, std::optional<FolderLock>& lock) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMs);
  for (int failures = 0;;) {
    lock.emplace(lockPath);
    if (lock->held()) return nullptr;
    if (!platform::fileExists(lockPath)) {
      if (++failures >= 3) return msg::kSaveFailed;
      continue;
    }
    if (std::chrono::steady_clock::now() >= deadline) return msg::kSaveLockedOrMissing;
    platform::shortPause(2);
  }
}

// The board file as it is now, read under the lock.
struct FileNow {
  FileFingerprint print;  // not known: the file cannot be read
  bool stampKnown = false;
  std::int32_t stamp = 0;
};

FileNow lookAtBoard(const std::string& path) {
  FileNow now;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return now;
  BoardByteReader reader(file);
  FieldEnd end;
  now.stampKnown = readHeadLine(reader, now.stamp, end) == HeadLine::kOk;
  now.print = fingerprintOfFile(file);
  std::fclose(file);
  return now;
}

// Another copy has saved since this one last loaded or wrote: its rows
// are loaded and the pending change is made on them again.
const char* catchUp(MemberList& list, AppState& app, const BoardChange* change, FileNow& now) {
  // Without the change at hand, writing the list would undo the other save.
  if (change == nullptr) return msg::kSaveFailed;
  if (!loadBoard(list, app, /*underOwnLock=*/true) || app.board.fileSeen != now.print) {
    return msg::kSaveLockedOrMissing;
  }
  now.stampKnown = true;
  now.stamp = app.board.boardStamp;
  return (*change)(list);
}

bool writeUnderLock(MemberList& list, AppState& app, const FileNow& now) {
  BoardState& board = app.board;
  const std::string& path = board.currentBoardPath;
  const std::string newBoard = path + ".new";
  const std::string backup = backupPath(path);
  const std::string newBackup = backup + ".new";
  // A board file named like its own backup ("x.bak", "x.bak.new") gets no
  // backup: the copy would overwrite the board itself.
  const bool withBackup = app.shared.backupEnabled == 1 && !sjis::equalsIgnoreCase(backup, path) &&
                          !sjis::equalsIgnoreCase(newBackup, path);

  const std::int32_t previousStamp = board.boardStamp;
  // Never the stamp the file holds: every other copy's check must see the change.
  if (now.stampKnown) newBoardStampOver(board, now.stamp);
  else newBoardStamp(board);
  const std::string bytes = boardFileBytes(list, board, board.boardStamp);
  bool ok = writeFileChecked(newBoard, bytes);
  if (ok && withBackup) ok = copyFileChecked(path, newBackup);
  if (ok) ok = replaceWithRetries(newBoard, path);
  if (!ok) {
    platform::removeFile(newBoard);
    if (withBackup) platform::removeFile(newBackup);
    // The file still carries the stamp last read or written.
    board.boardStamp = previousStamp;
    return false;
  }
  board.fileSeen = fingerprintOf(bytes);
  // The board is saved. Should the backup not take its place, the older
  // backup stays; the save itself has succeeded.
  if (withBackup && !replaceWithRetries(newBackup, backup)) platform::removeFile(newBackup);
  return true;
}

bool save(MemberList& list, AppState& app, Ui& ui, const BoardChange* change) {
  const std::string& path = app.board.currentBoardPath;
  if (!platform::fileExists(path)) {
    ui.warn(msg::kSaveLockedOrMissing);
    return false;
  }
  std::optional<FolderLock> lock;
  if (const char* refusal = takeLock(lockFilePath(path), lock)) {
    ui.warn(refusal);
    return false;
  }
  const char* refusal = nullptr;
  FileNow now = lookAtBoard(path);
  if (!now.print.known) {
    refusal = msg::kSaveLockedOrMissing;  // gone between the test and the lock
  } else if (now.print != app.board.fileSeen) {
    refusal = catchUp(list, app, change, now);
  }
  if (refusal == nullptr && holdsEndId(list)) refusal = msg::kIdIsEnd;
  if (refusal == nullptr && !writeUnderLock(list, app, now)) refusal = msg::kSaveFailed;
  const bool released = lock->release();
  if (refusal != nullptr) {
    ui.warn(refusal);
    return false;
  }
  // Saved, but every copy is locked out of the folder until lock.dat goes.
  if (!released) ui.warn(msg::kLockLeft);
  return true;
}

}  // namespace

bool saveBoard(MemberList& list, AppState& app, Ui& ui) { return save(list, app, ui, nullptr); }

bool saveBoard(MemberList& list, AppState& app, Ui& ui, const BoardChange& change) {
  return save(list, app, ui, &change);
}

bool applyAndSave(MemberList& list, AppState& app, Ui& ui, const BoardChange& change) {
  if (const char* refusal = change(list)) {
    ui.warn(refusal);
    return false;
  }
  return saveBoard(list, app, ui, change);
}

}  // namespace wabo
