// The dialog-side decisions of the destination, icon and message dialogs:
// byte limits, comma conversion and the refusals that keep a dialog open.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "common/field_text.h"
#include "common/messages.h"
#include "members/destination_form.h"
#include "members/icon_form.h"
#include "members/message_form.h"
#include "tests/fake_member_list.h"

using namespace wabo;

namespace {

DestinationForm form(const std::string& id, const std::string& destination = "") {
  DestinationForm f;
  f[DestinationField::kId] = id;
  f[DestinationField::kDestination] = destination;
  return f;
}

EditBuffers newMemberBuffers() {
  EditBuffers e;
  e.editRowIndex = -1;
  return e;
}

}  // namespace

TEST(FieldText, LimitsFollowTheBufferAndNeverSplitACharacter) {
  std::string ascii30(30, 'a');
  EXPECT_EQ(fieldText(ascii30, 30), std::string(28, 'a'));
  EXPECT_EQ(fieldText(std::string(120, 'b'), 100), std::string(98, 'b'));
  EXPECT_EQ(fieldText(std::string(300, 'c'), 256).size(), 254u);
  // 27 bytes and a double-byte character: the character would end at byte 29.
  std::string straddle = std::string(27, 'a') + "表";
  EXPECT_EQ(fieldText(straddle, 30), std::string(27, 'a'));
  EXPECT_EQ(fieldText(std::string(26, 'a') + "表", 30), std::string(26, 'a') + "表");
  // Fourteen full-width characters fill 28 bytes exactly; a fifteenth is dropped.
  std::string kana;
  for (int i = 0; i < 15; ++i) kana += "ア";
  EXPECT_EQ(fieldText(kana, 30).size(), 28u);
  EXPECT_EQ(fieldText(std::string(97, 'x') + "表", 100), std::string(97, 'x'));
}

TEST(FieldText, SingleLineFieldsEndAtTheFirstLineBreak) {
  EXPECT_EQ(singleLineFieldText("pc01\r\nEND,", 30), "pc01");
  EXPECT_EQ(singleLineFieldText("pc\n02", 30), "pc");
  EXPECT_EQ(singleLineFieldText("表\r", 30), "表");
  EXPECT_TRUE(hasLineBreak("a\rb"));
  EXPECT_TRUE(hasLineBreak("a\nb"));
  EXPECT_FALSE(hasLineBreak("表ソ十"));  // trail bytes 0x5C etc. are no line breaks
}

TEST(DestinationForm, IdRefusalsKeepTheDialogOpen) {
  struct Case {
    const char* id;
    const char* warning;
  } cases[] = {
      {"", msg::kIdEmpty},
      {" ", msg::kIdStartsWithSpace},
      {" taro", msg::kIdStartsWithSpace},
      {"END", msg::kIdIsEnd},
  };
  for (const Case& c : cases) {
    EditBuffers e = newMemberBuffers();
    DestinationVerdict v = acceptDestinationForm(form(c.id, "会議,室"), e);
    EXPECT_FALSE(v.accepted) << c.id;
    EXPECT_STREQ(v.warning, c.warning) << c.id;
    EXPECT_EQ(v.focus, DestinationField::kId);
    // The buffers took the texts all the same, commas already converted.
    EXPECT_EQ(e.editDestination, "会議/室");
  }
  for (const char* id : {"t aro", "END2", "end", "xEND"}) {
    EditBuffers e = newMemberBuffers();
    EXPECT_TRUE(acceptDestinationForm(form(id), e).accepted) << id;
    EXPECT_EQ(e.editId, id);
  }
}

TEST(DestinationForm, LineBreaksAreRefusedInTheFieldThatHoldsThem) {
  for (DestinationField f : {DestinationField::kSchedule, DestinationField::kOther, DestinationField::kName}) {
    EditBuffers e = newMemberBuffers();
    DestinationForm typed = form("A01");
    typed[f] = "午前\r\n午後";
    DestinationVerdict v = acceptDestinationForm(typed, e);
    EXPECT_FALSE(v.accepted);
    EXPECT_STREQ(v.warning, msg::kLineBreakNotAllowed);
    EXPECT_EQ(v.focus, f);
  }
  // The ID tests come first: an empty ID is named before a line break.
  EditBuffers e = newMemberBuffers();
  DestinationForm typed = form("");
  typed[DestinationField::kOther] = "a\nb";
  EXPECT_STREQ(acceptDestinationForm(typed, e).warning, msg::kIdEmpty);
}

