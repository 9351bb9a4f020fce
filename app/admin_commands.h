// The administrator commands of the 管理者設定 menu: 40041 boards, 40030
// destination list, 40045 column names, 40044 other settings. Each opens
// its dialog; on OK the shared settings are written to Wabo.ini (the
// column names instead go into the board file of the board shown).
//
// Wabo.ini is written beside and then moved over the old file, so a write
// either stores every value or none. When it fails, the administrator is
// told and the program's settings stay as they were: what this program
// uses is always what the file holds.
#pragma once
#include <string>

#include "app/board_commands.h"
#include "settings/admin_dialog_fields.h"

namespace wabo {

class AdminDialogs {
 public:
  virtual ~AdminDialogs() = default;
  // Each runs modally over the main window: 0 accepted (OK and Yes to the
  // question), 1 cancelled.
  virtual int boardSettingsDialog(BoardSettingsFields& fields) = 0;        // 324
  virtual int destinationListDialog(DestinationListFields& fields) = 0;    // 300
  virtual int columnNamesDialog(ColumnNamesFields& fields) = 0;            // 336
  virtual int otherSettingsDialog(OtherSettingsFields& fields) = 0;        // 337
};

// The main window after new board settings.
class BoardMenuView {
 public:
  virtual ~BoardMenuView() = default;
  // Relabels the board menu with boardNames, greys boards without a path,
  // copies the shown board's path into currentBoardPath and sets the title.
  virtual void refreshBoardMenu() = 0;
};

struct AdminContext {
  BoardCommandContext& board;  // list, state, message boxes of the main window, view
  AdminDialogs& dialogs;
  BoardMenuView& menu;
  std::string sharedSettingsPath;  // where Wabo.ini is written
};

void destinationListCommand(AdminContext& ctx);  // 40030
void boardSettingsCommand(AdminContext& ctx);     // 40041: then the board menu, title and a look at the board
void otherSettingsCommand(AdminContext& ctx);     // 40044
void columnNamesCommand(AdminContext& ctx);       // 40045

// The creation buttons of the board settings: writes a new board file at
// `path`. A file that exists there is replaced only under the lock of its
// folder, so a board that another member is saving is never replaced;
// refusals and failures are told through `ui`. False when nothing was written.
bool createBoardFile(BoardCommandContext& ctx, NewBoardKind kind, const std::string& path, Ui& ui);

}  // namespace wabo
