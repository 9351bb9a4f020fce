// The board commands with scripted dialogs over the in-memory list and real
// board files: the order dialog, check, reload, apply by ID, save; and what
// happens when another copy saves or locks the board while a dialog is open.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "app/board_commands.h"
#include "board/board_file.h"
#include "common/clock.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "members/message_form.h"
#include "res/resource.h"
#include "tests/board_test_support.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

// Dialogs answered by the test. A dialog without a script is a dialog the
// command should not have opened.
class ScriptedDialogs : public BoardDialogs {
 public:
  using Script = std::function<int()>;
  Script destination, icon, message, deleteId, targetId, userId, pcName;
  std::vector<int> opened;  // template numbers in the order of opening

  int destinationDialog() override { return open(IDD_DESTINATION, destination); }
  int iconDialog() override { return open(IDD_ICON, icon); }
  int messageDialog() override { return open(IDD_MESSAGE, message); }
  int deleteIdDialog() override { return open(IDD_DELETE_ID, deleteId); }
  int targetIdDialog() override { return open(IDD_TARGET_ID, targetId); }
  int userIdDialog() override { return open(IDD_USER_ID, userId); }
  int pcNameDialog() override { return open(IDD_PC_NAME, pcName); }

 private:
  int open(int templateId, const Script& script) {
    opened.push_back(templateId);
    if (!script) {
      ADD_FAILURE() << "dialog " << templateId << " was not expected";
      return 1;
    }
    return script();
  }
};

// The main window's part: a reload is the real loader.
class RecordingView : public MainView {
 public:
  RecordingView(MemberList& list, AppState& app) : list_(list), app_(app) {}
  int reloads = 0;
  std::vector<std::string> updateTimes;
  std::vector<std::string> messages;
  std::function<void()> beforeReload;  // what happens between the check and the reload

  void showUpdateTime() override { updateTimes.push_back(app_.times.updateTimeText); }
  void showAllMembersMessage() override { messages.push_back(app_.board.allMembersMessage); }
  void reloadBoard() override {
    ++reloads;
    if (beforeReload) beforeReload();
    loadBoard(list_, app_);
    showAllMembersMessage();
  }

 private:
  MemberList& list_;
  AppState& app_;
};

// 2024/05/06 09:30:15 local time.
std::time_t fixedNow() {
  std::tm t = {};
  t.tm_year = 124;
  t.tm_mon = 4;
  t.tm_mday = 6;
  t.tm_hour = 9;
  t.tm_min = 30;
  t.tm_sec = 15;
  t.tm_isdst = -1;
  return std::mktime(&t);
}
const std::string kNow = "2024/05/06 09:30";

const std::string kRowA = "A01,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a";
const std::string kRowB = "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,pc-b";
const std::string kRowC = "C03,7,鈴木,出張,明日,2024/05/02 18:00,,,,,";

// The member rows of a board file, without CR LF.
std::vector<std::string> fileRows(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  std::vector<std::string> rows;
  for (std::size_t i = 2; i < lines.size() && lines[i] != "END,"; ++i) rows.push_back(lines[i]);
  return rows;
}

// The line after the end line.
std::string fileMessage(const std::string& bytes) {
  std::size_t end = bytes.find("\r\nEND,\r\n");
  if (end == std::string::npos) return "<no end line>";
  std::size_t start = end + 8;
  return bytes.substr(start, bytes.find("\r\n", start) - start);
}

class BoardCommands : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;
  ScriptedDialogs dialogs;
  RecordingView view{f.list, f.app};
  BoardCommandContext ctx{f.list, f.app, ui, dialogs, view};

  void SetUp() override {
    setClockForTests(fixedNow());
    f.writeBoard(boardBytes(1111, {kRowA, kRowB, kRowC}, "朝会は9時"));
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  void TearDown() override { setClockForTests(-1); }

  void run(int command) { runBoardCommand(ctx, command); }
  std::string file() const { return readFile(f.boardPath()); }
  std::vector<std::string> rows() const { return fileRows(file()); }
  // Another copy of the program saves the board.
  void otherCopySaves(const std::vector<std::string>& memberRows, const std::string& message = "朝会は9時") {
    f.writeBoard(boardBytes(2222, memberRows, message));
  }
  void lockBoard() { writeFile(lockFilePath(f.boardPath()), ""); }
  int rowOf(const std::string& id) const { return f.list.findId(id); }
  std::string listText(const std::string& id, int column) const { return f.list.text(rowOf(id), column, 256); }
  EditBuffers& edit() { return f.app.edit; }
};