TEST(DestinationForm, CommasBecomeSlashesInEveryFieldAndAreReportedOnce) {
  EditBuffers e = newMemberBuffers();
  DestinationForm typed;
  typed[DestinationField::kId] = "A,1";
  typed[DestinationField::kName] = "山田,太郎";
  typed[DestinationField::kDestination] = "本社,会議室";
  typed[DestinationField::kReturnTime] = "17:00";
  typed[DestinationField::kMobile] = "090,1234";
  typed[DestinationField::kContact] = "c,";
  typed[DestinationField::kSchedule] = ",s";
  typed[DestinationField::kOther] = "o,o";
  DestinationVerdict v = acceptDestinationForm(typed, e);
  EXPECT_TRUE(v.accepted);
  EXPECT_TRUE(v.commasReplaced);
  EXPECT_EQ(e.editId, "A/1");
  EXPECT_EQ(e.editName, "山田/太郎");
  EXPECT_EQ(e.editDestination, "本社/会議室");
  EXPECT_EQ(e.editReturnTime, "17:00");
  EXPECT_EQ(e.editMobile, "090/1234");
  EXPECT_EQ(e.editContact, "c/");
  EXPECT_EQ(e.editSchedule, "/s");
  EXPECT_EQ(e.editOther, "o/o");

  EditBuffers plain = newMemberBuffers();
  EXPECT_FALSE(acceptDestinationForm(form("A1", "会議室"), plain).commasReplaced);
}

TEST(DestinationForm, FieldsAreCutTo28And98Bytes) {
  EditBuffers e = newMemberBuffers();
  DestinationForm typed;
  for (std::string& t : typed.texts) t = std::string(27, 'x') + "表" + std::string(100, 'y');
  ASSERT_TRUE(acceptDestinationForm(typed, e).accepted);
  EXPECT_EQ(e.editId, std::string(27, 'x'));
  EXPECT_EQ(e.editName, std::string(27, 'x'));
  EXPECT_EQ(e.editDestination, std::string(27, 'x'));
  EXPECT_EQ(e.editReturnTime, std::string(27, 'x'));
  std::string long98 = std::string(27, 'x') + "表" + std::string(69, 'y');
  EXPECT_EQ(e.editMobile, long98);
  EXPECT_EQ(e.editOther, long98);
}

TEST(DestinationForm, AnExistingMembersIdStaysAsRead) {
  // An ID of 29 bytes (possible in a hand-edited file) must not be cut to 28
  // by the OK: the row edit would no longer find its member.
  EditBuffers e;
  e.editRowIndex = 4;
  e.editId = std::string(29, 'K');
  DestinationForm typed = form("", "出張");
  typed[DestinationField::kId] = std::string(29, 'K');
  ASSERT_TRUE(acceptDestinationForm(typed, e).accepted);
  EXPECT_EQ(e.editId, std::string(29, 'K'));
  EXPECT_EQ(e.editDestination, "出張");
  EXPECT_FALSE(formIdEditable(e));
  EXPECT_FALSE(formAddsMember(e));
  EXPECT_TRUE(formIdEditable(newMemberBuffers()));
  EXPECT_TRUE(formAddsMember(newMemberBuffers()));
}

TEST(DestinationForm, OpeningShowsCaptionsChoicesAndIcon) {
  BoardState board;
  board.columnNames[0] = "氏名";
  board.columnNames[1] = "行き先のご案内";  // 14 bytes
  board.columnNames[2] = "A戻り予定";        // 9 bytes: the fourth character would end at byte 9
  EXPECT_EQ(destinationCaption(board, 1), "氏名");
  EXPECT_EQ(destinationCaption(board, 2), "行き先の");
  EXPECT_EQ(destinationCaption(board, 3), "A戻り予");
  EXPECT_EQ(destinationCaption(board, 8), "その他");
  EXPECT_EQ(destinationCaption(board, 0), "");
  EXPECT_EQ(destinationCaption(board, 9), "");

  SharedSettings shared;
  shared.destinationList = {};
  shared.destinationList[0] = "会議室";
  shared.destinationList[1] = "出張";
  shared.destinationList[4] = "休み";
  EXPECT_EQ(destinationChoices(shared), (std::vector<std::string>{"会議室", "出張", "休み"}));

  EditBuffers e;
  EXPECT_EQ(formIconNumber(e), 0);  // a new member
  e.editIconNumberText = "69";
  EXPECT_EQ(formIconNumber(e), 69);
  e.editIconNumberText = "70";
  EXPECT_EQ(formIconNumber(e), -1);
  e.editIconNumberText = "-3";
  EXPECT_EQ(formIconNumber(e), -1);

  e.editId = "A1";
  e.editName = "山田";
  e.editOther = "x";
  DestinationForm shown = formFromBuffers(e);
  EXPECT_EQ(shown[DestinationField::kId], "A1");
  EXPECT_EQ(shown[DestinationField::kName], "山田");
  EXPECT_EQ(shown[DestinationField::kOther], "x");
}

