// The in-place ID edit of the member list as a change of the board: refused
// IDs keep the row as it was, accepted ones are saved over whatever another
// copy saved meanwhile.
#include <gtest/gtest.h>

#include "app/id_edit_command.h"
#include "common/clock.h"
#include "common/messages.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Lines = std::vector<std::string>;
const Lines kRows = {"A01,3,山田,在席,,,,,,,pc-a", "B02,5,佐藤,会議室,,,,,,,pc-b", "C03,7,鈴木,出張,,,,,,,"};

class IdEditCommand : public ::testing::Test, protected CommandFixture {
 protected:
  void SetUp() override {
    setClockForTests(localTime(2024, 5, 6, 9, 30, 15));
    writeBoard(boardBytes(1111, kRows, "朝会"));
    ASSERT_TRUE(loadBoard(list, app));
  }
  void TearDown() override { setClockForTests(-1); }
};

TEST_F(IdEditCommand, RefusedIdsKeepTheRowAndTheFile) {
  const std::string before = board();
  for (const char* typed : {"END", "", " B", "b02", "x\r\ny"}) finishIdEdit(ctx, "A01", typed);
  EXPECT_EQ(ui.warnings, (Lines{msg::kIdIsEnd, msg::kIdEmpty, msg::kIdStartsWithSpace, msg::kDuplicateId,
                                msg::kLineBreakNotAllowed}));
  EXPECT_EQ(list.ids(), (Lines{"A01", "B02", "C03"}));
  EXPECT_EQ(board(), before);
  // The same ID again saves nothing either.
  finishIdEdit(ctx, "A01", "A01");
  EXPECT_EQ(board(), before);
}

TEST_F(IdEditCommand, AnAcceptedIdIsSavedOverAnotherCopysSave) {
  // Another copy has saved B02's new destination; this copy still shows the old one.
  writeBoard(boardBytes(2222, {kRows[0], "B02,5,佐藤,外出,,,,,,,pc-b", kRows[2]}, "朝会"));
  finishIdEdit(ctx, "a01", "Z,9");
  EXPECT_EQ(ui.informations, Lines{msg::kCommaConverted});
  EXPECT_TRUE(ui.warnings.empty());
  EXPECT_EQ(fileRows(board()), (Lines{"Z/9,3,山田,在席,,,,,,,pc-a", "B02,5,佐藤,外出,,,,,,,pc-b", kRows[2]}));
  EXPECT_EQ(list.findId("A01"), -1);
  // The row went while the edit was open (another copy deleted it).
  writeBoard(boardBytes(3333, {kRows[1]}, "朝会"));
  finishIdEdit(ctx, "C03", "C04");
  EXPECT_EQ(ui.warnings, Lines{msg::kIdNotFound});
  EXPECT_EQ(fileRows(board()), Lines{kRows[1]});
}

}  // namespace
