// Edits of single rows: each finds its row by ID, changes the list and
// saves the whole board.
#include <gtest/gtest.h>

#include "app/list_columns.h"
#include "board/board_file.h"
#include "board/row_edits.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/board_test_support.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

class RowEdits : public ::testing::Test {
 protected:
  BoardFixture f;
  RecordingUi ui;

  void SetUp() override {
    setClockForTests(1700000000);
    f.writeBoard(boardBytes(100,
                            {"A01,4,青木,会議室,10:00,2020/01/01 09:00,090,連絡,予定,他,pc-a",
                             "B02,7,馬場,,,,,,,,pc-b", "C03,9,千葉,出張,明日,,,,,,pc-c"},
                            "msg"));
    ASSERT_TRUE(loadBoard(f.list, f.app));
  }
  void TearDown() override { setClockForTests(-1); }

  std::string board() const { return readFile(f.boardPath()); }
  // The board as a fresh load from the file sees it.
  FakeMemberList reread() {
    AppState app = f.app;
    FakeMemberList list;
    createColumns(list, app);
    EXPECT_TRUE(loadBoard(list, app));
    return list;
  }
  void fillEdit(const std::string& id, int rowIndex) {
    EditBuffers& e = f.app.edit;
    e.editRowIndex = rowIndex;
    e.editId = id;
    e.editName = "名";
    e.editDestination = "行";
    e.editReturnTime = "戻";
    e.editMobile = "携";
    e.editContact = "連";
    e.editSchedule = "予";
    e.editOther = "他";
  }
};

TEST_F(RowEdits, DeletingTheMiddleRowRenumbersKeysAndSortStillWorks) {
  f.app.edit.deleteId = "b02";  // small letters find the capitals
  ASSERT_TRUE(deleteMember(f.list, f.app, ui));
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"A01", "C03"}));
  EXPECT_EQ(f.list.keys(), (std::vector<long>{0, 1}));
  f.app.list.sortDescending[0] = 1;
  sortByColumn(f.list, f.app, 0);
  EXPECT_EQ(f.list.ids(), (std::vector<std::string>{"C03", "A01"}));
  EXPECT_EQ(reread().ids(), (std::vector<std::string>{"A01", "C03"}));
  EXPECT_TRUE(ui.warnings.empty());
}

TEST_F(RowEdits, DeletingAnUnknownIdWarnsAndSavesNothing) {
  const std::string before = board();
  f.app.edit.deleteId = "ZZZ";
  EXPECT_FALSE(deleteMember(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kDeleteIdNotFound}));
  EXPECT_EQ(board(), before);
  EXPECT_EQ(f.list.rowCount(), 3);
}

TEST_F(RowEdits, ANewMemberGoesToTheTopWithIconZeroAndNoPcName) {
  f.app.edit.editPcName = "leftover";
  fillEdit("NEW", -1);
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  ASSERT_EQ(f.list.ids(), (std::vector<std::string>{"NEW", "A01", "B02", "C03"}));
  const FakeRow& row = f.list.rows[0];
  EXPECT_EQ(row.image, 0);
  EXPECT_EQ(row.key, 3);
  EXPECT_EQ(row.texts[9], "");
  EXPECT_EQ(row.texts[1], "名");
  EXPECT_EQ(row.texts[8], "他");
  EXPECT_EQ(row.texts[4], formatNow("%Y/%m/%d %H:%M"));
  EXPECT_EQ(f.app.edit.editRowIndex, 0);

  // The file has the new member first, then the old rows in display order.
  // Read back and sorted by ID, the new member's key shows it was the first row.
  EXPECT_EQ(reread().keys(), (std::vector<long>{1, 2, 3, 0}));
  std::string bytes = board();
  std::size_t newAt = bytes.find("\r\nNEW,0,");
  std::size_t aAt = bytes.find("\r\nA01,");
  std::size_t cAt = bytes.find("\r\nC03,");
  ASSERT_NE(newAt, std::string::npos);
  EXPECT_LT(newAt, aAt);
  EXPECT_LT(aAt, cAt);
  EXPECT_NE(bytes.find("\r\nNEW,0,名,行,戻," + formatNow("%Y/%m/%d %H:%M") + ",携,連,予,他,\r\n"), std::string::npos);
}

