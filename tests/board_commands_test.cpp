// The board commands (and the in-place ID edit) with scripted dialogs over
// the in-memory list and real board files.
#include <gtest/gtest.h>

#include "app/id_edit_command.h"
#include "board/board_bytes.h"
#include "common/clock.h"
#include "common/messages.h"
#include "members/message_form.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;
const std::string kNow = "2024/05/06 09:30";
const std::string kRowA = "A01,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a";
const std::string kRowB = "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,pc-b";
const std::string kRowC = "C03,7,鈴木,出張,明日,2024/05/02 18:00,,,,,";
const std::string kNewcomer = "A00,1,新人,,,,,,,,";

class BoardCommands : public ::testing::Test, protected CommandFixture {
 protected:
  using Command = void (*)(BoardCommandContext&);
  void SetUp() override { reset(); }
  void TearDown() override { setClockForTests(-1); }
  void reset() {
    setClockForTests(localTime(2024, 5, 6, 9, 30, 15));
    writeBoard(boardBytes(1111, {kRowA, kRowB, kRowC}, "朝会は9時"));
    ASSERT_TRUE(loadBoard(list, app));
  }
  void run(Command command) { command(ctx); }
  Lines rows() const { return fileRows(board()); }
  void otherCopySaves(const Lines& rows, const std::string& message = "朝会は9時", int stamp = 2222) {
    writeBoard(boardBytes(stamp, rows, message));
  }
  std::string shown(const std::string& id, int column) const { return list.text(list.findId(id), column, 256); }
  void select(const std::string& id) { list.select(list.findId(id)); }
  // The dialog runs `typed` and is accepted.
  void answer(int dialog, std::function<void()> typed) {
    dialogs.on[dialog] = [typed] { return typed(), 0; };
  }
  EditBuffers& e() { return app.edit; }
};

TEST_F(BoardCommands, DestinationEditSurvivesAnotherCopysSaveWhileTheDialogIsOpen) {
  const std::string theirB = "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b";
  select("A01");
  answer(IDD_DESTINATION, [&] {
    EXPECT_EQ(e().editId + e().editMobile + e().editIconNumberText, "A01090-11113");  // read before the dialog
    otherCopySaves({kNewcomer, kRowA, theirB, kRowC});  // A00 sorts above A01
    e().editDestination = "出張", e().editReturnTime = "17:00";
  });
  run(destinationForSelectedRow);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows(), (Lines{kNewcomer, "A01,3,山田,出張,17:00," + kNow + ",090-1111,内線12,定例,メモ,pc-a", theirB, kRowC}));
  EXPECT_EQ(shown("A01", 4) + shown("B02", 2), kNow + "外出");
  const std::string time = "show " + app.times.updateTimeText;
  EXPECT_EQ(log, (Lines{"reload", time, "message 朝会は9時", time}));
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

