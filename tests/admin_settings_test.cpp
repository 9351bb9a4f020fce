// The administrator settings: the destination list and caption rules, and
// the four commands with scripted dialogs over real files (Wabo.ini bytes
// after each dialog, No/Cancel changing nothing, a Wabo.ini that cannot be
// written, the column names under the board's lock, new board files).
#include <gtest/gtest.h>

#include <utility>

#include "app/admin_commands.h"
#include "common/clock.h"
#include "common/messages.h"
#include "common/platform_file_faults.h"
#include "settings/column_captions.h"
#include "settings/destination_list_edit.h"
#include "settings/shared_settings.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Slots = std::array<std::string, kDestinationSlots>;

Slots slotsOf(std::initializer_list<std::pair<int, const char*>> filled) {
  Slots slots;
  for (auto& [index, word] : filled) slots[index] = word;
  return slots;
}

}  // namespace

TEST(DestinationListEdit, OpensWithTheFilledSlotsInOrderAndWritesThemFirst) {
  DestinationListEdit edit(slotsOf({{1, "会議室"}, {4, "出張"}, {19, "最後"}}));
  EXPECT_EQ(edit.words(), (std::vector<std::string>{"会議室", "出張", "最後"}));
  EXPECT_EQ(edit.slots(), slotsOf({{0, "会議室"}, {1, "出張"}, {2, "最後"}}));
}

TEST(DestinationListEdit, TwentyFirstWordIsIgnoredUntilOneIsDeleted) {
  Slots full;
  for (int i = 0; i < kDestinationSlots; ++i) full[i] = "w" + std::to_string(i);
  DestinationListEdit edit(full);
  EXPECT_FALSE(edit.add("21番目")) << "the edit keeps its text on a full list";
  EXPECT_EQ(edit.words().size(), 20u);
  EXPECT_FALSE(edit.add(" "));
  edit.remove(-1);  // no selection
  edit.remove(20);
  EXPECT_EQ(edit.words().size(), 20u);

  edit.remove(0);
  EXPECT_TRUE(edit.add("21番目"));
  ASSERT_EQ(edit.words().size(), 20u);
  EXPECT_EQ(edit.words().front(), "w1");
  EXPECT_EQ(edit.slots()[19], "21番目");
}

TEST(DestinationListEdit, EmptyOrBlankStartedWordsAreNotAddedButEmptyTheEdit) {
  DestinationListEdit edit(Slots{});
  EXPECT_TRUE(edit.add(""));
  EXPECT_TRUE(edit.add(" 外出"));
  EXPECT_TRUE(edit.words().empty());
  // Only the ASCII blank counts; a full-width blank is a character like any other.
  EXPECT_TRUE(edit.add("\x81\x40外出"));
  EXPECT_TRUE(edit.add("外 出"));
  EXPECT_TRUE(edit.add("外 出"));  // duplicates are not checked
  EXPECT_EQ(edit.words(), (std::vector<std::string>{"\x81\x40外出", "外 出", "外 出"}));
}

TEST(ColumnCaptions, CommasBecomeSlashesInChangedCaptionsAndAreReportedOnce) {
  ColumnCaptions shown{"名前", "行き先", "戻り予定", "書込日時", "携帯番号", "連絡事項", "予定", "その他"};
  ColumnCaptions typed = shown;
  typed[0] = "氏名,ふりがな,";
  typed[7] = "備考,";
  ColumnCaptions names = shown;
  EXPECT_TRUE(takeTypedCaptions(shown, typed, names));
  EXPECT_EQ(names[0], "氏名/ふりがな/");
  EXPECT_EQ(names[7], "備考/");
  EXPECT_EQ(names[1], "行き先");

  ColumnCaptions again = names;
  EXPECT_FALSE(takeTypedCaptions(names, names, again)) << "nothing changed, nothing to report";
  EXPECT_EQ(again, names);
}

