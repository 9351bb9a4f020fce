// The administrator settings: the destination list edit, and the commands
// with scripted dialogs over real Wabo.ini and board files.
#include <gtest/gtest.h>

#include <utility>

#include "app/admin_commands.h"
#include "common/clock.h"
#include "common/messages.h"
#include "common/platform_file_faults.h"
#include "settings/destination_list_edit.h"
#include "settings/shared_settings.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Slots = std::array<std::string, kDestinationSlots>;
using Lines = std::vector<std::string>;

const std::string kRowA = "A01,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a";
const std::string kRowB = "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,pc-b";
const std::string kRowB2 = "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b";

// The dialogs run their scripts over the fields and answer 0 (OK), or 1
// (ｷｬﾝｾﾙ) without a script or when `cancelling`.
class AdminCommands : public ::testing::Test, protected CommandFixture, protected AdminDialogs,
                      protected BoardMenuView {
 protected:
  std::function<void(BoardSettingsFields&)> boards;
  std::function<void(DestinationListFields&)> destinations;
  std::function<void(ColumnNamesFields&)> captions;
  std::function<void(OtherSettingsFields&)> other;
  bool cancelling = false;
  int opened = 0;
  AdminContext actx{ctx, *this, *this, folder.file("Wabo.ini")};

  void SetUp() override {
    setClockForTests(localTime(2024, 5, 6, 9, 30, 15));
    writeBoard(boardBytes(1111, {kRowA, kRowB}, "朝会は9時"));
    ASSERT_TRUE(loadBoard(list, app));
    app.shared.boardPaths[0] = boardPath();
  }
  void TearDown() override { setClockForTests(-1); }

  int boardSettingsDialog(BoardSettingsFields& f) override { return answer(boards, f); }
  int destinationListDialog(DestinationListFields& f) override { return answer(destinations, f); }
  int columnNamesDialog(ColumnNamesFields& f) override { return answer(captions, f); }
  int otherSettingsDialog(OtherSettingsFields& f) override { return answer(other, f); }
  void refreshBoardMenu() override {
    log.push_back("menu");
    app.board.currentBoardPath = app.shared.boardPaths[app.boardIndex()];
  }
  template <typename Fields>
  int answer(const std::function<void(Fields&)>& script, Fields& fields) {
    ++opened;
    if (script) script(fields);
    return script && !cancelling ? 0 : 1;
  }

  void run(void (*command)(AdminContext&)) { command(actx); }
  std::string ini() const { return readFile(folder.file("Wabo.ini")); }
  // What Wabo.ini holds when `s` is written.
  std::string bytesOf(const SharedSettings& s) const {
    EXPECT_TRUE(saveSharedSettings(s, folder.file("expected.ini")));
    return readFile(folder.file("expected.ini"));
  }
  std::string captionLine() const { return firstLines(board(), 2).substr(firstLines(board(), 1).size()); }
};

}  // namespace

// A word with a blank start is refused in the end-to-end scenario.
TEST(DestinationListEdit, ATwentyFirstWordWaitsForADeletion) {
  Slots slots;
  for (int i = 0; i < kDestinationSlots; ++i) slots[i] = "w" + std::to_string(i);
  DestinationListEdit full(slots);
  EXPECT_FALSE(full.add("21番目")) << "the edit keeps its text on a full list";
  for (int index : {-1, 20, 0}) full.remove(index);  // no selection, past the end, the first
  EXPECT_TRUE(full.add("21番目"));
  EXPECT_EQ(full.slots()[0] + "|" + full.slots()[19], "w1|21番目");
}