// Another copy saves in the same second, between the pre-save check and the
// save: the save makes its change over the other copy's rows under a newer
// stamp, and list and status bar show the board as that save left it.
TEST_F(BoardCommands, EveryChangeIsMadeOverASaveOfTheSameSecond) {
  const std::string theirB = "B02,5,佐藤,外出,15:00,2024/05/06 09:31,,,,,pc-b";
  auto destination = [&] { answer(IDD_DESTINATION, [&] { e().editDestination = "出張"; }); };
  auto icon = [&] { answer(IDD_ICON, [&] { e().editIconNumberText = "12"; }); };
  const std::vector<std::tuple<const char*, std::function<void()>, std::string>> cases = {
      {"destination of the selected", [&] { select("A01"), destination(), run(destinationForSelectedRow); }, ""},
      {"destination by ID",
       [&] { answer(IDD_TARGET_ID, [&] { e().targetId = "A01"; }), destination(), run(destinationById); }, ""},
      {"own destination", [&] { destination(), run(destinationForOwnRow); }, ""},
      {"add", [&] { answer(IDD_DESTINATION, [&] { e().editId = "D04", e().editName = "田中"; }), run(addMember); }, ""},
      {"delete by ID", [&] { answer(IDD_DELETE_ID, [&] { e().deleteId = "C03"; }), run(deleteMemberById); }, ""},
      {"delete the selected", [&] { select("C03"), answer(IDD_DELETE_ID, [] {}), run(deleteSelectedMember); }, ""},
      {"own icon", [&] { icon(), run(changeOwnIcon); }, ""},
      {"icon of the selected", [&] { select("C03"), icon(), run(changeSelectedIcon); }, ""},
      {"quick input 1", [&] { run(quickInput1); }, ""},
      {"quick input 2", [&] { run(quickInput2); }, ""},
      {"PC name", [&] { select("A01"), answer(IDD_PC_NAME, [&] { e().editPcName = "pc-x"; }), run(pcNameInput); }, ""},
      {"ID edit", [&] { finishIdEdit(ctx, "A01", "A09"); }, ""},
      {"message", [&] { answer(IDD_MESSAGE, [&] { *dialogs.typedMessage = "新しい"; }), run(allMembersMessage); },
       "新しい"},
  };
  for (const auto& [what, command, message] : cases) {
    SCOPED_TRACE(what);
    reset();
    app.local.userId = "A01";
    log.clear();
    view.afterFirstShow = [&] {
      setClockForTests(localTime(2024, 5, 6, 9, 31, 40));
      otherCopySaves({kRowA, theirB, kRowC}, "午後は停電", 24093140);
    };
    command();
    EXPECT_TRUE(ui.warnings.empty()) << ui.warnings[0];
    EXPECT_EQ(rows().at(rows().size() == 4 ? 2 : 1), theirB) << "the other copy's change is lost";
    EXPECT_EQ(board(), boardFileBytes(list, app.board, 24093141)) << "a stamp seen before, or a list not as saved";
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "message " + (message.empty() ? std::string("午後は停電") : message));
    EXPECT_EQ(log.back(), "show 09:31:40 更新");
  }
}

TEST_F(BoardCommands, DestinationByTypedOrOwnIdFindsTheRowIgnoringCase) {
  answer(IDD_TARGET_ID, [&] { e().targetId = "b02"; });
  answer(IDD_DESTINATION, [&] { e().editDestination = "外出"; });
  run(destinationById);
  EXPECT_EQ(rows()[1], "B02,5,佐藤,外出,11:00," + kNow + ",,,,,pc-b");
  answer(IDD_USER_ID, [&] { e().enteredUserId = "c03"; });  // no user ID yet: asked first
  run(destinationForOwnRow);
  EXPECT_EQ(rows()[2], "C03,7,鈴木,外出,明日," + kNow + ",,,,,");
  // Not on the board: the warning, and no destination dialog.
  dialogs.opened.clear();
  const std::string before = board();
  answer(IDD_TARGET_ID, [&] { e().targetId = "X99"; });
  run(destinationById);
  EXPECT_EQ(dialogs.opened, (std::vector<int>{IDD_TARGET_ID}));
  EXPECT_EQ(ui.warnings, Lines{msg::kIdNotFound});
  EXPECT_EQ(board(), before);
}

TEST_F(BoardCommands, UnreadableBoardAtOkDropsEveryKindOfChange) {
  const std::vector<std::tuple<Command, int, std::function<void()>>> cases = {
      {destinationForSelectedRow, IDD_DESTINATION, [&] { e().editDestination = "出張"; }},
      {addMember, IDD_DESTINATION, [&] { e().editId = "N01"; }},
      {deleteSelectedMember, IDD_DELETE_ID, [] {}},
      {changeSelectedIcon, IDD_ICON, [&] { e().editIconNumberText = "9"; }},
      {pcNameInput, IDD_PC_NAME, [&] { e().editPcName = "pc-x"; }},
      {allMembersMessage, IDD_MESSAGE, [&] { acceptMessageText("新しい", *dialogs.typedMessage); }},
      {quickInput1, 0, nullptr},
  };
  const std::string before = board();
  const std::vector<FakeRow> listBefore = list.rows;
  app.local.userId = "A01";
  for (const auto& [command, dialog, typed] : cases) {
    SCOPED_TRACE(dialog);
    select("B02");
    if (typed) answer(dialog, [&, typed = typed] { typed(), lock(); });
    else lock();
    run(command);
    EXPECT_EQ(ui.warnings, Lines{msg::kBoardMissingOrLocked});
    EXPECT_EQ(board(), before);
    EXPECT_TRUE(exists(folder.file("lock.dat")));
    ASSERT_EQ(list.rowCount(), 3);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(list.rows[i].texts, listBefore[i].texts);
    EXPECT_EQ(list.columnWidth(9), 0);
    EXPECT_EQ(app.board.allMembersMessage, "朝会は9時");  // not left for a later save
    ui.warnings.clear();
    std::filesystem::remove(folder.file("lock.dat"));
  }
  EXPECT_EQ(count("reload"), 0);
}