TEST(ColumnCaptions, CaptionsLeftAsShownKeepWhatAReloadBrought) {
  ColumnCaptions shown{"名前", "行き先", "戻り予定", "書込日時", "携帯番号", "連絡事項", "予定", "その他"};
  ColumnCaptions typed = shown;
  typed[1] = "居場所";
  ColumnCaptions reloaded = shown;
  reloaded[4] = "内線";  // another administrator renamed it meanwhile
  EXPECT_FALSE(takeTypedCaptions(shown, typed, reloaded));
  EXPECT_EQ(reloaded[1], "居場所");
  EXPECT_EQ(reloaded[4], "内線");
}

TEST(ColumnCaptions, ATakenCaptionIsCutTo28BytesWithoutHalfACharacter) {
  ColumnCaptions shown{};
  ColumnCaptions typed{};
  typed[2] = "a";
  for (int i = 0; i < 15; ++i) typed[2] += "表";  // 1 + 30 bytes
  ColumnCaptions names{};
  takeTypedCaptions(shown, typed, names);
  EXPECT_EQ(names[2].size(), 27u);
  EXPECT_EQ(names[2].back(), '\x5c') << "ends with the trail byte of a whole 表";
}

namespace {

const std::string kRowA = "A01,3,山田,在席,,2024/05/01 08:00,090-1111,内線12,定例,メモ,pc-a";
const std::string kRowB = "B02,5,佐藤,会議室,11:00,2024/05/01 08:05,,,,,pc-b";

// Dialogs that change their fields as a script says and answer 0, or answer
// 1 (Cancel, or No to the question) without a script.
class ScriptedAdminDialogs : public AdminDialogs {
 public:
  std::function<void(BoardSettingsFields&)> boards;
  std::function<void(DestinationListFields&)> destinations;
  std::function<void(ColumnNamesFields&)> captions;
  std::function<void(OtherSettingsFields&)> other;
  std::vector<int> opened;

  int boardSettingsDialog(BoardSettingsFields& f) override { return run(IDD_BOARD_SETTINGS, boards, f); }
  int destinationListDialog(DestinationListFields& f) override { return run(IDD_DESTINATION_LIST, destinations, f); }
  int columnNamesDialog(ColumnNamesFields& f) override { return run(IDD_COLUMN_NAMES, captions, f); }
  int otherSettingsDialog(OtherSettingsFields& f) override { return run(IDD_OTHER_SETTINGS, other, f); }

 private:
  template <typename Fields>
  int run(int id, const std::function<void(Fields&)>& script, Fields& fields) {
    opened.push_back(id);
    if (!script) return 1;
    script(fields);
    return 0;
  }
};

// The board menu over the state, as the shell does it, and logged.
class RecordingMenu : public BoardMenuView {
 public:
  RecordingMenu(AppState& app, std::vector<std::string>& log) : app_(app), log_(log) {}
  void refreshBoardMenu() override {
    log_.push_back("menu");
    app_.board.currentBoardPath = app_.shared.boardPaths[app_.boardIndex()];
  }

 private:
  AppState& app_;
  std::vector<std::string>& log_;
};

// 44 lines of Wabo.ini from their values.
std::string iniBytes(const std::array<std::string, 5>& names, const std::array<std::string, 5>& paths,
                     const std::string& mail, const char* backup, const char* askId, const char* search,
                     const Slots& slots) {
  std::string s;
  for (int b = 0; b < 5; ++b) s += "[ﾎﾞｰﾄﾞ" + std::to_string(b + 1) + "]\r\n" + names[b] + "\r\n" + paths[b] + "\r\n";
  s += "[ﾒｰﾙﾌｫﾙﾀﾞ]\r\n" + mail + "\r\n";
  s += std::string("[ﾊﾞｯｸｱｯﾌﾟ設定]\r\n") + backup + "\r\n[起動時ID入力設定]\r\n" + askId + "\r\n";
  s += std::string("[PC接続ｻｰﾁ許可]\r\n") + search + "\r\n[行き先ﾘｽﾄ]\r\n";
  for (const std::string& word : slots) s += word + "\r\n";
  return s;
}

const std::array<std::string, 5> kDefaultNames{"ﾎﾞｰﾄﾞ1", "ﾎﾞｰﾄﾞ2", "ﾎﾞｰﾄﾞ3", "ﾎﾞｰﾄﾞ4", "ﾎﾞｰﾄﾞ5"};
const Slots kDefaultWords = slotsOf({{0, "事務所"}, {1, "会議室"}, {2, "出張"}, {3, "休み"}});

class AdminCommands : public ::testing::Test, protected CommandFixture {
 protected:
  ScriptedAdminDialogs admin;
  RecordingMenu menu{app, log};
  AdminContext actx{ctx, admin, menu, folder.file("Wabo.ini")};