TEST_F(BoardCommands, DestinationEditSurvivesAnotherCopysSaveWhileTheDialogIsOpen) {
  f.list.select(rowOf("A01"));
  dialogs.destination = [&] {
    // The dialog shows the row as read before it opened.
    EXPECT_EQ(edit().editId, "A01");
    EXPECT_EQ(edit().editName, "山田");
    EXPECT_EQ(edit().editDestination, "在席");
    EXPECT_EQ(edit().editMobile, "090-1111");
    EXPECT_EQ(edit().editIconNumberText, "3");
    // Meanwhile another member adds A00, which sorts above A01, and changes B02.
    otherCopySaves({"A00,1,新人,,,,,,,,", kRowA, "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b", kRowC});
    edit().editDestination = "出張";
    edit().editReturnTime = "17:00";
    return 0;
  };
  run(CMD_DESTINATION_SELECTED);

  EXPECT_EQ(view.reloads, 1);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows(), (std::vector<std::string>{
                        "A00,1,新人,,,,,,,,",
                        "A01,3,山田,出張,17:00," + kNow + ",090-1111,内線12,定例,メモ,pc-a",
                        "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b",
                        kRowC,
                    }));
  EXPECT_EQ(listText("A01", 2), "出張");
  EXPECT_EQ(listText("A01", 4), kNow);
  EXPECT_EQ(listText("B02", 2), "外出");
  // The update time was shown after the check.
  ASSERT_FALSE(view.updateTimes.empty());
  EXPECT_EQ(view.updateTimes.back(), f.app.times.updateTimeText);
  EXPECT_EQ(checkBoard(f.app.board, ui), kUnchanged);
}

TEST_F(BoardCommands, DestinationByTypedIdFindsTheRowIgnoringCase) {
  f.app.local.userId = "C03";
  dialogs.targetId = [&] {
    EXPECT_EQ(f.app.local.userId, "C03");  // the dialog starts with userId
    edit().targetId = "b02";
    return 0;
  };
  dialogs.destination = [&] {
    edit().editDestination = "外出";
    return 0;
  };
  run(CMD_DESTINATION_BY_ID);
  EXPECT_EQ(dialogs.opened, (std::vector<int>{IDD_TARGET_ID, IDD_DESTINATION}));
  EXPECT_EQ(rows()[1], "B02,5,佐藤,外出,11:00," + kNow + ",,,,,pc-b");
  EXPECT_EQ(view.reloads, 0);

  // An ID that is not on the board: the warning, and no destination dialog.
  dialogs.opened.clear();
  std::string before = file();
  dialogs.targetId = [&] {
    edit().targetId = "X99";
    return 0;
  };
  run(CMD_DESTINATION_BY_ID);
  EXPECT_EQ(dialogs.opened, (std::vector<int>{IDD_TARGET_ID}));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kIdNotFound}));
  EXPECT_EQ(file(), before);
}