// The reload gives up on the lock and keeps the old rows; saving them would
// undo the other member's save once the lock is gone.
TEST_F(BoardCommands, ALockTakenBetweenTheCheckAndTheReloadDropsTheEdit) {
  select("A01");
  const Lines theirs = {kRowA, "B02,5,佐藤,外出,,,,,,,pc-b", kRowC};
  answer(IDD_DESTINATION, [&] { otherCopySaves(theirs), e().editDestination = "出張"; });
  view.beforeReload = [&] { lock(); };
  run(destinationForSelectedRow);
  EXPECT_EQ(ui.warnings, Lines{msg::kBoardMissingOrLocked});
  EXPECT_EQ(rows(), theirs);
}

TEST_F(BoardCommands, AddStartsEmptyPutsTheMemberFirstAndRefusesTakenIdsAndAFullBoard) {
  e().editId = "A01", e().editName = "山田", e().editIconNumberText = "3", e().editRowIndex = 0;  // an earlier command's
  answer(IDD_DESTINATION, [&] {
    EXPECT_EQ(e().editRowIndex, -1);
    EXPECT_EQ(e().editId + e().editName + e().editIconNumberText, "");
    e().editId = "D04", e().editName = "高橋";
  });
  run(addMember);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows(), (Lines{"D04,0,高橋,,," + kNow + ",,,,,", kRowA, kRowB, kRowC}));
  // Taken in another case, or by another copy while the dialog was open.
  const std::string before = board();
  answer(IDD_DESTINATION, [&] { e().editId = "b02"; });
  run(addMember);
  EXPECT_EQ(board(), before);
  const Lines theirs = {kRowA, kRowB, kRowC, "e05,2,先着,,,,,,,,"};
  answer(IDD_DESTINATION, [&] { otherCopySaves(theirs), e().editId = "E05"; });
  run(addMember);
  EXPECT_EQ(ui.warnings, Lines(2, msg::kDuplicateId));
  EXPECT_EQ(rows(), theirs);
  // A full board: no member may fall out of the file; at 499 the 500th is added.
  Lines full;
  for (int i = 0; i < kMaxBoardRows; ++i) full.push_back("M" + std::to_string(1000 + i) + ",0,名前,,,,,,,,");
  otherCopySaves(full);
  ui.warnings.clear();
  answer(IDD_DESTINATION, [&] { e().editId = "NEW"; });
  run(addMember);
  EXPECT_EQ(ui.warnings, Lines{msg::kBoardFull});
  EXPECT_EQ(rows(), full);
  full.pop_back();
  otherCopySaves(full, "m", 3333);
  run(addMember);
  EXPECT_EQ(ui.warnings.size(), 1u);
  EXPECT_EQ(rows().size(), 500u);
  EXPECT_EQ(rows().front().substr(0, 4), "NEW,");
}