  void SetUp() override {
    setClockForTests(localTime(2024, 5, 6, 9, 30, 15));
    writeBoard(boardBytes(1111, {kRowA, kRowB}, "朝会は9時"));
    ASSERT_TRUE(loadBoard(list, app));
    app.shared.boardPaths[0] = boardPath();
    app.shared.mailFolder = folder.path();
  }
  void TearDown() override { setClockForTests(-1); }

  void run(void (*command)(AdminContext&)) { command(actx); }
  std::string ini() const { return readFile(folder.file("Wabo.ini")); }
  std::array<std::string, 5> paths() const { return {boardPath(), "", "", "", ""}; }
};

}  // namespace

TEST_F(AdminCommands, DestinationListOkWritesTheWordsFirstIntoWaboIni) {
  admin.destinations = [](DestinationListFields& f) {
    EXPECT_EQ(f.destinationList, kDefaultWords);
    f.destinationList = slotsOf({{0, "事務所"}, {1, "出張"}, {2, "本社"}});
  };
  run(destinationListCommand);
  Slots expected = slotsOf({{0, "事務所"}, {1, "出張"}, {2, "本社"}});
  EXPECT_EQ(app.shared.destinationList, expected);
  EXPECT_EQ(ini(), iniBytes(kDefaultNames, paths(), folder.path(), "1", "0", "1", expected));
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(AdminCommands, OtherSettingsOkStoresTheBoxesAndMailFolder) {
  app.shared.backupEnabled = 2;  // anything but 1 means no backup: shown unticked
  admin.other = [](OtherSettingsFields& f) {
    EXPECT_EQ(f.backupEnabled, 0);
    EXPECT_EQ(f.pcSearchAllowed, 1);
    f.backupEnabled = 0, f.askUserIdAtStart = 1, f.pcSearchAllowed = 0;
    f.mailFolder = "\\\\srv\\ﾒｰﾙ";
  };
  run(otherSettingsCommand);
  EXPECT_EQ(app.shared.backupEnabled, 0);
  EXPECT_EQ(app.shared.askUserIdAtStart, 1);
  EXPECT_EQ(app.shared.pcSearchAllowed, 0);
  EXPECT_EQ(app.shared.mailFolder, "\\\\srv\\ﾒｰﾙ");
  EXPECT_EQ(ini(), iniBytes(kDefaultNames, paths(), "\\\\srv\\ﾒｰﾙ", "0", "1", "0", kDefaultWords));
}

TEST_F(AdminCommands, BoardSettingsOkStoresNamesAndPathsAsTypedAndLooksAtTheNewBoard) {
  writeFile(folder.file("b2.csv"), boardBytes(3333, {kRowB}, "別ボード"));
  const std::string board1 = boardPath();
  app.local.selectedBoard = 2;
  admin.boards = [&](BoardSettingsFields& f) {
    EXPECT_EQ(f.boardNames, kDefaultNames);
    f.boardNames = {"本社", "支店ﾎﾞｰﾄﾞ", "", "ﾎﾞｰﾄﾞ4", "ﾎﾞｰﾄﾞ5"};
    f.boardPaths = {board1, folder.file("b2.csv"), "", "Q:\\ない.csv", ""};
  };
  run(boardSettingsCommand);
  EXPECT_EQ(ini(), iniBytes({"本社", "支店ﾎﾞｰﾄﾞ", "", "ﾎﾞｰﾄﾞ4", "ﾎﾞｰﾄﾞ5"},
                            {board1, folder.file("b2.csv"), "", "Q:\\ない.csv", ""}, folder.path(), "1", "0",
                            "1", kDefaultWords));
  EXPECT_EQ(app.board.currentBoardPath, folder.file("b2.csv"));
  EXPECT_EQ(log, (std::vector<std::string>{"menu", "reload", "show 09:30:15 更新"}));
  EXPECT_EQ(list.rowCount(), 1);
  EXPECT_EQ(app.main.lastLoadResult, kChanged);
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(AdminCommands, BoardSettingsOnTheSameBoardOnlyLooksAndOnAMissingOneWarns) {
  admin.boards = [](BoardSettingsFields& f) { f.boardNames[0] = "本社"; };
  run(boardSettingsCommand);
  EXPECT_EQ(log, (std::vector<std::string>{"menu", "show 09:30:15 更新."}));
  EXPECT_TRUE(ui.warnings.empty());

  log.clear();
  admin.boards = [&](BoardSettingsFields& f) { f.boardPaths[0] = folder.file("gone.csv"); };
  run(boardSettingsCommand);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(app.main.lastLoadResult, kUnreadable);
  EXPECT_EQ(list.rowCount(), 2) << "the rows shown stay";
}

TEST_F(AdminCommands, CancelOrNoLeavesMemoryAndFilesUnchanged) {
  const SharedSettings before = app.shared;
  const std::string boardBefore = board();
  for (auto command : {boardSettingsCommand, destinationListCommand, columnNamesCommand, otherSettingsCommand})
    run(command);
  EXPECT_EQ(admin.opened.size(), 4u);
  EXPECT_FALSE(exists(folder.file("Wabo.ini")));
  EXPECT_EQ(board(), boardBefore);
  EXPECT_EQ(app.shared.boardNames, before.boardNames);
  EXPECT_EQ(app.shared.boardPaths, before.boardPaths);
  EXPECT_EQ(app.shared.destinationList, before.destinationList);
  EXPECT_EQ(app.shared.mailFolder, before.mailFolder);
  EXPECT_EQ(app.board.columnNames[0], "名前");
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(ui.warnings.empty() && ui.informations.empty());
}

TEST_F(AdminCommands, AWaboIniThatCannotBeWrittenIsToldAndNothingIsKept) {
  writeFile(folder.file("Wabo.ini"), "old");
  actx.sharedSettingsPath = folder.file("no-such-folder/Wabo.ini");
  const SharedSettings before = app.shared;
  admin.boards = [&](BoardSettingsFields& f) { f.boardPaths[0] = folder.file("other.csv"); };
  admin.destinations = [](DestinationListFields& f) { f.destinationList = {}; };
  admin.other = [](OtherSettingsFields& f) { f.backupEnabled = 0; };
  for (auto command : {boardSettingsCommand, destinationListCommand, otherSettingsCommand}) run(command);

  EXPECT_EQ(ui.warnings, std::vector<std::string>(3, msg::kSharedSettingsNotWritten));
  EXPECT_EQ(app.shared.boardPaths, before.boardPaths);
  EXPECT_EQ(app.shared.destinationList, before.destinationList);
  EXPECT_EQ(app.shared.backupEnabled, 1);
  EXPECT_EQ(app.board.currentBoardPath, boardPath());
  EXPECT_TRUE(log.empty()) << "no menu, no reload after a failed store";
  EXPECT_EQ(ini(), "old");

  // A Wabo.ini marked read-only is kept as it is.
  actx.sharedSettingsPath = folder.file("Wabo.ini");
  std::filesystem::permissions(actx.sharedSettingsPath, std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::group_read |
                                                            std::filesystem::perms::others_read);
  run(destinationListCommand);
  EXPECT_EQ(ui.warnings.size(), 4u);
  EXPECT_EQ(app.shared.destinationList, before.destinationList);
  EXPECT_EQ(ini(), "old");
  EXPECT_FALSE(exists(folder.file("Wabo.ini.new")));
}

TEST_F(AdminCommands, AWaboIniThatAnotherCopyIsReadingIsWaitedForAMoment) {
  writeFile(folder.file("Wabo.ini"), "old");
  admin.destinations = [](DestinationListFields& f) { f.destinationList = slotsOf({{0, "本社"}}); };
  // Another member's copy reads it at its start for 150 ms: the save waits.
  platform::setFileFaultsForTests({-1, "", "", -1, folder.file("Wabo.ini"), 150});
  run(destinationListCommand);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(ini(), iniBytes(kDefaultNames, paths(), folder.path(), "1", "0", "1", slotsOf({{0, "本社"}})));

  // Held much longer: told, and the program keeps what the file still holds.
  const std::string held = ini();
  platform::setFileFaultsForTests({-1, "", "", -1, folder.file("Wabo.ini"), 5000});
  admin.destinations = [](DestinationListFields& f) { f.destinationList = slotsOf({{0, "支店"}}); };
  run(destinationListCommand);
  platform::setFileFaultsForTests({});
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSharedSettingsNotWritten}));
  EXPECT_EQ(app.shared.destinationList, slotsOf({{0, "本社"}}));
  EXPECT_EQ(ini(), held);
  EXPECT_FALSE(exists(folder.file("Wabo.ini.new")));
}

