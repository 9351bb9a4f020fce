// The board commands with scripted dialogs over the in-memory list and real
// board files: dialog, check, reload, apply by ID, save; and what happens
// when another copy saves or locks the board while a dialog is open.
#include <gtest/gtest.h>

#include "app/board_reload.h"
#include "app/id_edit_command.h"
#include "common/clock.h"
#include "common/messages.h"
#include "members/message_form.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

const std::string kNow = "2024/05/06 09:30";
const std::string kRowA = "A01,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a";
const std::string kRowB = "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,pc-b";
const std::string kRowC = "C03,7,鈴木,出張,明日,2024/05/02 18:00,,,,,";
const std::string kNewcomer = "A00,1,新人,,,,,,,,";

class BoardCommands : public ::testing::Test, protected CommandFixture {
 protected:
  void SetUp() override {
    setClockForTests(localTime(2024, 5, 6, 9, 30, 15));
    writeBoard(boardBytes(1111, {kRowA, kRowB, kRowC}, "朝会は9時"));
    ASSERT_TRUE(loadBoard(list, app));
  }
  void TearDown() override { setClockForTests(-1); }

  using Command = void (*)(BoardCommandContext&);
  void run(Command command) { command(ctx); }
  std::vector<std::string> rows() const { return fileRows(board()); }
  void otherCopySaves(const std::vector<std::string>& rows, const std::string& message = "朝会は9時") {
    writeBoard(boardBytes(2222, rows, message));
  }
  std::string shown(const std::string& id, int column) const { return list.text(list.findId(id), column, 256); }
  // A dialog that sets edit buffers (or anything else) and presses OK.
  void answer(int dialog, std::function<void()> typed) {
    dialogs.on[dialog] = [typed] {
      typed();
      return 0;
    };
  }
  EditBuffers& e() { return app.edit; }
};

TEST_F(BoardCommands, DestinationEditSurvivesAnotherCopysSaveWhileTheDialogIsOpen) {
  list.select(list.findId("A01"));
  answer(IDD_DESTINATION, [&] {
    EXPECT_EQ(e().editId, "A01");  // the row as read before the dialog
    EXPECT_EQ(e().editMobile, "090-1111");
    EXPECT_EQ(e().editIconNumberText, "3");
    // Another member adds A00, which sorts above A01, and changes B02.
    otherCopySaves({kNewcomer, kRowA, "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b", kRowC});
    e().editDestination = "出張";
    e().editReturnTime = "17:00";
  });
  run(destinationForSelectedRow);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows(), (std::vector<std::string>{kNewcomer, "A01,3,山田,出張,17:00," + kNow + ",090-1111,内線12,定例,メモ,pc-a",
                                              "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b", kRowC}));
  EXPECT_EQ(shown("A01", 4), kNow);
  EXPECT_EQ(shown("B02", 2), "外出");
  const std::string shownTime = "show " + app.times.updateTimeText;
  EXPECT_EQ(log, (std::vector<std::string>{"reload", shownTime, "message 朝会は9時", shownTime}));
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

