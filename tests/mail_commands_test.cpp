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

TEST_F(MailCommands, ContextMenuAddressesTheSelectedRowOnceAUserIdIsSet) {
  app.local.userId = "zz-not-on-this-board";  // set: not looked up
  list.select(list.findId("B02"));
  mailToSelectedMember(mailCtx);
  app.local.userId.clear();
  list.select(-1);
  typeUserId("b02");
  mailToSelectedMember(mailCtx);
  EXPECT_EQ(app.local.userId, "b02");
  EXPECT_EQ(openedFor, (Texts{"B02", ""}));
  EXPECT_EQ(dialogs.opened, std::vector<int>{IDD_USER_ID});
}

TEST_F(MailCommands, MenuBarNeedsTheOwnRowAndAddressesNobody) {
  app.local.userId = "C03";  // set, but not on this board: asked again
  typeUserId("B02");
  list.select(list.findId("A01"));
  mailFromMenu(mailCtx);
  EXPECT_EQ(app.local.userId, "B02");
  EXPECT_EQ(openedFor, Texts{""});
}

TEST_F(MailCommands, WithoutAUserIdOnTheBoardNothingOpens) {
  // A mail without a sender would arrive from "不明".
  for (const char* typed : {"nobody", static_cast<const char*>(nullptr)}) {
    typeUserId(typed);
    mailToSelectedMember(mailCtx);
  }
  app.local.userId = "C03";
  typeUserId("C03");
  mailFromMenu(mailCtx);
  EXPECT_EQ(ui.warnings, Texts(2, msg::kOwnIdNotFound));
  EXPECT_TRUE(openedFor.empty());
  EXPECT_EQ(app.mail.mailRecipientId, "stale");
}

}  // namespace
