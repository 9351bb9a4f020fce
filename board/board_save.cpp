// Saving the shown board under the folder's lock, with one backup
// generation, so that no reader on any PC ever finds the board missing or
// half written.
//
// Order: take lock.dat by an exclusive create (before the board or its
// backup is touched); write the new board to "<board>.new" and check every
// write; with backup on, copy the current board to "<backup>.new"; move the
// new board over the board (one atomic replace: readers see the old file or
// the new one); move the copy over the backup. The old board cannot simply
// be renamed to the backup first, as that would leave the board missing for
// a moment. Any failure before the board is replaced leaves the board and
// the older backup as they were. The lock goes on every way out.
#include <optional>

#include "board/board_bytes.h"
#include "board/board_file.h"
#include "board/board_save.h"
#include "common/checked_file.h"
#include "board/folder_lock.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "common/sjis.h"

namespace wabo {

namespace {

bool saveUnderLock(MemberList& list, AppState& app) {
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
  newBoardStamp(board);
  bool ok = writeFileChecked(newBoard, boardFileBytes(list, board, board.boardStamp));
  if (ok && withBackup) ok = copyFileChecked(path, newBackup);
  if (ok) ok = replaceWithRetries(newBoard, path);
  if (!ok) {
    platform::removeFile(newBoard);
    if (withBackup) platform::removeFile(newBackup);
    // The file still carries the stamp last read or written.
    board.boardStamp = previousStamp;
    return false;
  }
  // The board is saved. Should the backup not take its place, the older
  // backup stays; the save itself has succeeded.
  if (withBackup && !replaceWithRetries(newBackup, backup)) platform::removeFile(newBackup);
  return true;
}

}  // namespace

bool saveBoard(MemberList& list, AppState& app, Ui& ui) {
  const std::string& path = app.board.currentBoardPath;
  if (!platform::fileExists(path)) {
    ui.warn(msg::kSaveLockedOrMissing);
    return false;
  }
  bool saved = false;
  {
    const std::string lockPath = lockFilePath(path);
    // A create that fails while no lock is there means another save has
    // just released it, or the folder cannot be written: a few more
    // attempts tell the two apart.
    std::optional<FolderLock> lock;
    bool lockedByOther = false;
    for (int attempt = 0; attempt < 3 && !lockedByOther; ++attempt) {
      lock.emplace(lockPath);
      if (lock->held()) break;
      lockedByOther = platform::fileExists(lockPath);
    }
    if (!lock->held()) {
      ui.warn(lockedByOther ? msg::kSaveLockedOrMissing : msg::kSaveFailed);
      return false;
    }
    // The board may have gone between the test and the lock.
    if (!platform::fileExists(path)) {
      lock->release();
      ui.warn(msg::kSaveLockedOrMissing);
      return false;
    }
    saved = saveUnderLock(list, app);
  }
  if (!saved) ui.warn(msg::kSaveFailed);
  return saved;
}

}  // namespace wabo