TEST_F(BoardCommands, QuickInputAndUserIdAskForAnIdOnTheBoard) {
  app.local.quickInputWord1 = "出社";
  const std::string before = board();
  answer(IDD_USER_ID, [&] { e().enteredUserId = "X99"; });
  run(quickInput1);
  EXPECT_EQ(ui.warnings, Lines{msg::kOwnIdNotFound});
  EXPECT_EQ(app.local.userId + board(), before);
  answer(IDD_USER_ID, [&] { e().enteredUserId = "b02"; });  // kept as typed; the lookup ignores case
  run(quickInput1);
  EXPECT_EQ(app.local.userId, "b02");
  EXPECT_EQ(rows()[1], "B02,5,佐藤,出社,11:00," + kNow + ",,,,,pc-b");
  // Known now: no question; a long word is cut to the field without half a character.
  dialogs.opened.clear();
  app.local.quickInputWord2 = std::string(28, 'w') + "表示,";
  run(quickInput2);
  EXPECT_TRUE(dialogs.opened.empty());
  EXPECT_EQ(rows()[1], "B02,5,佐藤," + std::string(28, 'w') + ",11:00," + kNow + ",,,,,pc-b");
  // The user ID command: an unknown ID empties it; cancel leaves it.
  answer(IDD_USER_ID, [&] { e().enteredUserId = "X99"; });
  run(userIdCommand);
  EXPECT_EQ(ui.warnings, Lines(2, msg::kOwnIdNotFound));
  EXPECT_EQ(app.local.userId, "");
  app.local.userId = "A01";
  dialogs.on[IDD_USER_ID] = [] { return 1; };
  run(userIdCommand);
  EXPECT_EQ(app.local.userId, "A01");
}

TEST_F(BoardCommands, DeleteStartsWithTheSelectedIdOnlyFromTheContextMenu) {
  Lines shownIds;
  dialogs.on[IDD_DELETE_ID] = [&] { return shownIds.push_back(e().deleteId), 1; };
  e().deleteId = "left over";
  run(deleteSelectedMember);  // nothing selected
  select("B02");
  run(deleteSelectedMember);
  run(deleteMemberById);
  EXPECT_EQ(shownIds, (Lines{"", "B02", ""}));
  answer(IDD_DELETE_ID, [&] { e().deleteId = "b02"; });
  run(deleteSelectedMember);
  EXPECT_EQ(rows(), (Lines{kRowA, kRowC}));
}

TEST_F(BoardCommands, PcNameWidensAHiddenColumnAndFindsItsMemberAfterAReload) {
  run(pcNameInput);  // no selection: nothing opens
  EXPECT_TRUE(dialogs.opened.empty());
  select("B02");
  answer(IDD_PC_NAME, [&] {
    EXPECT_EQ(e().editId + e().editName + e().editPcName, "B02佐藤pc-b");
    otherCopySaves({kNewcomer, kRowA, kRowB, kRowC});  // B02 moves down
    e().editPcName = "192.168.0.22";
  });
  run(pcNameInput);
  EXPECT_EQ(list.columnWidth(9), 100);
  EXPECT_EQ(rows(), (Lines{kNewcomer, kRowA, "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,192.168.0.22", kRowC}));
  // A column the user has sized keeps its width.
  list.setColumnWidth(9, 80);
  select("C03");
  answer(IDD_PC_NAME, [&] { e().editPcName = "pc-c"; });
  run(pcNameInput);
  EXPECT_EQ(list.columnWidth(9), 80);
  EXPECT_EQ(shown("C03", 9), "pc-c");
}

// Dialog 343 shows the ID read-only; an ID of 29 bytes (as long as the board
// file holds) must still name its member after OK.
TEST_F(BoardCommands, PcNameOfAMemberWithA29ByteId) {
  const std::string longId = std::string(27, 'L') + "表";
  otherCopySaves({kRowA, longId + ",1,長い,,,,,,,,"});
  ASSERT_TRUE(loadBoard(list, app));
  select(longId);
  answer(IDD_PC_NAME, [&] { e().editId = std::string(27, 'L'), e().editPcName = "pc-long"; });  // a 28-byte read
  run(pcNameInput);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows()[1], longId + ",1,長い,,,,,,,,pc-long");
}