TEST_F(AdminCommands, ColumnNamesOnALockedBoardWarnAndChangeNothing) {
  lock();
  const std::string before = board();
  admin.captions = [](ColumnNamesFields& f) { f.columnNames[0] = "氏名"; };
  run(columnNamesCommand);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kBoardMissingOrLocked}));
  EXPECT_EQ(board(), before);
  EXPECT_TRUE(exists(folder.file("lock.dat")));
  EXPECT_EQ(app.board.columnNames[0], "名前");
  EXPECT_EQ(list.columnCaption(1), "名前");
}

TEST_F(AdminCommands, ColumnNamesWithCommasAreSavedWithSlashesAfterOneMessage) {
  admin.captions = [](ColumnNamesFields& f) {
    f.columnNames[0] = "氏名,かな";
    f.columnNames[6] = "予定,1,2";
  };
  run(columnNamesCommand);
  EXPECT_EQ(ui.informations, (std::vector<std::string>{msg::kCommaConverted}));
  std::string file = board();
  EXPECT_EQ(firstLines(file, 2).substr(firstLines(file, 1).size()),
            "ID,Icon No.,氏名/かな,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定/1/2,その他,PC-Name\r\n");
  EXPECT_EQ(fileRows(file), (std::vector<std::string>{kRowA, kRowB}));
  EXPECT_FALSE(exists(folder.file("lock.dat")));
  EXPECT_EQ(list.columnCaption(1), "氏名/かな") << "shown after the reload";
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);
}