// Another copy saves between the pre-save check and the save: the save
// reloads under its lock and makes the change over the other copy's rows;
// then the status bar must show that reload's time and the message it
// brought, whichever command made the change.
TEST_F(BoardCommands, EveryChangeShowsTheBoardAsItsSaveLeftIt) {
  const std::string otherRowB = "B02,5,佐藤,外出,15:00,2024/05/06 09:31,,,,,pc-b";
  struct Case {
    const char* what;
    std::function<void()> command;  // answers its dialogs and runs
    std::string message;            // the message shown at the end
  };
  auto select = [&](const char* id) { list.select(list.findId(id)); };
  auto destination = [&] { answer(IDD_DESTINATION, [&] { e().editDestination = "出張"; }); };
  const std::vector<Case> cases = {
      {"destination of the selected row", [&] { select("A01"), destination(), run(destinationForSelectedRow); }},
      {"destination by ID",
       [&] {
         answer(IDD_TARGET_ID, [&] { e().targetId = "A01"; });
         destination(), run(destinationById);
       }},
      {"own destination", [&] { destination(), run(destinationForOwnRow); }},
      {"add",
       [&] {
         answer(IDD_DESTINATION, [&] { e().editId = "D04", e().editName = "田中"; });
         run(addMember);
       }},
      {"delete by ID",
       [&] {
         answer(IDD_DELETE_ID, [&] { e().deleteId = "C03"; });
         run(deleteMemberById);
       }},
      {"delete the selected", [&] { select("C03"), answer(IDD_DELETE_ID, [] {}), run(deleteSelectedMember); }},
      {"own icon", [&] { answer(IDD_ICON, [&] { e().editIconNumberText = "12"; }), run(changeOwnIcon); }},
      {"icon of the selected",
       [&] { select("C03"), answer(IDD_ICON, [&] { e().editIconNumberText = "12"; }), run(changeSelectedIcon); }},
      {"quick input 1", [&] { run(quickInput1); }},
      {"quick input 2", [&] { run(quickInput2); }},
      {"PC name", [&] { select("A01"), answer(IDD_PC_NAME, [&] { e().editPcName = "pc-x"; }), run(pcNameInput); }},
      {"ID edit", [&] { finishIdEdit(ctx, "A01", "A09"); }},
      {"message",
       [&] {
         answer(IDD_MESSAGE, [&] { *dialogs.typedMessage = "新しい連絡"; });
         run(allMembersMessage);
       },
       "新しい連絡"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setClockForTests(localTime(2024, 5, 6, 9, 30, 15));
    writeBoard(boardBytes(1111, {kRowA, kRowB, kRowC}, "朝会は9時"));
    ASSERT_TRUE(loadBoard(list, app));
    app.local.userId = "A01";
    log.clear();
    view.afterFirstShow = [&] {
      setClockForTests(localTime(2024, 5, 6, 9, 31, 40));
      otherCopySaves({kRowA, otherRowB, kRowC}, "午後は停電");
    };
    c.command();
    EXPECT_TRUE(ui.warnings.empty()) << ui.warnings[0];
    EXPECT_EQ(rows().at(rows().size() == 4 ? 2 : 1), otherRowB) << "the other copy's change is kept";
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "message " + (c.message.empty() ? std::string("午後は停電") : c.message));
    EXPECT_EQ(log.back(), "show 09:31:40 更新");
  }
}

TEST_F(BoardCommands, DestinationByTypedOrOwnIdFindsTheRowIgnoringCase) {
  answer(IDD_TARGET_ID, [&] { e().targetId = "b02"; });
  answer(IDD_DESTINATION, [&] { e().editDestination = "外出"; });
  run(destinationById);
  EXPECT_EQ(rows()[1], "B02,5,佐藤,外出,11:00," + kNow + ",,,,,pc-b");
  // The own destination without a user ID asks for it first.
  answer(IDD_USER_ID, [&] { e().enteredUserId = "c03"; });
  run(destinationForOwnRow);
  EXPECT_EQ(rows()[2], "C03,7,鈴木,外出,明日," + kNow + ",,,,,");
  // An ID that is not on the board: the warning, and no destination dialog.
  dialogs.opened.clear();
  const std::string before = board();
  answer(IDD_TARGET_ID, [&] { e().targetId = "X99"; });
  run(destinationById);
  EXPECT_EQ(dialogs.opened, (std::vector<int>{IDD_TARGET_ID}));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kIdNotFound}));
  EXPECT_EQ(board(), before);
}