// The typed message is kept over the reload of another copy's save. When a
// tick reloads while dialog 310 is open and the check at OK meets a lock, the
// message stays the one the tick loaded, neither the older nor the typed.
TEST_F(BoardCommands, MessageTypedDuringAnotherCopysSaveOrDroppedAtOk) {
  answer(IDD_MESSAGE, [&] {
    otherCopySaves({kRowA, kRowB, kRowC}, "古い連絡");
    EXPECT_TRUE(acceptMessageText("本日,15時から全体会議", *dialogs.typedMessage));
  });
  run(allMembersMessage);
  EXPECT_EQ(count("reload"), 1);
  EXPECT_NE(board().find("\r\nEND,\r\n本日/15時から全体会議\r\n"), std::string::npos);
  EXPECT_EQ(log[log.size() - 2], "message 本日/15時から全体会議");
  answer(IDD_MESSAGE, [&] {
    otherCopySaves({kRowA, kRowB, kRowC}, "午後は在宅", 3333);
    ASSERT_TRUE(loadBoard(list, app));
    acceptMessageText("届かない連絡", *dialogs.typedMessage);
    lock();
  });
  run(allMembersMessage);
  EXPECT_EQ(ui.warnings, Lines{msg::kBoardMissingOrLocked});
  EXPECT_EQ(app.board.allMembersMessage, "午後は在宅");
}

TEST_F(BoardCommands, IconChangeActsOnTheSelectedOrOwnRow) {
  app.local.userId = "C03";
  Lines opened;
  dialogs.on[IDD_ICON] = [&] {
    opened.push_back(e().iconDialogId + ":" + e().editIconNumberText);
    e().editIconNumberText = "12";
    return 0;
  };
  select("B02");
  run(changeSelectedIcon);
  run(changeOwnIcon);  // always the user's own row
  list.select(-1);
  run(changeSelectedIcon);  // no selection: the own row
  app.local.userId = "nobody";
  run(changeOwnIcon);  // neither: both fields start empty and nothing asks for an ID
  EXPECT_EQ(opened, (Lines{"B02:5", "C03:7", "C03:12", ":"}));
  EXPECT_EQ(rows()[1].substr(0, 7) + rows()[2].substr(0, 7), "B02,12,C03,12,");
}

TEST_F(BoardCommands, CancelLeavesBoardAndFileAlone) {
  app.local.userId = "A01";
  select("A01");
  lock();  // a command that went on to the check would warn
  const std::string before = board();
  for (int d : {IDD_DESTINATION, IDD_ICON, IDD_MESSAGE, IDD_DELETE_ID, IDD_TARGET_ID, IDD_PC_NAME})
    dialogs.on[d] = [] { return 1; };
  for (Command command : {destinationForSelectedRow, destinationById, destinationForOwnRow, addMember, deleteMemberById,
                          deleteSelectedMember, changeSelectedIcon, changeOwnIcon, allMembersMessage, pcNameInput})
    run(command);
  EXPECT_EQ(dialogs.opened.size(), 10u);
  EXPECT_TRUE(ui.warnings.empty() && log.empty());
  EXPECT_EQ(board(), before);
  EXPECT_EQ(app.board.allMembersMessage, "朝会は9時");
}

TEST_F(BoardCommands, IdEditRefusalsKeepTheRowCommasAreToldAndAVanishedRowIsNamed) {
  const std::string before = board();
  for (const char* typed : {"END", "", " B", "b02", "x\r\ny", "A01"}) finishIdEdit(ctx, "A01", typed);
  EXPECT_EQ(ui.warnings, (Lines{msg::kIdIsEnd, msg::kIdEmpty, msg::kIdStartsWithSpace, msg::kDuplicateId,
                                msg::kLineBreakNotAllowed}));
  EXPECT_EQ(list.ids(), (Lines{"A01", "B02", "C03"}));
  EXPECT_EQ(board(), before);
  ui.warnings.clear();
  finishIdEdit(ctx, "a01", "Z,9");
  EXPECT_EQ(ui.informations, Lines{msg::kCommaConverted});
  EXPECT_EQ(rows()[0], "Z/9,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a");
  otherCopySaves({kRowB});  // another copy deleted C03 while the edit was open
  finishIdEdit(ctx, "C03", "C04");
  EXPECT_EQ(ui.warnings, Lines{msg::kIdNotFound});
  EXPECT_EQ(rows(), Lines{kRowB});
}

}  // namespace
