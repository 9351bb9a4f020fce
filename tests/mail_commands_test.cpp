// The two mail commands: who the compose dialog is addressed to, and when
// the user ID is asked for first.
#include <gtest/gtest.h>

#include "app/mail_commands.h"
#include "common/messages.h"
#include "tests/command_harness.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

class RecordingComposer : public MailComposer {
 public:
  explicit RecordingComposer(MailState& mail) : mail_(mail) {}
  std::vector<std::string> openedFor;  // mailRecipientId at each opening
  int composeMail() override {
    openedFor.push_back(mail_.mailRecipientId);
    return 1;
  }

 private:
  MailState& mail_;
};

class MailCommands : public ::testing::Test, protected CommandFixture {
 protected:
  RecordingComposer composer{app.mail};
  MailCommandContext mailCtx{ctx, composer};

  void SetUp() override {
    writeBoard(boardBytes(1111, {"A01,3,山田,,,,,,,,", "B02,5,佐藤,,,,,,,,"}, ""));
    ASSERT_TRUE(loadBoard(list, app));
    app.mail.mailRecipientId = "stale";
  }
  void typeUserId(const std::string& id) {
    dialogs.on[IDD_USER_ID] = [this, id] {
      app.edit.enteredUserId = id;
      return 0;
    };
  }
};

TEST_F(MailCommands, ContextMenuAddressesTheSelectedRow) {
  app.local.userId = "zz-not-on-this-board";  // set: not looked up
  list.select(list.findId("B02"));
  mailToSelectedMember(mailCtx);
  EXPECT_EQ(composer.openedFor, std::vector<std::string>{"B02"});
  list.select(-1);
  mailToSelectedMember(mailCtx);
  EXPECT_EQ(composer.openedFor.back(), "");
  EXPECT_TRUE(dialogs.opened.empty());
}

TEST_F(MailCommands, ContextMenuAsksForAMissingUserId) {
  list.select(list.findId("A01"));
  typeUserId("b02");
  mailToSelectedMember(mailCtx);
  EXPECT_EQ(dialogs.opened, std::vector<int>{IDD_USER_ID});
  EXPECT_EQ(app.local.userId, "b02");
  EXPECT_EQ(composer.openedFor, std::vector<std::string>{"A01"});
}

TEST_F(MailCommands, ContextMenuWithoutAUserIdOpensNothing) {
  typeUserId("nobody");
  mailToSelectedMember(mailCtx);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kOwnIdNotFound});
  dialogs.on[IDD_USER_ID] = [] { return 1; };
  mailToSelectedMember(mailCtx);
  EXPECT_TRUE(composer.openedFor.empty());
  EXPECT_EQ(app.mail.mailRecipientId, "stale");
}

TEST_F(MailCommands, MenuBarNeedsTheOwnRowAndAddressesNobody) {
  app.local.userId = "a01";
  list.select(list.findId("B02"));
  mailFromMenu(mailCtx);
  EXPECT_EQ(composer.openedFor, std::vector<std::string>{""});
  // An ID set but not on this board: dialog 298, and only a found ID opens it.
  app.local.userId = "C03";
  typeUserId("C03");
  mailFromMenu(mailCtx);
  EXPECT_EQ(ui.warnings, std::vector<std::string>{msg::kOwnIdNotFound});
  EXPECT_EQ(composer.openedFor.size(), 1u);
  typeUserId("B02");
  mailFromMenu(mailCtx);
  EXPECT_EQ(app.local.userId, "B02");
  EXPECT_EQ(composer.openedFor.size(), 2u);
}

}  // namespace
