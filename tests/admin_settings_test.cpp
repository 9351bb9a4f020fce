// The administrator settings: the destination list and caption rules, and
// the four commands with scripted dialogs over real Wabo.ini and board files.
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

Slots slotsOf(std::initializer_list<std::pair<int, const char*>> filled) {
  Slots slots;
  for (auto& [index, word] : filled) slots[index] = word;
  return slots;
}

const std::string kRowA = "A01,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a";
const std::string kRowB = "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,pc-b";
const std::string kRowB2 = "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b";
const std::string kOtherCaptions = "ID,Icon No.,名前,行き先,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n";

// The four dialogs run their scripts over the fields and answer 0 (OK), or 1
// (ｷｬﾝｾﾙ, or No to the question) without a script or when `cancelling`. The
// board menu is refreshed as the shell does it.
class AdminCommands : public ::testing::Test, protected CommandFixture, protected AdminDialogs, protected BoardMenuView {
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

TEST(DestinationListEdit, WordsMoveUpAndATwentyFirstWaitsForADeletion) {
  DestinationListEdit gaps(slotsOf({{1, "会議室"}, {19, "最後"}}));
  // Only the ASCII blank at the start drops a word (the edit still empties); duplicates are not checked.
  for (const char* typed : {"", " 外出", "\x81\x40外出", "外 出", "外 出"}) EXPECT_TRUE(gaps.add(typed));
  EXPECT_EQ(gaps.slots(), slotsOf({{0, "会議室"}, {1, "最後"}, {2, "\x81\x40外出"}, {3, "外 出"}, {4, "外 出"}}));
  Slots full;
  for (int i = 0; i < kDestinationSlots; ++i) full[i] = "w" + std::to_string(i);
  DestinationListEdit edit(full);
  EXPECT_FALSE(edit.add("21番目") || edit.add(" ")) << "the edit keeps its text on a full list";
  for (int index : {-1, 20, 0}) edit.remove(index);  // no selection, past the end, the first
  EXPECT_TRUE(edit.add("21番目"));
  EXPECT_EQ(edit.slots()[0] + "|" + edit.slots()[19], "w1|21番目");
}

TEST_F(AdminCommands, DestinationListAndOtherSettingsAreWrittenToWaboIni) {
  SharedSettings expected = app.shared;
  expected.destinationList = slotsOf({{0, "事務所"}, {1, "本社"}});
  destinations = [&](DestinationListFields& f) {
    EXPECT_EQ(f.destinationList, app.shared.destinationList);
    f.destinationList = expected.destinationList;
  };
  run(destinationListCommand);
  EXPECT_NE(ini().find("[行き先ﾘｽﾄ]\r\n事務所\r\n本社\r\n\r\n"), std::string::npos);
  app.shared.backupEnabled = 2;  // anything but 1 means no backup: shown unticked
  other = [](OtherSettingsFields& f) {
    EXPECT_EQ(std::make_pair(f.backupEnabled, f.pcSearchAllowed), std::make_pair(0, 1));
    f.backupEnabled = 0, f.askUserIdAtStart = 1, f.pcSearchAllowed = 0, f.mailFolder = "\\\\srv\\ﾒｰﾙ";
  };
  run(otherSettingsCommand);
  expected.backupEnabled = 0, expected.askUserIdAtStart = 1, expected.pcSearchAllowed = 0, expected.mailFolder = "\\\\srv\\ﾒｰﾙ";
  EXPECT_EQ(ini(), bytesOf(expected));
  EXPECT_EQ(bytesOf(app.shared), ini());
}

TEST_F(AdminCommands, BoardSettingsStoreNamesAndPathsAsTypedAndLookAtTheBoardShown) {
  writeFile(folder.file("b2.csv"), boardBytes(3333, {kRowB}, "別ボード"));
  app.local.selectedBoard = 2;
  SharedSettings expected = app.shared;
  expected.boardNames = {"本社", "支店ﾎﾞｰﾄﾞ", "", "ﾎﾞｰﾄﾞ4", "ﾎﾞｰﾄﾞ5"};
  expected.boardPaths = {boardPath(), folder.file("b2.csv"), "", "Q:\\ない.csv", ""};
  boards = [&](BoardSettingsFields& f) {
    EXPECT_EQ(f.boardNames, app.shared.boardNames);
    f.boardNames = expected.boardNames, f.boardPaths = expected.boardPaths;
  };
  run(boardSettingsCommand);
  EXPECT_EQ(ini(), bytesOf(expected));
  EXPECT_EQ(app.board.currentBoardPath, folder.file("b2.csv"));
  EXPECT_EQ(list.rowCount(), 1);
  boards = [](BoardSettingsFields& f) { f.boardNames[0] = "本社2"; };  // the same board: only a look
  run(boardSettingsCommand);
  EXPECT_EQ(log, (Lines{"menu", "reload", "show 09:30:15 更新", "menu", "show 09:30:15 更新."}));
  boards = [&](BoardSettingsFields& f) { f.boardPaths[1] = folder.file("gone.csv"); };
  run(boardSettingsCommand);
  EXPECT_EQ(ui.warnings, (Lines{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(list.rowCount(), 1) << "the rows shown stay";
}

TEST_F(AdminCommands, CancelOrAWaboIniThatCannotBeWrittenKeepsSettingsAndFiles) {
  writeFile(folder.file("Wabo.ini"), "old");
  const std::string settingsBefore = bytesOf(app.shared), boardBefore = board();
  boards = [&](BoardSettingsFields& f) { f.boardPaths[0] = folder.file("other.csv"); };
  destinations = [](DestinationListFields& f) { f.destinationList[0] = "本社"; };
  captions = [](ColumnNamesFields& f) { f.columnNames[0] = "氏名"; };
  other = [](OtherSettingsFields& f) { f.mailFolder = "M:\\"; };
  cancelling = true;
  for (auto command : {boardSettingsCommand, destinationListCommand, columnNamesCommand, otherSettingsCommand})
    run(command);
  EXPECT_EQ(opened, 4);
  EXPECT_TRUE(ui.warnings.empty() && ui.informations.empty());
  // Accepted, but Wabo.ini's folder is missing, then the file is marked read-only: told each time.
  cancelling = false;
  actx.sharedSettingsPath = folder.file("no-such-folder/Wabo.ini");
  for (auto command : {boardSettingsCommand, destinationListCommand, otherSettingsCommand}) run(command);
  actx.sharedSettingsPath = folder.file("Wabo.ini");
  namespace fs = std::filesystem;
  fs::permissions(actx.sharedSettingsPath, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  run(destinationListCommand);
  EXPECT_EQ(ui.warnings, Lines(4, msg::kSharedSettingsNotWritten));
  EXPECT_TRUE(log.empty()) << "no menu, no reload";
  EXPECT_EQ(app.board.currentBoardPath, boardPath());
  EXPECT_EQ(bytesOf(app.shared), settingsBefore);
  EXPECT_EQ(app.board.columnNames[0], "名前");
  EXPECT_EQ(board(), boardBefore);
  EXPECT_EQ(ini(), "old");
  EXPECT_FALSE(exists(folder.file("Wabo.ini.new")));
}

TEST_F(AdminCommands, AWaboIniThatAnotherCopyIsReadingIsWaitedForAMoment) {
  writeFile(folder.file("Wabo.ini"), "old");
  destinations = [](DestinationListFields& f) { f.destinationList = slotsOf({{0, "本社"}}); };
  platform::setFileFaultsForTests({-1, "", "", -1, folder.file("Wabo.ini"), 150});  // read at another copy's start
  run(destinationListCommand);
  const std::string held = ini();
  EXPECT_EQ(held, bytesOf(app.shared));
  EXPECT_EQ(app.shared.destinationList[0], "本社");
  // Held much longer: told, and the program keeps what the file still holds.
  platform::setFileFaultsForTests({-1, "", "", -1, folder.file("Wabo.ini"), 5000});
  destinations = [](DestinationListFields& f) { f.destinationList = slotsOf({{0, "支店"}}); };
  run(destinationListCommand);
  platform::setFileFaultsForTests({});
  EXPECT_EQ(ui.warnings, (Lines{msg::kSharedSettingsNotWritten}));
  EXPECT_EQ(ini(), held);
  EXPECT_EQ(bytesOf(app.shared), held);
  EXPECT_FALSE(exists(folder.file("Wabo.ini.new")));
}

TEST_F(AdminCommands, ColumnNamesWaitForTheLockAndAreSavedCutWithSlashesForCommas) {
  std::string longCaption = "a";
  for (int i = 0; i < 15; ++i) longCaption += "表";  // 31 bytes; 表 ends in the byte '\'
  captions = [&](ColumnNamesFields& f) {
    f.columnNames[0] = "氏名,かな", f.columnNames[6] = "予定,1,2", f.columnNames[7] = longCaption;
  };
  lock();
  const std::string before = board();
  run(columnNamesCommand);
  EXPECT_EQ(ui.warnings, (Lines{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(board(), before);
  EXPECT_TRUE(exists(folder.file("lock.dat")));
  EXPECT_EQ(app.board.columnNames[0] + list.columnCaption(1), "名前名前");
  std::filesystem::remove(folder.file("lock.dat"));
  run(columnNamesCommand);
  EXPECT_EQ(ui.informations, (Lines{msg::kCommaConverted}));
  EXPECT_EQ(captionLine(), "ID,Icon No.,氏名/かな,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定/1/2," +
                               longCaption.substr(0, 27) + ",PC-Name\r\n")
      << "27 bytes: no half character";
  EXPECT_EQ(fileRows(board()), (Lines{kRowA, kRowB}));
  EXPECT_FALSE(exists(folder.file("lock.dat")));
  EXPECT_EQ(list.columnCaption(1), "氏名/かな") << "shown after the reload";
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

// Another member's save while the dialog is open is found by the check; one
// between the check and the save (the comma message on the screen) by the save.
TEST_F(AdminCommands, ColumnNamesKeepSavesOfOthersMadeWhileTheDialogOrTheMessageIsShown) {
  captions = [&](ColumnNamesFields& f) {
    writeBoard(boardBytes(2222, {kRowA, kRowB2}, "朝会は10時", kOtherCaptions));
    f.columnNames[1] = "居場所";
  };
  view.afterFirstShow = [] { setClockForTests(localTime(2024, 5, 6, 9, 32, 0)); };
  run(columnNamesCommand);
  EXPECT_EQ(Lines(log.end() - 2, log.end()), (Lines{"message 朝会は10時", "show 09:32:00 更新"}));
  EXPECT_EQ(captionLine(), "ID,Icon No.,名前,居場所,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n");
  EXPECT_EQ(fileRows(board()), (Lines{kRowA, kRowB2}));
  EXPECT_TRUE(ui.informations.empty()) << "no comma, no message";

  view.afterFirstShow = [&] { writeBoard(boardBytes(3333, {kRowB2}, "朝会は11時")); };
  captions = [](ColumnNamesFields& f) { f.columnNames[0] = "氏名,かな"; };
  run(columnNamesCommand);
  EXPECT_EQ(captionLine(), "ID,Icon No.,氏名/かな,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定,その他,PC-Name\r\n");
  EXPECT_EQ(fileRows(board()), (Lines{kRowB2}));
  EXPECT_NE(board().find("\r\n朝会は11時\r\n"), std::string::npos);
  EXPECT_EQ(list.columnCaption(1) + list.columnCaption(5), "氏名/かな携帯番号");
  EXPECT_TRUE(ui.warnings.empty()) << ui.warnings.front();
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

TEST_F(AdminCommands, NewBoardFilesLeaveTheBoardShownAndReplaceAFileOnlyUnderItsFoldersLock) {
  const std::int32_t stamp = app.board.boardStamp;
  EXPECT_FALSE(createBoardFile(ctx, NewBoardKind::empty, "", ui)) << "picker cancelled";
  ASSERT_TRUE(createBoardFile(ctx, NewBoardKind::empty, folder.file("new.csv"), ui));
  const std::string empty = readFile(folder.file("new.csv"));
  EXPECT_EQ(empty.substr(firstLines(empty, 1).size()),
            kDefaultCaptionLine + "ID,0,名前,,,,,,,,\r\nEND,\r\n \x81\x67全メンバーへのメッセージ\x81\x68 記入欄\r\n");
  lock();  // another member is saving the folder's boards
  EXPECT_FALSE(createBoardFile(ctx, NewBoardKind::fromDisplay, folder.file("new.csv"), ui));
  EXPECT_EQ(readFile(folder.file("new.csv")), empty);
  std::filesystem::remove(folder.file("lock.dat"));
  ASSERT_TRUE(createBoardFile(ctx, NewBoardKind::fromDisplay, folder.file("new.csv"), ui));
  EXPECT_EQ(fileRows(readFile(folder.file("new.csv"))), (Lines{kRowA, kRowB}));
  EXPECT_FALSE(exists(folder.file("lock.dat"))) << "our lock is gone again";
  EXPECT_FALSE(createBoardFile(ctx, NewBoardKind::empty, folder.file("none/x.csv"), ui));
  EXPECT_EQ(ui.warnings, (Lines{msg::kSaveLockedOrMissing, msg::kSaveFailed}));
  EXPECT_EQ(app.board.boardStamp, stamp);
  EXPECT_EQ(app.board.currentBoardPath, boardPath());
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}