TEST_F(BoardCommands, UnreadableBoardAtOkDropsEveryKindOfChange) {
  struct Case {
    const char* name;
    int command;
    std::function<void()> script;
  };
  std::vector<Case> cases = {
      {"destination", CMD_DESTINATION_SELECTED,
       [&] { dialogs.destination = [&] { edit().editDestination = "出張"; lockBoard(); return 0; }; }},
      {"add", CMD_ADD_MEMBER,
       [&] { dialogs.destination = [&] { edit().editId = "N01"; lockBoard(); return 0; }; }},
      {"delete", CMD_DELETE_SELECTED, [&] { dialogs.deleteId = [&] { lockBoard(); return 0; }; }},
      {"icon", CMD_ICON_SELECTED,
       [&] { dialogs.icon = [&] { edit().editIconNumberText = "9"; lockBoard(); return 0; }; }},
      {"pc name", CMD_PC_NAME,
       [&] { dialogs.pcName = [&] { edit().editPcName = "pc-x"; lockBoard(); return 0; }; }},
      {"message", CMD_ALL_MEMBERS_MESSAGE,
       [&] { dialogs.message = [&] { acceptMessageText("新しい", f.app.board); lockBoard(); return 0; }; }},
      {"quick input", CMD_QUICK_INPUT_1, [&] { lockBoard(); }},
  };
  f.app.local.userId = "A01";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.warnings.clear();
    platform::removeFile(lockFilePath(f.boardPath()));
    f.list.select(rowOf("B02"));
    std::string before = file();
    std::vector<FakeRow> listBefore = f.list.rows;
    c.script();
    run(c.command);
    EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
    EXPECT_EQ(file(), before);
    EXPECT_TRUE(exists(lockFilePath(f.boardPath())));
    ASSERT_EQ(f.list.rowCount(), static_cast<int>(listBefore.size()));
    for (std::size_t i = 0; i < listBefore.size(); ++i) EXPECT_EQ(f.list.rows[i].texts, listBefore[i].texts);
    EXPECT_EQ(f.list.columnWidth(9), 0);
  }
  // The typed message does not stay behind to be written by a later save.
  EXPECT_EQ(f.app.board.allMembersMessage, "朝会は9時");
  EXPECT_EQ(view.reloads, 0);
}

TEST_F(BoardCommands, ALockTakenBetweenTheCheckAndTheReloadDropsTheEdit) {
  // The reload gives up on the lock and keeps the old rows; saving them would
  // undo the other member's save once the lock is gone.
  f.list.select(rowOf("A01"));
  std::vector<std::string> theirs = {kRowA, "B02,5,佐藤,外出,,,,,,,pc-b", kRowC};
  dialogs.destination = [&] {
    otherCopySaves(theirs);
    edit().editDestination = "出張";
    return 0;
  };
  view.beforeReload = [&] { lockBoard(); };
  run(CMD_DESTINATION_SELECTED);
  EXPECT_EQ(view.reloads, 1);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(rows(), theirs);
}

TEST_F(BoardCommands, MissingBoardFileAtOkIsWarnedAndNothingIsWritten) {
  f.list.select(rowOf("A01"));
  dialogs.destination = [&] {
    platform::removeFile(f.boardPath());
    edit().editDestination = "出張";
    return 0;
  };
  run(CMD_DESTINATION_SELECTED);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  EXPECT_FALSE(exists(f.boardPath()));
  EXPECT_EQ(listText("A01", 2), "在席");
}

TEST_F(BoardCommands, AddingAnIdThatDiffersOnlyInCaseIsRefused) {
  std::string before = file();
  dialogs.destination = [&] {
    edit().editId = "b02";
    edit().editName = "別人";
    return 0;
  };
  run(CMD_ADD_MEMBER);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kDuplicateId}));
  EXPECT_EQ(file(), before);
  EXPECT_EQ(f.list.rowCount(), 3);
}

TEST_F(BoardCommands, AddPutsTheNewMemberFirstWithEmptyBuffersAtOpening) {
  // Buffers left over from an earlier command must not reach the new form.
  edit().editId = "A01";
  edit().editName = "山田";
  edit().editIconNumberText = "3";
  edit().editRowIndex = 0;
  dialogs.destination = [&] {
    EXPECT_EQ(edit().editRowIndex, -1);
    EXPECT_EQ(edit().editId, "");
    EXPECT_EQ(edit().editName, "");
    EXPECT_EQ(edit().editIconNumberText, "");
    edit().editId = "D04";
    edit().editName = "高橋";
    edit().editDestination = "在席";
    return 0;
  };
  run(CMD_ADD_MEMBER);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows(), (std::vector<std::string>{"D04,0,高橋,在席,," + kNow + ",,,,,", kRowA, kRowB, kRowC}));
  EXPECT_EQ(f.list.ids()[0], "D04");
}

