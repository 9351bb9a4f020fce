// The two mail commands: who the compose dialog is addressed to, and when the user ID is asked for first.
#include <gtest/gtest.h>

#include "app/mail_commands.h"
#include "common/messages.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Texts = std::vector<std::string>;

class MailCommands : public ::testing::Test, protected CommandFixture, MailComposer {
 protected:
  Texts openedFor;  // mailRecipientId at each opening of the compose dialog
  MailCommandContext mailCtx{ctx, *this};

  int composeMail() override { return openedFor.push_back(app.mail.mailRecipientId), 1; }
  void SetUp() override {
    writeBoard(boardBytes(1111, {"A01,3,山田,,,,,,,,", "B02,5,佐藤,,,,,,,,"}, ""));
    ASSERT_TRUE(loadBoard(list, app));
    app.mail.mailRecipientId = "stale";
  }
  // The user ID dialog: `id` typed, or cancelled when there is none.
  void typeUserId(const char* id) {
    dialogs.on[IDD_USER_ID] = [this, id] { return id ? (app.edit.enteredUserId = id, 0) : 1; };
  }
};

// A mail without a sender would arrive from "不明"; one from the menu bar's command needs the own row.
TEST_F(MailCommands, TheComposeDialogOpensOnlyWithAUserIdAddressedToTheSelectedRowOrNobody) {
  for (const char* typed : {"nobody", static_cast<const char*>(nullptr)}) {
    typeUserId(typed);
    mailToSelectedMember(mailCtx);
  }
  EXPECT_EQ(app.mail.mailRecipientId, "stale");
  typeUserId("b02");
  mailToSelectedMember(mailCtx);
  app.local.userId = "zz-not-on-this-board";  // set: not looked up by the context menu's command
  list.select(list.findId("B02"));
  mailToSelectedMember(mailCtx);
  typeUserId("C03");
  mailFromMenu(mailCtx);  // asked again: still not on the board
  EXPECT_EQ(openedFor, (Texts{"", "B02"}));
  EXPECT_EQ(ui.warnings, Texts(2, msg::kOwnIdNotFound));
}

}  // namespace