TEST_F(AdminCommands, ColumnNamesKeepAnotherMembersSaveMadeWhileTheDialogWasOpen) {
  const std::string otherCaptions = "ID,Icon No.,名前,行き先,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n";
  const std::string rowB2 = "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b";
  admin.captions = [&](ColumnNamesFields& f) {
    writeBoard(boardBytes(2222, {kRowA, rowB2}, "朝会は10時", otherCaptions));
    f.columnNames[1] = "居場所";
  };
  view.afterFirstShow = [] { setClockForTests(localTime(2024, 5, 6, 9, 32, 0)); };
  run(columnNamesCommand);
  // The status bar tells of the reload that shows the new captions.
  EXPECT_EQ(log.back(), "show 09:32:00 更新");
  EXPECT_EQ(log[log.size() - 2], "message 朝会は10時");
  std::string file = board();
  EXPECT_EQ(firstLines(file, 2).substr(firstLines(file, 1).size()),
            "ID,Icon No.,名前,居場所,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n");
  EXPECT_EQ(fileRows(file), (std::vector<std::string>{kRowA, rowB2}));
  EXPECT_NE(file.find("\r\n朝会は10時\r\n"), std::string::npos);
  EXPECT_TRUE(ui.informations.empty());
}

// Message boxes of the administrator's PC; another member saves the board
// while the first information is on the screen.
class UiWhileAnotherSaves : public RecordingUi {
 public:
  std::function<void()> meanwhile;
  void inform(const char* text) override {
    RecordingUi::inform(text);
    if (meanwhile) std::exchange(meanwhile, nullptr)();
  }
};