TEST_F(BoardCommands, AddIsRefusedWhenAnotherCopyAddedTheSameIdWhileTheDialogWasOpen) {
  dialogs.destination = [&] {
    otherCopySaves({kRowA, kRowB, kRowC, "d04,2,先着,,,,,,,,"});
    edit().editId = "D04";
    return 0;
  };
  run(CMD_ADD_MEMBER);
  EXPECT_EQ(view.reloads, 1);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kDuplicateId}));
  EXPECT_EQ(rows(), (std::vector<std::string>{kRowA, kRowB, kRowC, "d04,2,先着,,,,,,,,"}));
}

TEST_F(BoardCommands, AddIsRefusedOnAFullBoardSoNoMemberFallsOutOfTheFile) {
  std::vector<std::string> full;
  for (int i = 0; i < kMaxBoardRows; ++i) full.push_back("M" + std::to_string(1000 + i) + ",0,名前,,,,,,,,");
  otherCopySaves(full);
  dialogs.destination = [&] {
    edit().editId = "NEW";
    return 0;
  };
  run(CMD_ADD_MEMBER);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardFull}));
  EXPECT_EQ(rows(), full);

  // One row fewer (saved by another copy under a new stamp): the member is
  // added as the 500th row.
  full.pop_back();
  f.writeBoard(boardBytes(3333, full, "朝会は9時"));
  ui.warnings.clear();
  run(CMD_ADD_MEMBER);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(rows().size(), static_cast<std::size_t>(kMaxBoardRows));
  EXPECT_EQ(rows().front().substr(0, 4), "NEW,");
}

TEST_F(BoardCommands, QuickInputWithoutUserIdAsksForItFirst) {
  f.app.local.userId.clear();
  f.app.local.quickInputWord1 = "出社";

  // Typed ID not on the board: the warning, userId unchanged, nothing saved.
  std::string before = file();
  dialogs.userId = [&] {
    edit().enteredUserId = "X99";
    return 0;
  };
  run(CMD_QUICK_INPUT_1);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kOwnIdNotFound}));
  EXPECT_EQ(f.app.local.userId, "");
  EXPECT_EQ(file(), before);

  // Cancelled: no warning, nothing saved.
  ui.warnings.clear();
  dialogs.userId = [] { return 1; };
  run(CMD_QUICK_INPUT_1);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(file(), before);

  // On the board (typed in other case): the command goes on with it.
  dialogs.userId = [&] {
    edit().enteredUserId = "b02";
    return 0;
  };
  run(CMD_QUICK_INPUT_1);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(f.app.local.userId, "b02");
  EXPECT_EQ(rows()[1], "B02,5,佐藤,出社,11:00," + kNow + ",,,,,pc-b");

  // Now known: the second quick input asks nothing and keeps the other fields.
  dialogs.opened.clear();
  f.app.local.userId = "A01";
  f.app.local.quickInputWord2 = "帰宅";
  run(CMD_QUICK_INPUT_2);
  EXPECT_TRUE(dialogs.opened.empty());
  EXPECT_EQ(rows()[0], "A01,3,山田,帰宅,," + kNow + ",090-1111,内線12,定例,メモ,pc-a");
}

TEST_F(BoardCommands, QuickInputWordIsCutToTheDestinationField) {
  f.app.local.userId = "C03";
  f.app.local.quickInputWord1 = std::string(28, 'w') + "表示,";  // 33 bytes
  run(CMD_QUICK_INPUT_1);
  EXPECT_EQ(listText("C03", 2), std::string(28, 'w'));
  EXPECT_EQ(rows()[2], "C03,7,鈴木," + std::string(28, 'w') + ",明日," + kNow + ",,,,,");
}

TEST_F(BoardCommands, OwnDestinationAsksForTheUserIdThenOpensTheForm) {
  dialogs.userId = [&] {
    edit().enteredUserId = "c03";
    return 0;
  };
  dialogs.destination = [&] {
    EXPECT_EQ(edit().editId, "C03");
    edit().editDestination = "在席";
    return 0;
  };
  run(CMD_OWN_DESTINATION);
  EXPECT_EQ(dialogs.opened, (std::vector<int>{IDD_USER_ID, IDD_DESTINATION}));
  EXPECT_EQ(rows()[2], "C03,7,鈴木,在席,明日," + kNow + ",,,,,");
}

