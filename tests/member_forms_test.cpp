// The dialog-side decisions of the destination, icon and message dialogs and
// of the in-place ID edit: byte limits, comma conversion and the refusals
// that keep a dialog open.
#include <gtest/gtest.h>

#include <climits>

#include "board/board_state.h"
#include "board/id_edit.h"
#include "common/field_text.h"
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

TEST(FieldText, LimitsFollowTheBufferAndNeverSplitACharacter) {
  EXPECT_EQ(fieldText(std::string(30, 'a'), 30), std::string(28, 'a'));
  EXPECT_EQ(fieldText(std::string(27, 'a') + "表", 30), std::string(27, 'a'));  // 表 would end at byte 29
  EXPECT_EQ(fieldText(std::string(26, 'a') + "表", 30), std::string(26, 'a') + "表");
  EXPECT_EQ(fieldText(std::string(97, 'x') + "表", 100), std::string(97, 'x'));
  EXPECT_EQ(singleLineFieldText("pc01\r\nEND,", 30) + singleLineFieldText("pc\n02", 30), "pc01pc");
  EXPECT_TRUE(hasLineBreak("a\rb"));
  EXPECT_FALSE(hasLineBreak("表ソ十"));  // trail bytes are no line breaks
}

TEST(DestinationForm, RefusalsKeepTheDialogOpenOnTheFieldAtFault) {
  const std::vector<std::tuple<std::string, F, const char*>> cases = {
      {"", F::kId, msg::kIdEmpty},   {" taro", F::kId, msg::kIdStartsWithSpace},     {"END", F::kId, msg::kIdIsEnd},
      {"", F::kOther, msg::kIdEmpty},  // the ID is tested first
      {"A01", F::kSchedule, msg::kLineBreakNotAllowed}, {"A01", F::kOther, msg::kLineBreakNotAllowed},
      {"A01", F::kName, msg::kLineBreakNotAllowed}};
  for (const auto& [id, field, warning] : cases) {
    EditBuffers e = newMember();
    DestinationForm typed = form(id, "会議,室");
    if (field != F::kId) typed[field] = "午前\r\n午後";
    DestinationVerdict v = acceptDestinationForm(typed, e);
    EXPECT_FALSE(v.accepted) << id;
    EXPECT_STREQ(v.warning, warning) << id;
    EXPECT_EQ(v.focus, id.empty() ? F::kId : field) << id;
    EXPECT_EQ(e.editDestination, "会議/室");  // the buffers took the texts all the same
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
  EXPECT_EQ((std::vector<std::string>{e.editId, e.editName, e.editDestination, e.editReturnTime}),
            std::vector<std::string>(4, shortText));
  EXPECT_EQ((std::vector<std::string>{e.editMobile, e.editContact, e.editSchedule, e.editOther}),
            std::vector<std::string>(4, longText));
  EditBuffers plain = newMember();
  EXPECT_FALSE(acceptDestinationForm(form("A1", "会議室"), plain).commasReplaced);
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

TEST(DestinationForm, OpeningShowsCaptionsCutTo8BytesChoicesAndIcon) {
  BoardState board;
  board.columnNames[1] = "行き先のご案内";
  board.columnNames[2] = "A戻り予定";  // the fourth character would end at byte 9
  EXPECT_EQ(destinationCaption(board.columnNames, 2) + destinationCaption(board.columnNames, 3), "行き先のA戻り予");
  SharedSettings shared;
  shared.destinationList = {};
  shared.destinationList[0] = "会議室", shared.destinationList[4] = "休み";
  EXPECT_EQ(destinationChoices(shared), (std::vector<std::string>{"会議室", "休み"}));
  EditBuffers e;
  for (const auto& [text, number] : std::vector<std::pair<std::string, int>>{{"", 0}, {"69", 69}, {"70", -1}, {"-3", -1}}) {
    e.editIconNumberText = text;
    EXPECT_EQ(formIconNumber(e), number) << text;
  }
}

TEST(IconForm, NumbersReadLikeTheCRuntimeAndOkRefusesWhatIsNotThere) {
  for (const auto& [text, value] : std::vector<std::pair<const char*, int>>{
           {" 7x", 7}, {"-", 0}, {"-99999999999999999999", INT_MIN}, {"4294967296", INT_MAX}})
    EXPECT_EQ(iconNumberValue(text), value) << text;
  wabo::testing::FakeMemberList list;
  list.addRow({"TARO"});
  struct Case {
    const char *id, *number, *warning, *stored;
  } cases[] = {
      {"taro", "69", nullptr, "69"},  // the ID ignoring case
      {"TARO", "abc", nullptr, "0"},  {"TARO", " 12x", nullptr, "12"},
      {"TARO", "70", msg::kIconNumberOutOfRange, "70"}, {"TARO", "-1", msg::kIconNumberOutOfRange, "-1"},
      {"nobody", "5", msg::kIconIdNotFound, "5"},       {"", "5", msg::kIconIdNotFound, "5"},
      {"nobody", "70", msg::kIconNumberOutOfRange, "70"},  // the number is tested first
  };
  for (const Case& c : cases) {
    EditBuffers e;
    IconVerdict v = acceptIconForm(c.id, c.number, list, e.iconDialogId, e.editIconNumberText);
    EXPECT_EQ(v.accepted, c.warning == nullptr) << c.id << " " << c.number;
    EXPECT_STREQ(v.warning, c.warning) << c.id << " " << c.number;
    EXPECT_EQ(e.iconDialogId + "|" + e.editIconNumberText, std::string(c.id) + "|" + c.stored);
  }
  EditBuffers e;
  EXPECT_FALSE(acceptIconForm(std::string(40, 'T'), "1", list, e.iconDialogId, e.editIconNumberText).accepted);
  EXPECT_EQ(e.iconDialogId, std::string(28, 'T'));
}

TEST(MessageForm, TextIsCutTo254BytesWithCommasTurnedIntoSlashes) {
  const std::vector<std::tuple<std::string, bool, std::string>> cases = {
      {"本日,全員,出社", true, "本日/全員/出社"}, {"", false, ""},
      {std::string(253, 'm') + "表", false, std::string(253, 'm')}, {std::string(400, 'm'), false, std::string(254, 'm')}};
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
           {"", msg::kIdEmpty}, {" ito", msg::kIdStartsWithSpace}, {"END", msg::kIdIsEnd}, {"SATO", msg::kDuplicateId},
           {"a\r\nb", msg::kLineBreakNotAllowed}, {std::string(40, 'x') + "\n", msg::kLineBreakNotAllowed}})
    EXPECT_STREQ(checkIdEdit(list, 0, typed).warning, warning) << typed;
  // "end" is an ordinary ID; the row's own ID in other letters; commas become
  // slashes; cut to 28 bytes, never half a character.
  for (const auto& [row, typed, id, unchanged, commas] : std::vector<std::tuple<int, std::string, std::string, bool, bool>>{
           {0, "end", "end", false, false}, {1, "SATO", "SATO", false, false}, {0, "tanaka", "tanaka", true, false},
           {0, "a,b", "a/b", false, true}, {0, std::string(27, 'n') + "表" + std::string(30, 'm'), std::string(27, 'n'), false, false}}) {
    IdEditVerdict v = checkIdEdit(list, row, typed);
    EXPECT_EQ(v.warning, nullptr) << typed;
    EXPECT_EQ(v.id, id);
    EXPECT_EQ(v.unchanged, unchanged) << typed;
    EXPECT_EQ(v.commasReplaced, commas) << typed;
  }
}

}  // namespace