TEST_F(BoardCommands, UnreadableBoardAtOkDropsEveryKindOfChange) {
  auto lockAnd = [&](std::function<void()> typed) { return [&, typed] { typed(); lock(); }; };
  const std::vector<std::tuple<const char*, Command, int, std::function<void()>>> cases = {
      {"destination", destinationForSelectedRow, IDD_DESTINATION, lockAnd([&] { e().editDestination = "出張"; })},
      {"add", addMember, IDD_DESTINATION, lockAnd([&] { e().editId = "N01"; })},
      {"delete", deleteSelectedMember, IDD_DELETE_ID, lockAnd([] {})},
      {"icon", changeSelectedIcon, IDD_ICON, lockAnd([&] { e().editIconNumberText = "9"; })},
      {"pc name", pcNameInput, IDD_PC_NAME, lockAnd([&] { e().editPcName = "pc-x"; })},
      {"message", allMembersMessage, IDD_MESSAGE, lockAnd([&] { acceptMessageText("新しい", *dialogs.typedMessage); })},
  };
  const std::string before = board();
  const std::vector<FakeRow> listBefore = list.rows;
  auto unchanged = [&](const char* what) {
    EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked})) << what;
    EXPECT_EQ(board(), before) << what;
    EXPECT_TRUE(exists(folder.file("lock.dat"))) << what;
    ASSERT_EQ(list.rowCount(), 3) << what;
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(list.rows[i].texts, listBefore[i].texts) << what;
    EXPECT_EQ(list.columnWidth(9), 0) << what;
    EXPECT_EQ(app.board.allMembersMessage, "朝会は9時") << what;  // not left for a later save
    ui.warnings.clear();
    std::filesystem::remove(folder.file("lock.dat"));
  };
  for (const auto& [name, command, dialog, typed] : cases) {
    list.select(list.findId("B02"));
    answer(dialog, typed);
    run(command);
    unchanged(name);
  }
  app.local.userId = "A01";
  lock();
  run(quickInput1);
  unchanged("quick input");
  EXPECT_EQ(count("reload"), 0);
}

TEST_F(BoardCommands, ALockTakenBetweenTheCheckAndTheReloadDropsTheEdit) {
  // The reload gives up on the lock and keeps the old rows; saving them would
  // undo the other member's save once the lock is gone.
  list.select(list.findId("A01"));
  const std::vector<std::string> theirs = {kRowA, "B02,5,佐藤,外出,,,,,,,pc-b", kRowC};
  answer(IDD_DESTINATION, [&] {
    otherCopySaves(theirs);
    e().editDestination = "出張";
  });
  view.beforeReload = [&] { lock(); };
  run(destinationForSelectedRow);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(rows(), theirs);
}

TEST_F(BoardCommands, AddPutsTheNewMemberFirstWithEmptyBuffersAtOpening) {
  e().editId = "A01", e().editName = "山田", e().editIconNumberText = "3", e().editRowIndex = 0;  // an earlier command's
  answer(IDD_DESTINATION, [&] {
    EXPECT_EQ(e().editRowIndex, -1);
    EXPECT_EQ(e().editId + e().editName + e().editIconNumberText, "");
    e().editId = "D04";
    e().editName = "高橋";
  });
  run(addMember);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows(), (std::vector<std::string>{"D04,0,高橋,,," + kNow + ",,,,,", kRowA, kRowB, kRowC}));
}

TEST_F(BoardCommands, AddRefusesDuplicateIdsInAnyCaseAlsoWhenAddedMeanwhile) {
  const std::string before = board();
  answer(IDD_DESTINATION, [&] { e().editId = "b02"; });
  run(addMember);
  EXPECT_EQ(board(), before);
  // Another copy adds the same ID while the dialog is open.
  const std::vector<std::string> theirs = {kRowA, kRowB, kRowC, "d04,2,先着,,,,,,,,"};
  answer(IDD_DESTINATION, [&] {
    otherCopySaves(theirs);
    e().editId = "D04";
  });
  run(addMember);
  EXPECT_EQ(count("reload"), 1);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>(2, msg::kDuplicateId)));
  EXPECT_EQ(rows(), theirs);
}

TEST_F(BoardCommands, AddIsRefusedOnAFullBoardSoNoMemberFallsOutOfTheFile) {
  std::vector<std::string> full;
  for (int i = 0; i < kMaxBoardRows; ++i) full.push_back("M" + std::to_string(1000 + i) + ",0,名前,,,,,,,,");
  otherCopySaves(full);
  answer(IDD_DESTINATION, [&] { e().editId = "NEW"; });
  run(addMember);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardFull}));
  EXPECT_EQ(rows(), full);
  // With 499 rows the member is added as the 500th.
  full.pop_back();
  writeBoard(boardBytes(3333, full, "m"));
  ui.warnings.clear();
  run(addMember);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows().size(), 500u);
  EXPECT_EQ(rows().front().substr(0, 4), "NEW,");
}