TEST_F(AdminCommands, ColumnNamesAreTakenOverASaveMadeWhileTheCommaMessageWasShown) {
  UiWhileAnotherSaves shownUi;
  BoardCommandContext onThisPc{list, app, shownUi, dialogs, view};
  AdminContext adminHere{onThisPc, admin, menu, folder.file("Wabo.ini")};
  const std::string otherCaptions = "ID,Icon No.,名前,行き先,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n";
  const std::string rowB2 = "B02,5,佐藤,外出,15:00,2024/05/06 09:29,,,,,pc-b";
  shownUi.meanwhile = [&] { writeBoard(boardBytes(2222, {kRowA, rowB2}, "朝会は10時", otherCaptions)); };
  admin.captions = [](ColumnNamesFields& f) { f.columnNames[1] = "居場所,今"; };
  columnNamesCommand(adminHere);

  std::string file = board();
  EXPECT_EQ(firstLines(file, 2).substr(firstLines(file, 1).size()),
            "ID,Icon No.,名前,居場所/今,戻り予定,書込日時,内線,連絡事項,予定,その他,PC-Name\r\n")
      << "the rename over the other member's captions";
  EXPECT_EQ(fileRows(file), (std::vector<std::string>{kRowA, rowB2})) << "the other member's edit stays";
  EXPECT_NE(file.find("\r\n朝会は10時\r\n"), std::string::npos);
  EXPECT_EQ(shownUi.informations, (std::vector<std::string>{msg::kCommaConverted})) << "told once";
  EXPECT_TRUE(shownUi.warnings.empty()) << shownUi.warnings.front();
  EXPECT_EQ(list.columnCaption(2), "居場所/今");
  EXPECT_EQ(list.columnCaption(5), "内線");
  EXPECT_EQ(checkBoard(app.board, shownUi), kUnchanged);
}

TEST_F(AdminCommands, NewBoardFilesAreWrittenAtOnceWithoutTouchingTheBoardShown) {
  const std::int32_t stamp = app.board.boardStamp;
  EXPECT_FALSE(createBoardFile(ctx, NewBoardKind::empty, "", ui)) << "picker cancelled";
  ASSERT_TRUE(createBoardFile(ctx, NewBoardKind::empty, folder.file("empty.csv"), ui));
  ASSERT_TRUE(createBoardFile(ctx, NewBoardKind::fromDisplay, folder.file("copy.csv"), ui));
  EXPECT_EQ(app.board.boardStamp, stamp);
  EXPECT_EQ(app.board.currentBoardPath, boardPath());
  EXPECT_EQ(checkBoard(app.board, ui), kUnchanged);

  std::string empty = readFile(folder.file("empty.csv"));
  EXPECT_EQ(empty.substr(firstLines(empty, 1).size()),
            kDefaultCaptionLine + "ID,0,名前,,,,,,,,\r\nEND,\r\n \x81\x67全メンバーへのメッセージ\x81\x68 記入欄\r\n");
  EXPECT_EQ(fileRows(readFile(folder.file("copy.csv"))), (std::vector<std::string>{kRowA, kRowB}));
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(AdminCommands, ANewBoardReplacesAnExistingFileOnlyUnderItsFoldersLock) {
  TempFolder shared;
  const std::string target = shared.file("busy.csv");
  const std::string busy = boardBytes(4444, {kRowB}, "使用中");
  writeFile(target, busy);
  writeFile(shared.file("lock.dat"), "");  // another member is saving it
  EXPECT_FALSE(createBoardFile(ctx, NewBoardKind::empty, target, ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveLockedOrMissing}));
  EXPECT_EQ(readFile(target), busy);
  EXPECT_TRUE(exists(shared.file("lock.dat")));

  std::filesystem::remove(shared.file("lock.dat"));
  ASSERT_TRUE(createBoardFile(ctx, NewBoardKind::fromDisplay, target, ui));
  EXPECT_EQ(fileRows(readFile(target)), (std::vector<std::string>{kRowA, kRowB}));
  EXPECT_FALSE(exists(shared.file("lock.dat"))) << "our lock is gone again";
  EXPECT_FALSE(exists(target + ".new"));
}

TEST_F(AdminCommands, ANewBoardThatCannotBeWrittenIsTold) {
  EXPECT_FALSE(createBoardFile(ctx, NewBoardKind::empty, folder.file("none/x.csv"), ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveFailed}));
}