// Storing names and paths is the end-to-end scenario's; here the look at the board shown.
TEST_F(AdminCommands, BoardSettingsLookAtTheBoardShownAgain) {
  writeFile(folder.file("b2.csv"), boardBytes(3333, {kRowB}, "別ボード"));
  app.local.selectedBoard = 2;
  boards = [&](BoardSettingsFields& f) { f.boardPaths[1] = folder.file("b2.csv"); };
  run(boardSettingsCommand);
  EXPECT_EQ(list.rowCount(), 1);
  boards = [](BoardSettingsFields& f) { f.boardNames[0] = "本社2"; };  // the same board: only a look
  run(boardSettingsCommand);
  EXPECT_EQ(log, (Lines{"menu", "reload", "show 09:30:15 更新", "menu", "show 09:30:15 更新."}));
  boards = [&](BoardSettingsFields& f) { f.boardPaths[1] = folder.file("gone.csv"); };
  run(boardSettingsCommand);
  EXPECT_EQ(ui.warnings, (Lines{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(list.rowCount(), 1) << "the rows shown stay";
}

// A Wabo.ini that cannot be written, and No, are the end-to-end scenario's.
TEST_F(AdminCommands, CancelKeepsSettingsAndFiles) {
  const std::string settingsBefore = bytesOf(app.shared), boardBefore = board();
  boards = [&](BoardSettingsFields& f) { f.boardPaths[0] = folder.file("other.csv"); };
  captions = [](ColumnNamesFields& f) { f.columnNames[0] = "氏名"; };
  other = [](OtherSettingsFields& f) { f.mailFolder = "M:\\"; };
  cancelling = true;
  for (auto command : {boardSettingsCommand, columnNamesCommand, otherSettingsCommand}) run(command);
  EXPECT_EQ(opened, 3);
  EXPECT_TRUE(log.empty() && ui.informations.empty() && !exists(folder.file("Wabo.ini")));
  EXPECT_EQ(std::make_tuple(bytesOf(app.shared), app.board.columnNames[0], board()),
            std::make_tuple(settingsBefore, std::string("名前"), boardBefore));
}

TEST_F(AdminCommands, AWaboIniThatAnotherCopyIsReadingIsWaitedForAMoment) {
  writeFile(folder.file("Wabo.ini"), "old");
  destinations = [](DestinationListFields& f) { f.destinationList[0] = "本社"; };
  platform::setFileFaultsForTests({-1, "", "", -1, folder.file("Wabo.ini"), 150});  // read at another copy's start
  run(destinationListCommand);
  const std::string held = ini();
  EXPECT_EQ(app.shared.destinationList[0], "本社");
  // Held much longer: told, and the program keeps what the file still holds.
  platform::setFileFaultsForTests({-1, "", "", -1, folder.file("Wabo.ini"), 5000});
  destinations = [](DestinationListFields& f) { f.destinationList[0] = "支店"; };
  run(destinationListCommand);
  platform::setFileFaultsForTests({});
  EXPECT_EQ(ui.warnings, (Lines{msg::kSharedSettingsNotWritten}));
  EXPECT_EQ(std::make_pair(ini(), bytesOf(app.shared)), std::make_pair(held, held));
  EXPECT_FALSE(exists(folder.file("Wabo.ini.new")));
}

// The comma conversion is the end-to-end scenario's.
TEST_F(AdminCommands, ColumnNamesAreSavedCutWholeOrNotAtAllWhenALockComesBetween) {
  std::string longCaption = "a";
  for (int i = 0; i < 15; ++i) longCaption += "表";  // 31 bytes; 表 ends in the byte '\'
  captions = [&](ColumnNamesFields& f) { f.columnNames[0] = "氏名", f.columnNames[7] = longCaption; };
  view.afterFirstShow = [&] { lock(); };  // another member saves between the check and the save
  const std::string before = board();
  run(columnNamesCommand);
  EXPECT_EQ(board(), before);
  EXPECT_EQ(app.board.columnNames[0], "名前") << "not left to ride along with a later save";
  std::filesystem::remove(folder.file("lock.dat"));
  run(columnNamesCommand);
  EXPECT_EQ(captionLine(), "ID,Icon No.,氏名,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定," +
                               longCaption.substr(0, 27) + ",PC-Name\r\n")
      << "27 bytes: no half character";
  EXPECT_EQ(fileRows(board()), (Lines{kRowA, kRowB}));
  EXPECT_EQ(list.columnCaption(1), "氏名") << "shown after the reload";
}

// Another member's save while the dialog is open, captions included, is
// found by the check; only the caption typed over goes into the file.
TEST_F(AdminCommands, ColumnNamesKeepASaveOfAnotherMemberMadeWhileTheDialogIsOpen) {
  captions = [&](ColumnNamesFields& f) {
    writeBoard(boardBytes(2222, {kRowA, kRowB2}, "朝会は10時",
                          "ID,Icon No.,名前,行き先,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n"));
    f.columnNames[1] = "居場所";
  };
  run(columnNamesCommand);
  EXPECT_EQ(captionLine(), "ID,Icon No.,名前,居場所,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n");
  EXPECT_EQ(fileRows(board()), (Lines{kRowA, kRowB2}));
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

// The new file's lines are the end-to-end scenario's; here the lock.
TEST_F(AdminCommands, NewBoardFilesReplaceAFileOnlyUnderItsFoldersLockAndLeaveTheBoardShown) {
  const std::int32_t stamp = app.board.boardStamp;
  writeFile(folder.file("new.csv"), "old");
  lock();  // another member is saving the folder's boards
  EXPECT_FALSE(createBoardFile(ctx, NewBoardKind::fromDisplay, folder.file("new.csv"), ui));
  EXPECT_EQ(readFile(folder.file("new.csv")), "old");
  EXPECT_EQ(ui.warnings, (Lines{msg::kSaveLockedOrMissing}));
  std::filesystem::remove(folder.file("lock.dat"));
  ASSERT_TRUE(createBoardFile(ctx, NewBoardKind::fromDisplay, folder.file("new.csv"), ui));
  EXPECT_EQ(fileRows(readFile(folder.file("new.csv"))), (Lines{kRowA, kRowB}));
  EXPECT_FALSE(exists(folder.file("lock.dat"))) << "our lock is gone again";
  EXPECT_EQ(std::make_pair(app.board.boardStamp, app.board.currentBoardPath), std::make_pair(stamp, boardPath()));
}