TEST_F(BoardCommands, QuickInputWithoutUserIdAsksForItFirst) {
  app.local.userId.clear();
  app.local.quickInputWord1 = "出社";
  const std::string before = board();
  // Typed ID not on the board: the warning, userId unchanged, nothing saved.
  answer(IDD_USER_ID, [&] { e().enteredUserId = "X99"; });
  run(quickInput1);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kOwnIdNotFound}));
  EXPECT_EQ(app.local.userId, "");
  EXPECT_EQ(board(), before);
  // On the board (typed in other case): the command goes on with it.
  answer(IDD_USER_ID, [&] { e().enteredUserId = "b02"; });
  run(quickInput1);
  EXPECT_EQ(ui.warnings.size(), 1u);
  EXPECT_EQ(app.local.userId, "b02");
  EXPECT_EQ(rows()[1], "B02,5,佐藤,出社,11:00," + kNow + ",,,,,pc-b");
  // Known now: no question; a long word is cut to the field without half a character.
  dialogs.opened.clear();
  app.local.quickInputWord2 = std::string(28, 'w') + "表示,";
  run(quickInput2);
  EXPECT_TRUE(dialogs.opened.empty());
  EXPECT_EQ(rows()[1], "B02,5,佐藤," + std::string(28, 'w') + ",11:00," + kNow + ",,,,,pc-b");
}

TEST_F(BoardCommands, DeleteStartsWithTheSelectedIdOnlyFromTheContextMenu) {
  std::vector<std::string> shownIds;
  dialogs.on[IDD_DELETE_ID] = [&] {
    shownIds.push_back(e().deleteId);
    return 1;
  };
  e().deleteId = "left over";
  run(deleteSelectedMember);  // nothing selected
  list.select(list.findId("B02"));
  run(deleteSelectedMember);
  run(deleteMemberById);  // the menu bar's command starts empty even with a selection
  EXPECT_EQ(shownIds, (std::vector<std::string>{"", "B02", ""}));
  answer(IDD_DELETE_ID, [&] { e().deleteId = "b02"; });
  run(deleteSelectedMember);
  EXPECT_EQ(rows(), (std::vector<std::string>{kRowA, kRowC}));
}

TEST_F(BoardCommands, PcNameWidensAHiddenColumnAndFindsItsMemberAfterAReload) {
  run(pcNameInput);  // no selection: nothing opens
  EXPECT_TRUE(dialogs.opened.empty());
  list.select(list.findId("B02"));
  answer(IDD_PC_NAME, [&] {
    EXPECT_EQ(e().editId + e().editName + e().editPcName, "B02佐藤pc-b");
    otherCopySaves({kNewcomer, kRowA, kRowB, kRowC});  // B02 moves down
    e().editPcName = "192.168.0.22";
  });
  run(pcNameInput);
  EXPECT_EQ(list.columnWidth(9), 100);
  EXPECT_EQ(rows()[2], "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,192.168.0.22");
  EXPECT_EQ(rows()[0], kNewcomer);
  // A column the user has sized keeps its width.
  list.setColumnWidth(9, 80);
  list.select(list.findId("C03"));
  answer(IDD_PC_NAME, [&] { e().editPcName = "pc-c"; });
  run(pcNameInput);
  EXPECT_EQ(list.columnWidth(9), 80);
  EXPECT_EQ(shown("C03", 9), "pc-c");
}

TEST_F(BoardCommands, MessageTypedDuringAnotherCopysSaveIsKeptOverTheReload) {
  answer(IDD_MESSAGE, [&] {
    otherCopySaves({kRowA, "B02,5,佐藤,外出,,,,,,,pc-b", kRowC}, "古い連絡");
    EXPECT_TRUE(acceptMessageText("本日,15時から全体会議", *dialogs.typedMessage));
  });
  run(allMembersMessage);
  EXPECT_EQ(count("reload"), 1);
  EXPECT_NE(board().find("\r\nEND,\r\n本日/15時から全体会議\r\n"), std::string::npos);
  EXPECT_EQ(rows()[1], "B02,5,佐藤,外出,,,,,,,pc-b");
  EXPECT_EQ(log[log.size() - 2], "message 本日/15時から全体会議");
}