TEST_F(BoardCommands, SelectionCommandsWithoutASelectionDoNothing) {
  std::string before = file();
  run(CMD_DESTINATION_SELECTED);
  run(CMD_PC_NAME);
  EXPECT_TRUE(dialogs.opened.empty());
  EXPECT_EQ(file(), before);
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(BoardCommands, DeleteDialogStartsWithTheSelectedIdOnlyFromTheContextMenu) {
  std::vector<std::string> shown;
  dialogs.deleteId = [&] {
    shown.push_back(edit().deleteId);
    return 1;
  };
  edit().deleteId = "left over";
  run(CMD_DELETE_SELECTED);  // nothing selected
  f.list.select(rowOf("B02"));
  run(CMD_DELETE_SELECTED);
  run(CMD_DELETE_MEMBER);  // the menu bar's command starts empty even with a selection
  EXPECT_EQ(shown, (std::vector<std::string>{"", "B02", ""}));

  dialogs.deleteId = [&] {
    edit().deleteId = "b02";
    return 0;
  };
  run(CMD_DELETE_SELECTED);
  EXPECT_EQ(rows(), (std::vector<std::string>{kRowA, kRowC}));
}

TEST_F(BoardCommands, PcNameWidensAHiddenColumnAndFindsItsMemberAfterAReload) {
  ASSERT_EQ(f.list.columnWidth(9), 0);
  f.list.select(rowOf("B02"));
  dialogs.pcName = [&] {
    EXPECT_EQ(edit().editId, "B02");
    EXPECT_EQ(edit().editName, "佐藤");
    EXPECT_EQ(edit().editPcName, "pc-b");
    // Another member inserts a row above: B02 moves down.
    otherCopySaves({"A00,1,新人,,,,,,,,", kRowA, kRowB, kRowC});
    edit().editPcName = "192.168.0.22";
    return 0;
  };
  run(CMD_PC_NAME);
  EXPECT_EQ(view.reloads, 1);
  EXPECT_EQ(f.list.columnWidth(9), 100);
  EXPECT_EQ(rows(), (std::vector<std::string>{"A00,1,新人,,,,,,,,", kRowA,
                                              "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,192.168.0.22", kRowC}));

  // A column the user has sized keeps its width.
  f.list.setColumnWidth(9, 80);
  f.list.select(rowOf("C03"));
  dialogs.pcName = [&] {
    edit().editPcName = "pc-c";
    return 0;
  };
  run(CMD_PC_NAME);
  EXPECT_EQ(f.list.columnWidth(9), 80);
  EXPECT_EQ(listText("C03", 9), "pc-c");
}

TEST_F(BoardCommands, MessageTypedDuringAnotherCopysSaveIsKeptOverTheReload) {
  dialogs.message = [&] {
    EXPECT_EQ(f.app.board.allMembersMessage, "朝会は9時");
    otherCopySaves({kRowA, "B02,5,佐藤,外出,,,,,,,pc-b", kRowC}, "古い連絡");
    EXPECT_TRUE(acceptMessageText("本日,15時から全体会議", f.app.board));
    return 0;
  };
  run(CMD_ALL_MEMBERS_MESSAGE);
  EXPECT_EQ(view.reloads, 1);
  EXPECT_EQ(fileMessage(file()), "本日/15時から全体会議");
  EXPECT_EQ(rows()[1], "B02,5,佐藤,外出,,,,,,,pc-b");
  ASSERT_FALSE(view.messages.empty());
  EXPECT_EQ(view.messages.back(), "本日/15時から全体会議");

  // An emptied message empties the file's message line.
  dialogs.message = [&] {
    acceptMessageText("", f.app.board);
    return 0;
  };
  run(CMD_ALL_MEMBERS_MESSAGE);
  EXPECT_EQ(fileMessage(file()), "");
  EXPECT_EQ(view.messages.back(), "");
}

TEST_F(BoardCommands, IconChangeActsOnTheSelectedOrOwnRow) {
  f.app.local.userId = "C03";
  std::vector<std::string> shown;
  dialogs.icon = [&] {
    shown.push_back(edit().iconDialogId + ":" + edit().editIconNumberText);
    edit().editIconNumberText = "12";
    return 0;
  };
  f.list.select(rowOf("B02"));
  run(CMD_ICON_SELECTED);  // the selected row
  run(CMD_ICON_OWN);       // always the user's own row
  f.list.select(-1);
  run(CMD_ICON_SELECTED);  // no selection: the own row
  f.app.local.userId = "nobody";
  run(CMD_ICON_OWN);  // neither: both fields start empty and nothing asks for an ID
  EXPECT_EQ(shown, (std::vector<std::string>{"B02:5", "C03:7", "C03:12", ":"}));
  EXPECT_EQ(rows()[1], kRowB.substr(0, 4) + "12" + kRowB.substr(5));
  EXPECT_EQ(rows()[2], kRowC.substr(0, 4) + "12" + kRowC.substr(5));
  EXPECT_EQ(dialogs.opened, std::vector<int>(4, IDD_ICON));
}

TEST_F(BoardCommands, UserIdCommandStoresTheTypedIdOrClearsIt) {
  f.app.local.userId = "A01";
  dialogs.userId = [&] {
    EXPECT_EQ(f.app.local.userId, "A01");
    edit().enteredUserId = "c03";
    return 0;
  };
  run(CMD_USER_ID);
  EXPECT_EQ(f.app.local.userId, "c03");  // as typed; the lookup ignores case
  EXPECT_TRUE(ui.warnings.empty());

  dialogs.userId = [&] {
    edit().enteredUserId = "X99";
    return 0;
  };
  run(CMD_USER_ID);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kOwnIdNotFound}));
  EXPECT_EQ(f.app.local.userId, "");

  f.app.local.userId = "A01";
  dialogs.userId = [] { return 1; };
  run(CMD_USER_ID);
  EXPECT_EQ(f.app.local.userId, "A01");
}

