// Everything the program holds from start to exit, grouped by owner. The
// shell keeps one AppState; the core's operations take the parts they need.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "app/return_watch.h"
#include "board/board_state.h"
#include "board/edit_buffers.h"
#include "board/shown_board.h"
#include "messaging/mail_state.h"
#include "settings/local_settings.h"
#include "settings/shared_settings.h"

namespace wabo {

struct ListState {
  // 1 when the last sort of that column was descending (per column, not per board).
  std::array<int, kColumnCount> sortDescending{1, 1, 1, 1, 0, 1, 1, 1, 1, 1};
};

struct MainState {
  std::string programFolder;  // without a trailing '\'
  std::string windowsFolder;
  std::string computerName;   // this PC's name, for the board's change history
  int lastLoadResult = -1;    // last checkBoard result
  int firstTick = 1;
  int pcSearchRunning = 0;    // 1 from the start of a PC search to its end message
};

struct AppState {
  LocalSettings local;
  SharedSettings shared;
  BoardState board;
  TimeTexts times;
  EditBuffers edit;
  ListState list;
  MainState main;
  MailState mail;
  // Set while a quick input saves: the history calls its change 一括.
  bool quickInputSaving = false;
  // The members watched for their next change of destination, and the
  // notices that loads found and the shell has not shown yet.
  ReturnWatch returnWatch;
  std::vector<ReturnNotice> returnNotices;

  // The part the board operations work on (board/shown_board.h); its reload
  // is loadBoard (app/board_reload.h).
  operator ShownBoard();

  // Index 0..4 of the board shown; a stored value outside 1..5 counts as 1.
  int boardIndex() const { return local.selectedBoard >= 1 && local.selectedBoard <= kBoardCount ? local.selectedBoard - 1 : 0; }
};

}  // namespace wabo