TEST_F(RowEdits, AnEditStampsTheWriteTimeEvenWhenNothingChanged) {
  const int row = f.list.findId("A01");
  EditBuffers& e = f.app.edit;
  e.editRowIndex = row;
  e.editId = "a01";
  e.editName = f.list.text(row, 1, 30);
  e.editDestination = f.list.text(row, 2, 30);
  e.editReturnTime = f.list.text(row, 3, 30);
  e.editMobile = f.list.text(row, 5, 100);
  e.editContact = f.list.text(row, 6, 100);
  e.editSchedule = f.list.text(row, 7, 100);
  e.editOther = f.list.text(row, 8, 100);
  setClockForTests(1700000000 + 3600);
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(f.list.rows[static_cast<std::size_t>(row)].texts[4], formatNow("%Y/%m/%d %H:%M"));
  EXPECT_EQ(f.app.times.writeTimeText, formatNow("%Y/%m/%d %H:%M"));
  // Icon and PC name of an existing row stay.
  EXPECT_EQ(f.list.rows[static_cast<std::size_t>(row)].image, 4);
  EXPECT_EQ(f.list.rows[static_cast<std::size_t>(row)].texts[9], "pc-a");
  EXPECT_EQ(f.list.rows[static_cast<std::size_t>(row)].texts[2], "会議室");
  EXPECT_NE(board().find("A01,4,青木,会議室,10:00," + formatNow("%Y/%m/%d %H:%M") + ",090,"), std::string::npos);
}

TEST_F(RowEdits, InvalidNewIdsChangeAndSaveNothing) {
  const std::string before = board();
  for (const char* id : {" X", "", "END"}) {
    fillEdit(id, -1);
    EXPECT_FALSE(applyEditedRow(f.list, f.app, ui)) << id;
    EXPECT_EQ(f.list.rowCount(), 3) << id;
  }
  EXPECT_EQ(board(), before);
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(f.app.board.boardStamp, 100);
}

TEST_F(RowEdits, ARowRemovedMeanwhileChangesNothingButTheBoardIsSaved) {
  fillEdit("GONE", 1);
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(f.app.edit.editRowIndex, -1);
  EXPECT_EQ(f.app.board.boardStamp, std::atoi(formatNow("%y%H%M%S").c_str()));
  FakeMemberList file = reread();
  EXPECT_EQ(file.ids(), (std::vector<std::string>{"A01", "B02", "C03"}));
  EXPECT_EQ(file.rows[0].texts[1], "青木");
}

TEST_F(RowEdits, TextsAreCutToTheirFieldSizes) {
  fillEdit("B02", 1);
  f.app.edit.editName = std::string(40, 'n');
  f.app.edit.editContact = std::string(98, 'c') + "表";  // the 表 would need bytes 99 and 100
  ASSERT_TRUE(applyEditedRow(f.list, f.app, ui));
  FakeMemberList file = reread();
  const int row = file.findId("B02");
  EXPECT_EQ(file.rows[static_cast<std::size_t>(row)].texts[1], std::string(29, 'n'));
  EXPECT_EQ(file.rows[static_cast<std::size_t>(row)].texts[6], std::string(98, 'c'));
}

TEST_F(RowEdits, IconNumberFindsTheRowByIdAndTakesOnlyIconsThatExist) {
  f.app.edit.iconDialogId = "c03";
  f.app.edit.editIconNumberText = "69";
  ASSERT_TRUE(applyIconNumber(f.list, f.app, ui));
  EXPECT_EQ(f.list.image(f.list.findId("C03")), 69);
  EXPECT_EQ(reread().image(reread().findId("C03")), 69);

  for (const char* bad : {"70", "-1", "x"}) {
    f.app.edit.editIconNumberText = bad;
    ASSERT_TRUE(applyIconNumber(f.list, f.app, ui));
    EXPECT_EQ(f.list.image(f.list.findId("C03")), 69) << bad;
  }
  // The ID has gone meanwhile: no row changes, the board is saved all the same.
  setClockForTests(1700000000 + 61);
  f.app.edit.iconDialogId = "nobody";
  f.app.edit.editIconNumberText = "1";
  ASSERT_TRUE(applyIconNumber(f.list, f.app, ui));
  EXPECT_EQ(f.app.board.boardStamp, std::atoi(formatNow("%y%H%M%S").c_str()));
  for (const FakeRow& row : f.list.rows) EXPECT_NE(row.image, 1);
}

TEST_F(RowEdits, ASaveThatIsRefusedIsReportedAndTheEditStaysShown) {
  writeFile(f.folder.file("lock.dat"), "");
  fillEdit("A01", 0);
  EXPECT_FALSE(applyEditedRow(f.list, f.app, ui));
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kSaveLockedOrMissing}));
  EXPECT_EQ(f.list.text(f.list.findId("A01"), 1, 30), "名");
}

}  // namespace
