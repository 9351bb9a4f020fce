// Saving the shown board under the folder's lock, with one backup
// generation, so that no reader on any PC ever finds the board missing or
// half written, and no save writes over another copy's change.
//
// Order: take lock.dat by an exclusive create (waiting a moment while
// another copy holds it); look at the board file as it is now: when its
// bytes are not those this copy last loaded or wrote, another copy has
// saved meanwhile, so reload the board and make the pending change again
// on the reloaded rows, still under the lock, so that no further save can
// come in between; write the new board to "<board>.new" and check every
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
#include "board/board_history.h"
#include "board/board_save.h"
#include "board/folder_lock.h"
#include "board/history_file.h"
#include "board/lock_wait.h"
#include "common/checked_file.h"
#include "common/clock.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "common/sjis.h"

namespace wabo {

namespace {

// How long a copy leaves the lock to the others after its own save before
// it takes the lock again. A copy whose saves follow one another without a
// pause (quick inputs pressed in a row) took it back within a millisecond
// of letting it go, and a copy waiting for it, which looks every few
// milliseconds (every timer period, about 16 ms, on Windows), could miss
// every gap until its wait was over and refuse its save. Only saves that
// follow a save of the same copy this closely wait at all.
constexpr int kTurnForOthersMs = 25;

void leaveOthersTheirTurn(const BoardState& board) {
  const auto turnEnds = board.lockReleasedAt + std::chrono::milliseconds(kTurnForOthersMs);
  const auto now = std::chrono::steady_clock::now();
  if (now >= turnEnds) return;
  platform::shortPause(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(turnEnds - now).count()));
}

// Takes lock.dat; nullptr when held, else the refusal to show. A create
// can fail while no lock is to be seen: another save is just deleting its
// lock (Windows neither opens nor creates a file while its deletion is
// pending), or the folder cannot be written. Both are tried again until the
// wait is over; a lock never seen means the folder could not be written.
const char* takeLock(const std::string& lockPath, std::optional<FolderLock>& lock) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMs);
  for (bool lockSeen = false;;) {
    lock.emplace(lockPath);
    if (lock->held()) return nullptr;
    lockSeen = platform::fileExists(lockPath) || lockSeen;
    if (std::chrono::steady_clock::now() >= deadline) return lockSeen ? msg::kSaveLockedOrMissing : msg::kSaveFailed;
    platform::shortPause(2);
  }
}

// The board file as it is now, read under the lock.
struct FileNow {
  FileFingerprint print;  // not known: the file cannot be read
  bool whole = false;     // it ends with its END line and the message line
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
  now.print = fingerprintOfFile(file, &now.whole);
  std::fclose(file);
  return now;
}

// An older copy of the program takes lock.dat by a test and a create a step
// apart and rewrites the board in place, so it can be writing while this
// save holds lock.dat: the board is then cut short. Such a board is looked
// at again for as long as a lock is waited for. One that stays cut is no
// base for a save (the rows after the cut would go) until this copy has
// seen it unchanged for kCutBoardTakenMs of its own clock: its writer has
// stopped, and the board is taken as it is. nullptr when `now` may be saved over.
constexpr std::int64_t kCutBoardTakenMs = 2000;

const char* waitUntilWhole(const std::string& path, BoardState& board, FileNow& now) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kLockWaitMs);
  while (!now.whole && std::chrono::steady_clock::now() < deadline) {
    platform::shortPause(5);
    now = lookAtBoard(path);
  }
  if (now.whole) return nullptr;
  if (!now.print.known) return msg::kSaveLockedOrMissing;
  const std::int64_t seenAt = steadyMillis();
  if (board.cutSeen != now.print) {
    board.cutSeen = now.print;
    board.cutSeenSince = seenAt;
  }
  return seenAt - board.cutSeenSince >= kCutBoardTakenMs ? nullptr : msg::kSaveLockedOrMissing;
}

// The list's redraw, held from a reload under the lock until the lock has
// gone: the other copies wait for the file, not for the screen. A save that
// finds the file as this copy left it changes nothing in the list (its
// change is on screen already, row by row) and holds nothing: turning the
// redraw back on would repaint the whole list, frame and all.
class HeldRedraw {
 public:
  explicit HeldRedraw(MemberList& list) : list_(list) {}
  HeldRedraw(const HeldRedraw&) = delete;
  HeldRedraw& operator=(const HeldRedraw&) = delete;
  ~HeldRedraw() { release(); }
  void hold() {
    if (!held_) list_.beginBulkUpdate();
    held_ = true;
  }
  void release() {
    if (held_) list_.endBulkUpdate();
    held_ = false;
  }

 private:
  MemberList& list_;
  bool held_ = false;
};