TEST_F(BoardCommands, CancelLeavesBoardAndFileAlone) {
  // With the board locked, a command that went on to the check would warn.
  f.app.local.userId = "A01";
  f.list.select(rowOf("A01"));
  lockBoard();
  std::string before = file();
  dialogs.destination = dialogs.icon = dialogs.message = dialogs.deleteId = dialogs.targetId = dialogs.pcName = [] {
    return 1;
  };
  for (int command : {CMD_DESTINATION_SELECTED, CMD_DESTINATION_BY_ID, CMD_OWN_DESTINATION, CMD_ADD_MEMBER,
                      CMD_DELETE_MEMBER, CMD_DELETE_SELECTED, CMD_ICON_SELECTED, CMD_ICON_OWN,
                      CMD_ALL_MEMBERS_MESSAGE, CMD_PC_NAME}) {
    run(command);
  }
  EXPECT_EQ(dialogs.opened.size(), 10u);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(file(), before);
  EXPECT_TRUE(view.updateTimes.empty());
  EXPECT_EQ(f.app.board.allMembersMessage, "朝会は9時");
}

TEST_F(BoardCommands, OnlyTheBoardCommandsAreClaimed) {
  for (int id : {CMD_DESTINATION_BY_ID, CMD_ADD_MEMBER, CMD_DELETE_MEMBER, CMD_OWN_DESTINATION,
                 CMD_DESTINATION_SELECTED, CMD_ICON_SELECTED, CMD_USER_ID, CMD_ICON_OWN, CMD_DELETE_SELECTED,
                 CMD_ALL_MEMBERS_MESSAGE, CMD_QUICK_INPUT_1, CMD_QUICK_INPUT_2, CMD_PC_NAME})
    EXPECT_TRUE(isBoardCommand(id)) << id;
  for (int id : {CMD_REFRESH, CMD_MAIL, CMD_MAIL_SELECTED, CMD_BOARD_1, CMD_QUICK_INPUT_SETTINGS, CMD_PC_SEARCH, 0})
    EXPECT_FALSE(isBoardCommand(id)) << id;
}

}  // namespace
