#include "app/admin_commands.h"

#include "board/board_file.h"
#include "board/board_save.h"
#include "board/folder_lock.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "settings/column_captions.h"
#include "settings/shared_settings.h"

namespace wabo {

namespace {

// Puts `change` into the shared settings and writes Wabo.ini. When the file
// cannot be written, the settings in memory go back to what they were (the
// file still holds those) and the administrator is told.
template <typename Change>
bool storeSharedSettings(AdminContext& ctx, Change change) {
  SharedSettings& shared = ctx.board.app.shared;
  const SharedSettings before = shared;
  change(shared);
  if (saveSharedSettings(shared, ctx.sharedSettingsPath)) return true;
  shared = before;
  ctx.board.ui.warn(msg::kSharedSettingsNotWritten);
  return false;
}

}  // namespace

// 40041: the board menu, currentBoardPath, the title and a fresh look at
// the board shown, which may now be another file.
void boardSettingsCommand(AdminContext& ctx) {
  AppState& app = ctx.board.app;
  BoardSettingsFields fields;
  fields.boardNames = app.shared.boardNames;
  fields.boardPaths = app.shared.boardPaths;
  fields.createBoardFile = [&ctx](NewBoardKind kind, const std::string& path, Ui& ui) {
    createBoardFile(ctx.board, kind, path, ui);
  };
  if (ctx.dialogs.boardSettingsDialog(fields) != 0) return;
  bool stored = storeSharedSettings(ctx, [&](SharedSettings& shared) {
    shared.boardNames = fields.boardNames;
    shared.boardPaths = fields.boardPaths;
  });
  if (!stored) return;

  ctx.menu.refreshBoardMenu();
  app.main.lastLoadResult = checkBoard(app.board, ctx.board.ui);
  if (app.main.lastLoadResult == kChanged) {
    ctx.board.view.reloadBoard();
  } else if (app.main.lastLoadResult == kUnchanged) {
    stampCheckTime(app.times);
  } else {
    ctx.board.ui.warn(msg::kBoardMissingOrLocked);
  }
  ctx.board.view.showUpdateTime();
}

void destinationListCommand(AdminContext& ctx) {
  DestinationListFields fields;
  fields.destinationList = ctx.board.app.shared.destinationList;
  if (ctx.dialogs.destinationListDialog(fields) != 0) return;
  storeSharedSettings(ctx, [&](SharedSettings& shared) { shared.destinationList = fields.destinationList; });
}

void otherSettingsCommand(AdminContext& ctx) {
  const SharedSettings& shared = ctx.board.app.shared;
  OtherSettingsFields fields;
  fields.backupEnabled = shared.backupEnabled == 1 ? 1 : 0;
  fields.askUserIdAtStart = shared.askUserIdAtStart == 1 ? 1 : 0;
  fields.pcSearchAllowed = shared.pcSearchAllowed != 0 ? 1 : 0;
  fields.mailFolder = shared.mailFolder;
  if (ctx.dialogs.otherSettingsDialog(fields) != 0) return;
  storeSharedSettings(ctx, [&](SharedSettings& s) {
    s.backupEnabled = fields.backupEnabled;
    s.askUserIdAtStart = fields.askUserIdAtStart;
    s.pcSearchAllowed = fields.pcSearchAllowed;
    s.mailFolder = fields.mailFolder;
  });
}

// 40045: the captions go into the board file of the board shown, by the
// same checked and locked save as every change of a row. Should another
// copy save while the administrator reads the comma message, the save
// reloads its board and takes the changed captions over it again, so
// neither that copy's edit nor the rename is lost.
void columnNamesCommand(AdminContext& ctx) {
  BoardState& board = ctx.board.app.board;
  ColumnNamesFields fields;
  fields.columnNames = board.columnNames;
  const ColumnCaptions shown = fields.columnNames;
  if (ctx.dialogs.columnNamesDialog(fields) != 0) return;
  if (!preSaveCheck(ctx.board)) return;
  ColumnCaptions inFile = board.columnNames;  // as last loaded
  if (takeTypedCaptions(shown, fields.columnNames, board.columnNames)) ctx.board.ui.inform(msg::kCommaConverted);
  const BoardChange takeCaptionsAgain = [&](MemberList&) -> const char* {
    inFile = board.columnNames;  // just reloaded
    takeTypedCaptions(shown, fields.columnNames, board.columnNames);
    return nullptr;
  };
  if (saveBoard(ctx.board.list, ctx.board.app, ctx.board.ui, takeCaptionsAgain)) {
    ctx.board.view.reloadBoard();
  } else {
    // Not in the file: the captions must not ride along with the next save
    // of some other change either.
    board.columnNames = inFile;
  }
  showBoardAfterSave(ctx.board);
}

bool createBoardFile(BoardCommandContext& ctx, NewBoardKind kind, const std::string& path, Ui& ui) {
  if (path.empty()) return false;
  auto write = [&] {
    return kind == NewBoardKind::fromDisplay ? writeBoardFromDisplay(ctx.list, ctx.app, path)
                                             : writeEmptyBoard(ctx.app, path);
  };
  bool written = false;
  if (platform::fileExists(path)) {
    // The user has agreed to replace it; another member may be saving it.
    FolderLock lock(lockFilePath(path));
    if (!lock.held()) {
      ui.warn(msg::kSaveLockedOrMissing);
      return false;
    }
    written = write();
  } else {
    written = write();
  }
  if (!written) ui.warn(msg::kSaveFailed);
  return written;
}

}  // namespace wabo
