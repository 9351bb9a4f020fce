// The dialog-side decisions of the destination, icon and message dialogs and
// of the in-place ID edit: byte limits, comma conversion and the refusals
// that keep a dialog open; and the reading of decimal numbers that every
// number field goes through. (The Shift_JIS helpers under them are the sjis
// fuzz target's, against its own reading of the characters.)
#include <gtest/gtest.h>

#include <climits>

#include "board/board_state.h"
#include "board/id_edit.h"
#include "common/decimal.h"
#include "common/messages.h"
#include "members/destination_form.h"
#include "members/icon_form.h"
#include "members/message_form.h"
#include "tests/fake_member_list.h"

using namespace wabo;
using F = DestinationField;

namespace {

DestinationForm form(const std::string& id, const std::string& destination = "") {
  DestinationForm f;
  f[F::kId] = id, f[F::kDestination] = destination;
  return f;
}

EditBuffers newMember() {
  EditBuffers e;
  e.editRowIndex = -1;
  return e;
}

TEST(DestinationForm, RefusalsKeepTheDialogOpenOnTheFieldAtFault) {
  const std::vector<std::tuple<std::string, F, const char*>> cases = {
      {"END", F::kId, msg::kIdIsEnd},
      {"", F::kOther, msg::kIdEmpty},  // the ID is tested first
      {"A01", F::kSchedule, msg::kLineBreakNotAllowed},
      {"A01", F::kName, msg::kLineBreakNotAllowed}};
  for (const auto& [id, field, warning] : cases) {
    EditBuffers e = newMember();
    DestinationForm typed = form(id, "会議,室");
    if (field != F::kId) typed[field] = "午前\r\n午後";
    DestinationVerdict v = acceptDestinationForm(typed, e);
    EXPECT_FALSE(v.accepted) << id;
    EXPECT_STREQ(v.warning, warning) << id;
    EXPECT_EQ(v.focus, id.empty() ? F::kId : field) << id;
  }
  for (const char* id : {"t aro", "END2", "end"}) {
    EditBuffers e = newMember();
    EXPECT_TRUE(acceptDestinationForm(form(id), e).accepted) << id;
    EXPECT_EQ(e.editId, id);
  }
}

TEST(DestinationForm, CommasBecomeSlashesAndFieldsAreCutTo28And98Bytes) {
  EditBuffers e = newMember();
  DestinationForm typed;
  for (std::string& t : typed.texts) t = "a," + std::string(25, 'x') + "表" + std::string(100, 'y');
  DestinationVerdict v = acceptDestinationForm(typed, e);
  ASSERT_TRUE(v.accepted && v.commasReplaced);
  const std::string shortText = "a/" + std::string(25, 'x'), longText = shortText + "表" + std::string(69, 'y');
  EXPECT_EQ(
      (std::vector<std::string>{e.editId, e.editName, e.editDestination, e.editReturnTime, e.editMobile, e.editContact,
                                e.editSchedule, e.editOther}),
      (std::vector<std::string>{shortText, shortText, shortText, shortText, longText, longText, longText, longText}));
}

// A 29-byte ID from a hand-edited file must not be cut to 28 by the OK: the
// row edit would no longer find its member.
TEST(DestinationForm, AnExistingMembersIdStaysAsRead) {
  EditBuffers e;
  e.editRowIndex = 4;
  e.editId = std::string(29, 'K');
  ASSERT_TRUE(acceptDestinationForm(form(std::string(29, 'K'), "出張"), e).accepted);
  EXPECT_EQ(e.editId, std::string(29, 'K'));
  EXPECT_FALSE(formIdEditable(e) || formAddsMember(e));
  EXPECT_TRUE(formIdEditable(newMember()) && formAddsMember(newMember()));
}

TEST(DestinationForm, CaptionsAreCutTo8BytesWithoutHalfACharacter) {
  BoardState board;
  board.columnNames[1] = "行き先のご案内";
  board.columnNames[2] = "A戻り予定";  // the fourth character would end at byte 9
  EXPECT_EQ(destinationCaption(board.columnNames, 2) + destinationCaption(board.columnNames, 3), "行き先のA戻り予");
}

TEST(IconForm, OkRefusesWhatIsNotThere) {
  wabo::testing::FakeMemberList list;
  list.addRow({"TARO"});
  struct Case {
    const char *id, *number, *warning, *stored;
  } cases[] = {
      {"taro", "69", nullptr, "69"},  // the ID ignoring case
      {"TARO", "abc", nullptr, "0"},        {"TARO", "-1", msg::kIconNumberOutOfRange, "-1"},
      {"", "5", msg::kIconIdNotFound, "5"}, {"nobody", "70", msg::kIconNumberOutOfRange, "70"},  // the number first
  };
  for (const Case& c : cases) {
    EditBuffers e;
    IconVerdict v = acceptIconForm(c.id, c.number, list, e.iconDialogId, e.editIconNumberText);
    EXPECT_STREQ(v.warning, c.warning) << c.id << " " << c.number;
    EXPECT_EQ(std::to_string(v.accepted) + e.iconDialogId + "|" + e.editIconNumberText,
              std::to_string(!c.warning) + c.id + "|" + c.stored);
  }
  EditBuffers e;
  EXPECT_FALSE(acceptIconForm(std::string(40, 'T'), "1", list, e.iconDialogId, e.editIconNumberText).accepted);
  EXPECT_EQ(e.iconDialogId, std::string(28, 'T'));
}

TEST(MessageForm, TextIsCutTo254BytesWithCommasTurnedIntoSlashes) {
  const std::vector<std::tuple<std::string, bool, std::string>> cases = {
      {"本日,全員,出社", true, "本日/全員/出社"},
      {std::string(253, 'm') + "表", false, std::string(253, 'm')},
      {std::string(400, 'm'), false, std::string(254, 'm')}};
  for (const auto& [typed, commas, stored] : cases) {
    std::string message;
    EXPECT_EQ(acceptMessageText(typed, message), commas);
    EXPECT_EQ(message, stored);
  }
}

// The in-place ID edit takes only what the destination dialog would take as
// an ID: a row named "END" would end the board at the next load.
TEST(IdEdit, RefusesWhatWouldBreakTheBoardOrNameTwoMembers) {
  wabo::testing::FakeMemberList list;
  list.addRow({"tanaka"});
  list.addRow({"Sato"});
  for (const auto& [typed, warning] : std::vector<std::pair<std::string, const char*>>{
           {"", msg::kIdEmpty},
           {" ito", msg::kIdStartsWithSpace},
           {"END", msg::kIdIsEnd},
           {"SATO", msg::kDuplicateId},
           {std::string(40, 'x') + "\n", msg::kLineBreakNotAllowed}})  // a break behind the 28 bytes kept
    EXPECT_STREQ(checkIdEdit(list, 0, typed).warning, warning) << typed;
  // "end" is an ordinary ID; the row's own ID in other letters; commas become
  // slashes; cut to 28 bytes, never half a character.
  for (const auto& [row, typed, id, unchanged, commas] :
       std::vector<std::tuple<int, std::string, std::string, bool, bool>>{
           {0, "end", "end", false, false},
           {1, "SATO", "SATO", false, false},
           {0, "tanaka", "tanaka", true, false},
           {0, "a,b", "a/b", false, true},
           {0, std::string(27, 'n') + "表" + std::string(30, 'm'), std::string(27, 'n'), false, false}}) {
    IdEditVerdict v = checkIdEdit(list, row, typed);
    EXPECT_EQ(v.warning, nullptr) << typed;
    EXPECT_EQ(std::make_tuple(v.id, v.unchanged, v.commasReplaced), std::make_tuple(id, unchanged, commas)) << typed;
  }
}

// atoi and scanf("%d") without their undefined overflow.
TEST(Decimal, SignBlanksAndTheEndsOfTheIntRange) {
  struct Case {
    const char* text;
    bool anyWhiteSpace, found, fits;
    int value;
  } cases[] = {
      {"2147483647", false, true, true, INT_MAX},
      {"2147483648", false, true, false, INT_MAX},
      {"-2147483648", false, true, true, INT_MIN},
      {"-2147483649", false, true, false, INT_MIN},
      {"000000000000000000000042x", false, true, true, 42},  // leading zeros are no overflow
      {"99999999999999999999999999", false, true, false, INT_MAX},
      {" \t+7", false, true, true, 7},
      {"\r\n 7", false, false, false, 0},
      {"\r\n 7", true, true, true, 7},
      {"- 7", false, false, false, 0},
      {"", false, false, false, 0},
      {"+", false, false, false, 0},
  };
  for (const Case& c : cases) {
    LeadingInteger n = leadingInteger(c.text, c.anyWhiteSpace);
    EXPECT_EQ(std::make_tuple(n.found, n.fits, n.value), std::make_tuple(c.found, c.fits, c.value)) << c.text;
  }
}

// A number field of a dialog: digits with blanks around them and nothing else.
TEST(Decimal, PlainNumbersTakeDigitsWithBlanksAroundThemOnly) {
  for (const auto& [text, value] : std::vector<std::pair<const char*, long long>>{{"0", 0},
                                                                                  {" 17\t", 17},
                                                                                  {"4294967295", 4294967295LL},
                                                                                  {"4294967296", -1},
                                                                                  {"99999999999999999999999999999", -1},
                                                                                  {"+5", -1},
                                                                                  {"5 5", -1},
                                                                                  {"  ", -1},
                                                                                  {"１２", -1}})  // full-width digits
    EXPECT_EQ(plainNumber(text, UINT32_MAX), value) << text;
}

}  // namespace