TEST(IconForm, NumberTextsReadLikeTheCRuntime) {
  EXPECT_EQ(iconNumberValue("12"), 12);
  EXPECT_EQ(iconNumberValue("69"), 69);
  EXPECT_EQ(iconNumberValue("-1"), -1);
  EXPECT_EQ(iconNumberValue("+5"), 5);
  EXPECT_EQ(iconNumberValue(" 7x"), 7);
  EXPECT_EQ(iconNumberValue("abc"), 0);
  EXPECT_EQ(iconNumberValue(""), 0);
  EXPECT_EQ(iconNumberValue("-"), 0);
  EXPECT_EQ(iconNumberValue("99999999999999999999"), INT_MAX);
  EXPECT_EQ(iconNumberValue("-99999999999999999999"), INT_MIN);
  EXPECT_EQ(iconNumberValue("4294967296"), INT_MAX);  // no wrap to 0
  EXPECT_EQ(iconLabel(0), "0");
  EXPECT_EQ(iconLabel(69), "69");
}

TEST(IconForm, OkRefusesNumbersOutsideTheIconsAndIdsNotOnTheBoard) {
  wabo::testing::FakeMemberList list;
  list.addRow({"TARO"});
  list.addRow({"hanako"});
  struct Case {
    const char* id;
    const char* number;
    const char* warning;  // nullptr: accepted
    const char* storedNumber;
  } cases[] = {
      {"TARO", "0", nullptr, "0"},
      {"taro", "69", nullptr, "69"},       // the ID ignoring case
      {"HANAKO", "abc", nullptr, "0"},     // letters only: icon 0
      {"hanako", " 12x", nullptr, "12"},   // the number as the row edit will read it
      {"TARO", "70", msg::kIconNumberOutOfRange, "70"},
      {"TARO", "-1", msg::kIconNumberOutOfRange, "-1"},
      {"nobody", "5", msg::kIconIdNotFound, "5"},
      {"", "5", msg::kIconIdNotFound, "5"},
      {"nobody", "70", msg::kIconNumberOutOfRange, "70"},  // the number is tested first
  };
  for (const Case& c : cases) {
    EditBuffers e;
    IconVerdict v = acceptIconForm(c.id, c.number, list, e);
    EXPECT_EQ(v.accepted, c.warning == nullptr) << c.id << " " << c.number;
    if (c.warning != nullptr) EXPECT_STREQ(v.warning, c.warning) << c.id << " " << c.number;
    // The buffers keep what OK took, also when refused.
    EXPECT_EQ(e.iconDialogId, c.id);
    EXPECT_EQ(e.editIconNumberText, c.storedNumber);
  }
  EditBuffers e;
  EXPECT_TRUE(acceptIconForm(std::string(40, 'T'), "1", list, e).warning != nullptr);
  EXPECT_EQ(e.iconDialogId, std::string(28, 'T'));
}

TEST(MessageForm, TextIsCutTo254BytesWithCommasTurnedIntoSlashes) {
  BoardState board;
  EXPECT_TRUE(acceptMessageText("本日,全員,出社", board));
  EXPECT_EQ(board.allMembersMessage, "本日/全員/出社");
  EXPECT_FALSE(acceptMessageText("連絡なし", board));
  EXPECT_EQ(board.allMembersMessage, "連絡なし");
  EXPECT_FALSE(acceptMessageText("", board));
  EXPECT_EQ(board.allMembersMessage, "");
  EXPECT_FALSE(acceptMessageText(std::string(253, 'm') + "表", board));
  EXPECT_EQ(board.allMembersMessage, std::string(253, 'm'));
  EXPECT_FALSE(acceptMessageText(std::string(400, 'm'), board));
  EXPECT_EQ(board.allMembersMessage.size(), 254u);
}