// Another copy has saved since this one last loaded or wrote: its rows are
// loaded while the lock is held (so that this copy gets them all, however
// busy the others are) and the pending change is made on them again; the
// write that follows stamps over the file's stamp. A change whose row has
// gone is refused, and nothing is written.
const char* catchUp(MemberList& list, const ShownBoard& shown, const BoardChange* change, FileNow& now,
                    HeldRedraw& redraw) {
  // Without the change at hand, writing the list would undo the other save.
  if (change == nullptr) return msg::kSaveFailed;
  redraw.hold();
  if (!shown.reload(list) || shown.board.fileSeen != now.print) return msg::kSaveLockedOrMissing;
  now.stampKnown = true;
  now.stamp = shown.board.boardStamp;
  return (*change)(list);
}

// The lines of what this save changed, appended to the board's history
// while the lock is still held, so that the history's order is the boards'.
// The rows compared with are those this copy last loaded or wrote, which
// are the file's rows under the lock (or those a catch-up read). A history
// that cannot be written costs the save nothing; this copy notes it.
void recordHistory(const ShownBoard& shown, BoardContent&& written) {
  BoardState& board = shown.board;
  if (board.contentSeen.known) {
    const std::vector<HistoryChange> changes = boardChanges(board.contentSeen, written, shown.quickInput);
    const std::string lines = historyLines(formatNow("%Y/%m/%d %H:%M:%S"), shown.author, changes);
    if (!appendHistory(historyPath(board.currentBoardPath), lines)) board.historyIncomplete = true;
  }
  board.contentSeen = std::move(written);
}

bool writeUnderLock(MemberList& list, const ShownBoard& shown, const FileNow& now) {
  BoardState& board = shown.board;
  const std::string& path = board.currentBoardPath;
  const std::string newBoard = path + ".new";
  const std::string backup = backupPath(path);
  const std::string newBackup = backup + ".new";
  // A board file named like its own backup ("x.bak", "x.bak.new") gets no
  // backup: the copy would overwrite the board itself.
  const bool withBackup = shown.backupEnabled && !sjis::equalsIgnoreCase(backup, path) &&
                          !sjis::equalsIgnoreCase(newBackup, path);

  const std::int32_t previousStamp = board.boardStamp;
  // Never the stamp the file holds: every other copy's check must see the change.
  if (now.stampKnown) newBoardStampOver(board, now.stamp);
  else newBoardStamp(board);
  BoardContent written = boardContent(list, board);
  const std::string bytes = boardFileBytes(written, board.boardStamp);
  bool ok = writeFileChecked(newBoard, bytes);
  if (ok && withBackup) ok = copyFileChecked(path, newBackup);
  // A reader that opened the board before the lock was taken may still hold
  // it open (Windows refuses the replace meanwhile); new readers wait for
  // the lock, so it is worth waiting as long as they would.
  if (ok) ok = replaceWithRetries(newBoard, path, kLockWaitMs);
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
  recordHistory(shown, std::move(written));
  return true;
}

const char* saveUnderLock(MemberList& list, const ShownBoard& shown, const BoardChange* change, bool& released,
                          HeldRedraw& redraw) {
  BoardState& board = shown.board;
  const std::string& path = board.currentBoardPath;
  if (!platform::fileExists(path)) return msg::kSaveLockedOrMissing;
  leaveOthersTheirTurn(board);
  std::optional<FolderLock> lock;
  if (const char* refusal = takeLock(lockFilePath(path), lock)) return refusal;
  const char* refusal = nullptr;
  FileNow now = lookAtBoard(path);
  if (!now.print.known) {
    refusal = msg::kSaveLockedOrMissing;  // gone between the test and the lock
  } else {
    refusal = waitUntilWhole(path, board, now);
    if (refusal == nullptr && now.print != board.fileSeen) refusal = catchUp(list, shown, change, now, redraw);
  }
  if (refusal == nullptr && holdsEndId(list)) refusal = msg::kIdIsEnd;
  if (refusal == nullptr && !writeUnderLock(list, shown, now)) refusal = msg::kSaveFailed;
  released = lock->release();
  board.lockReleasedAt = std::chrono::steady_clock::now();
  return refusal;
}

bool save(MemberList& list, const ShownBoard& shown, Ui& ui, const BoardChange* change) {
  bool released = true;
  HeldRedraw redraw(list);
  const char* refusal = saveUnderLock(list, shown, change, released, redraw);
  redraw.release();
  if (refusal != nullptr) {
    ui.warn(refusal);
    return false;
  }
  // Saved, but every copy is locked out of the folder until lock.dat goes.
  if (!released) ui.warn(msg::kLockLeft);
  return true;
}

}  // namespace

bool saveBoard(MemberList& list, const ShownBoard& shown, Ui& ui) { return save(list, shown, ui, nullptr); }

bool saveBoard(MemberList& list, const ShownBoard& shown, Ui& ui, const BoardChange& change) {
  return save(list, shown, ui, &change);
}

bool applyAndSave(MemberList& list, const ShownBoard& shown, Ui& ui, const BoardChange& change) {
  if (const char* refusal = change(list)) {
    ui.warn(refusal);
    return false;
  }
  return saveBoard(list, shown, ui, change);
}

}  // namespace wabo
