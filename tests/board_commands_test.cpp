// The board commands (and the in-place ID edit) with scripted dialogs over
// the in-memory list and real board files.
#include <gtest/gtest.h>

#include "app/id_edit_command.h"
#include "board/board_bytes.h"
#include "common/clock.h"
#include "common/messages.h"
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
  void select(const std::string& id) { list.select(list.findId(id)); }
  // The dialog runs `typed` and is accepted.
  void answer(int dialog, std::function<void()> typed) {
    dialogs.on[dialog] = [typed] { return typed(), 0; };
  }
  EditBuffers& e() { return app.edit; }
};

// Another copy saves in the same second, between the pre-save check and the
// save: the save makes its change over the other copy's rows under a newer
// stamp, and list and status bar show the board as that save left it. One
// command stands for each flow (the three destination commands share one,
// as do the two delete, icon and quick input commands).
TEST_F(BoardCommands, EveryChangeIsMadeOverASaveOfTheSameSecond) {
  const std::string theirB = "B02,5,佐藤,外出,15:00,2024/05/06 09:31,,,,,pc-b";
  auto destination = [&] { answer(IDD_DESTINATION, [&] { e().editDestination = "出張"; }); };
  auto icon = [&] { answer(IDD_ICON, [&] { e().editIconNumberText = "12"; }); };
  const std::vector<std::tuple<const char*, std::function<void()>, std::string>> cases = {
      {"destination of the selected", [&] { select("A01"), destination(), run(destinationForSelectedRow); }, ""},
      {"add", [&] { answer(IDD_DESTINATION, [&] { e().editId = "D04", e().editName = "田中"; }), run(addMember); }, ""},
      {"delete the selected", [&] { select("C03"), answer(IDD_DELETE_ID, [] {}), run(deleteSelectedMember); }, ""},
      {"icon of the selected", [&] { select("C03"), icon(), run(changeSelectedIcon); }, ""},
      {"quick input 1", [&] { run(quickInput1); }, ""},
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

// Every command checks the board at OK through one path; one with a dialog
// of its own text and one without a dialog stand for them all.
TEST_F(BoardCommands, UnreadableBoardAtOkDropsTheChange) {
  const std::vector<std::tuple<Command, int, std::function<void()>>> cases = {
      {destinationForSelectedRow, IDD_DESTINATION, [&] { e().editDestination = "出張"; }},
      {allMembersMessage, IDD_MESSAGE, [&] { *dialogs.typedMessage = "新しい"; }},
      {quickInput1, 0, nullptr},
  };
  const std::string before = board(), shownBefore = boardFileBytes(list, app.board, 1);
  app.local.userId = "A01";
  for (const auto& [command, dialog, typed] : cases) {
    SCOPED_TRACE(dialog);
    select("B02");
    if (typed)
      answer(dialog, [&, typed = typed] { typed(), lock(); });
    else
      lock();
    run(command);
    EXPECT_EQ(ui.warnings, Lines{msg::kBoardMissingOrLocked});
    EXPECT_EQ(board(), before);
    EXPECT_TRUE(exists(folder.file("lock.dat")));
    // Rows and message as they were: nothing left over for a later save.
    EXPECT_EQ(boardFileBytes(list, app.board, 1), shownBefore);
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

TEST_F(BoardCommands, AddStartsEmptyAndRefusesTakenIdsAndAFullBoard) {
  e().editName = "山田", e().editIconNumberText = "3", e().editRowIndex = 0;  // an earlier command's
  answer(IDD_DESTINATION, [&] { e().editId = "D04"; });
  run(addMember);
  EXPECT_EQ(rows(), (Lines{"D04,0,,,," + kNow + ",,,,,", kRowA, kRowB, kRowC}));
  // Taken by another copy while the dialog was open (another letter case).
  const Lines theirs = {kRowA, kRowB, kRowC, "e05,2,先着,,,,,,,,"};
  answer(IDD_DESTINATION, [&] { otherCopySaves(theirs), e().editId = "E05"; });
  run(addMember);
  EXPECT_EQ(ui.warnings, Lines{msg::kDuplicateId});
  EXPECT_EQ(rows(), theirs);
  // A full board: no member may fall out of the file; at 499 the 500th is added.
  Lines full;
  for (int i = 0; i < kMaxBoardRows; ++i) full.push_back("M" + std::to_string(1000 + i) + ",0,名前,,,,,,,,");
  otherCopySaves(full);
  answer(IDD_DESTINATION, [&] { e().editId = "NEW"; });
  run(addMember);
  EXPECT_EQ(ui.warnings, (Lines{msg::kDuplicateId, msg::kBoardFull}));
  EXPECT_EQ(rows(), full);
  full.pop_back();
  otherCopySaves(full, "m", 3333);
  run(addMember);
  EXPECT_EQ(ui.warnings.size(), 2u);
  EXPECT_EQ(rows().size(), 500u);
  EXPECT_EQ(rows().front().substr(0, 4), "NEW,");
}

// A lookup that misses must neither open the edit nor change anyone's row.
TEST_F(BoardCommands, UnknownIdsAreRefusedAndQuickInputsCutTheirWord) {
  const std::string before = board();
  answer(IDD_TARGET_ID, [&] { e().targetId = "X99"; });
  run(destinationById);
  answer(IDD_USER_ID, [&] { e().enteredUserId = "X99"; });
  run(quickInput1);
  EXPECT_EQ(dialogs.opened, (std::vector<int>{IDD_TARGET_ID, IDD_USER_ID}));
  EXPECT_EQ(ui.warnings, (Lines{msg::kIdNotFound, msg::kOwnIdNotFound}));
  EXPECT_EQ(app.local.userId + board(), before);
  app.local.userId = "A01";
  run(userIdCommand);  // the user ID command empties an unknown ID
  EXPECT_EQ(app.local.userId, "");
  app.local.userId = "b02";  // the lookup ignores case; a long word is cut without half a character
  app.local.quickInputWord2 = std::string(28, 'w') + "表示,";
  run(quickInput2);
  EXPECT_EQ(rows()[1], "B02,5,佐藤," + std::string(28, 'w') + ",11:00," + kNow + ",,,,,pc-b");
}

// Which row a command starts from: the selected one, the user's own, or none.
TEST_F(BoardCommands, DeleteAndIconStartFromTheRightRow) {
  Lines shown;
  dialogs.on[IDD_DELETE_ID] = [&] { return shown.push_back(e().deleteId), 1; };
  e().deleteId = "left over";
  run(deleteSelectedMember);  // nothing selected
  select("B02");
  run(deleteSelectedMember);
  run(deleteMemberById);  // only the context menu starts with the selected ID
  app.local.userId = "C03";
  dialogs.on[IDD_ICON] = [&] {
    shown.push_back(e().iconDialogId + ":" + e().editIconNumberText);
    return e().editIconNumberText = "12", 0;
  };
  run(changeSelectedIcon);
  run(changeOwnIcon);  // always the user's own row
  list.select(-1);
  run(changeSelectedIcon);  // no selection: the own row
  app.local.userId = "nobody";
  run(changeOwnIcon);  // neither: both fields start empty and nothing asks for an ID
  EXPECT_EQ(shown, (Lines{"", "B02", "", "B02:5", "C03:7", "C03:12", ":"}));
  EXPECT_EQ(rows()[1].substr(0, 7) + rows()[2].substr(0, 7), "B02,12,C03,12,");
}

// Dialog 343 names its member by ID, found again after a reload (the row
// moved) and even when the ID is the 29 bytes a board file holds but the
// dialog reads back only 28.
TEST_F(BoardCommands, PcNameReachesItsMemberAfterAReloadAndWithA29ByteId) {
  run(pcNameInput);  // no selection: nothing opens
  EXPECT_TRUE(dialogs.opened.empty());
  select("B02");
  answer(IDD_PC_NAME, [&] {
    EXPECT_EQ(e().editId + e().editName + e().editPcName, "B02佐藤pc-b");
    otherCopySaves({kNewcomer, kRowA, kRowB, kRowC});
    e().editPcName = "192.168.0.22";
  });
  run(pcNameInput);
  EXPECT_EQ(rows()[2], "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,192.168.0.22");
  list.setColumnWidth(9, 80);  // a column the user has sized keeps its width
  const std::string longId = std::string(27, 'L') + "表";
  otherCopySaves({kRowA, longId + ",1,長い,,,,,,,,"}, "m", 3333);
  ASSERT_TRUE(loadBoard(list, app));
  select(longId);
  answer(IDD_PC_NAME, [&] { e().editId = std::string(27, 'L'), e().editPcName = "pc-long"; });
  run(pcNameInput);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows()[1], longId + ",1,長い,,,,,,,,pc-long");
  EXPECT_EQ(list.columnWidth(9), 80);
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
  finishIdEdit(ctx, "A01", "END");
  EXPECT_EQ(ui.warnings, Lines{msg::kIdIsEnd});
  EXPECT_EQ(board(), before);
  finishIdEdit(ctx, "a01", "Z,9");
  EXPECT_EQ(ui.informations, Lines{msg::kCommaConverted});
  EXPECT_EQ(rows()[0], "Z/9,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a");
  otherCopySaves({kRowB});  // another copy deleted C03 while the edit was open
  finishIdEdit(ctx, "C03", "C04");
  EXPECT_EQ(ui.warnings, (Lines{msg::kIdIsEnd, msg::kIdNotFound}));
  EXPECT_EQ(rows(), Lines{kRowB});
}

}  // namespace