// A tick reloads the board while dialog 310 is open, then the check at OK
// meets a lock: the message must be the one the tick loaded, not the one
// from before the dialog, and not the typed one.
TEST_F(BoardCommands, MessageDroppedAtOkLeavesTheMessageAsLastLoaded) {
  answer(IDD_MESSAGE, [&] {
    otherCopySaves({kRowA, kRowB, kRowC}, "午後は在宅");
    ASSERT_TRUE(loadBoard(list, app));  // the tick
    acceptMessageText("届かない連絡", *dialogs.typedMessage);
    lock();
  });
  run(allMembersMessage);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(app.board.allMembersMessage, "午後は在宅");
}

// Dialog 343 shows the ID read-only; an ID of 29 bytes (as long as the
// board file holds) must still name its member after OK.
TEST_F(BoardCommands, PcNameOfAMemberWithA29ByteId) {
  const std::string longId = std::string(27, 'L') + "表";  // 29 bytes, the last character double-byte
  writeBoard(boardBytes(1111, {kRowA, longId + ",1,長い,,,,,,,,"}, "朝会は9時"));
  ASSERT_TRUE(loadBoard(list, app));
  list.select(list.findId(longId));
  answer(IDD_PC_NAME, [&] {
    e().editId = std::string(27, 'L');  // what a 28-byte read of the field would give back
    e().editPcName = "pc-long";
  });
  run(pcNameInput);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(shown(longId, 9), "pc-long");
  EXPECT_NE(board().find(longId + ",1,長い,,,,,,,,pc-long\r\n"), std::string::npos);
}

TEST_F(BoardCommands, IconChangeActsOnTheSelectedOrOwnRow) {
  app.local.userId = "C03";
  std::vector<std::string> opened;
  dialogs.on[IDD_ICON] = [&] {
    opened.push_back(e().iconDialogId + ":" + e().editIconNumberText);
    e().editIconNumberText = "12";
    return 0;
  };
  list.select(list.findId("B02"));
  run(changeSelectedIcon);  // the selected row
  run(changeOwnIcon);       // always the user's own row
  list.select(-1);
  run(changeSelectedIcon);  // no selection: the own row
  app.local.userId = "nobody";
  run(changeOwnIcon);  // neither: both fields start empty and nothing asks for an ID
  EXPECT_EQ(opened, (std::vector<std::string>{"B02:5", "C03:7", "C03:12", ":"}));
  EXPECT_EQ(rows()[1].substr(0, 7), "B02,12,");
  EXPECT_EQ(rows()[2].substr(0, 7), "C03,12,");
}

TEST_F(BoardCommands, UserIdCommandStoresTheTypedIdOrClearsIt) {
  app.local.userId = "A01";
  answer(IDD_USER_ID, [&] { e().enteredUserId = "c03"; });
  run(userIdCommand);
  EXPECT_EQ(app.local.userId, "c03");  // as typed; the lookup ignores case
  answer(IDD_USER_ID, [&] { e().enteredUserId = "X99"; });
  run(userIdCommand);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kOwnIdNotFound}));
  EXPECT_EQ(app.local.userId, "");
  app.local.userId = "A01";
  dialogs.on[IDD_USER_ID] = [] { return 1; };
  run(userIdCommand);
  EXPECT_EQ(app.local.userId, "A01");
}

TEST_F(BoardCommands, CancelLeavesBoardAndFileAlone) {
  app.local.userId = "A01";
  list.select(list.findId("A01"));
  lock();  // a command that went on to the check would warn
  const std::string before = board();
  for (int d : {IDD_DESTINATION, IDD_ICON, IDD_MESSAGE, IDD_DELETE_ID, IDD_TARGET_ID, IDD_PC_NAME})
    dialogs.on[d] = [] { return 1; };
  for (Command command : {destinationForSelectedRow, destinationById, destinationForOwnRow, addMember,
                      deleteMemberById,
                      deleteSelectedMember, changeSelectedIcon, changeOwnIcon, allMembersMessage, pcNameInput})
    run(command);
  EXPECT_EQ(dialogs.opened.size(), 10u);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(board(), before);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(app.board.allMembersMessage, "朝会は9時");
}

}  // namespace
