// Member IDs as mail file names, end to end through a real temporary mail folder: an ID whose ten file names
// are ordinary names there is sent to and picks its mail up; an ID that could leave the folder or name a device
// is refused by the sender and reads nothing as the receiver.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/clock.h"
#include "messaging/mail_file.h"
#include "messaging/mail_pickup.h"
#include "messaging/mail_send.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Texts = std::vector<std::string>;

// Everything the receiving copy shows is logged as "announce <text>" and "view <sender>|<body>|<time>".
struct MailIds : ::testing::Test, MailPickupShell {
  TempFolder root;
  std::string folder = root.file("mail"), senderId = "tanaka", receiverId;
  FakeMemberList board;
  TimeTexts times;
  MailState sending, receiving;
  RecordingUi senderUi;
  Texts log;

  MailIds() {
    std::filesystem::create_directory(folder);
    setClockForTests(localTime(2003, 5, 1, 9, 30, 0));
    board.addRow({"tanaka", "田中"});
  }
  ~MailIds() override { setClockForTests(-1); }
  bool mainWindowMinimised() override { return false; }
  void restoreMainWindow() override {}
  void announce(const std::string& text) override { log.push_back("announce " + text); }
  int viewMail() override {
    const ReceivedMail& m = receiving.receivedMail;
    return log.push_back("view " + m.senderId + "|" + m.body + "|" + m.sentTime), 1;
  }
  int composeMail() override { return 1; }

  MailSendResult send(const std::string& to, const std::string& text) {
    MailSendContext ctx{board, senderId, folder, times, sending, senderUi};
    sending.mailRecipientId = to, sending.mailBody = text;
    return sendMail(ctx);
  }
  void pickUpAs(const std::string& id) {
    receiverId = id;
    MailPickupContext ctx{board, receiverId, folder, receiving, *this};
    log.clear(), pickUpMail(ctx);
  }
};

TEST_F(MailIds, DotsBlanksAndDeviceWordsInAnIdThatMakeNoDeviceFileNameAreSentAndReceived) {
  // con0.ml, a.0.ml, a 0.ml, a..b0.ml, ..0.ml: ordinary names in the mail folder.
  for (const std::string id : {"con", "AUX", "nul", "prn", "a.", "a ", "a..b", "..", " x", "x.con", "com.1."}) {
    board.addRow({id, "受信者"});
    ASSERT_EQ(send(id, "本文 " + id), MailSendResult::Sent) << '"' << id << '"';
    EXPECT_EQ(filesIn(folder), Texts{id + "0.ml"});
    pickUpAs(id);
    EXPECT_EQ(log, (Texts{"announce 田中さんからメールです！", "view tanaka|本文 " + id + "|2003/05/01 09:30"}))
        << '"' << id << '"';
    EXPECT_TRUE(filesIn(folder).empty()) << '"' << id << "\": shown and deleted";
  }
  EXPECT_TRUE(senderUi.warnings.empty());
}

TEST_F(MailIds, AnIdThatCouldLeaveTheFolderOrNameADeviceIsRefusedByBothEnds) {
  std::filesystem::create_directory(root.file("sub"));
  const std::string refused[] = {"sub/x", "../x", "sub\\x", "a:b", "a*", "a?", "a\"", "a<", "a>", "a|",
                                 "com",   "LPT",  "con.x", "nul .txt", "aux.", "tab\tid", "a\x95", "\x7f"};
  for (const std::string& id : refused) {
    board.addRow({id, "受信者"});
    senderUi.warnings.clear();
    EXPECT_EQ(send(id, "x"), MailSendResult::CannotCreate) << '"' << id << '"';
    EXPECT_EQ(senderUi.warnings, Texts{"ﾒｰﾙﾌｫﾙﾀﾞが見つかりません "}) << '"' << id << '"';
  }
  EXPECT_TRUE(filesIn(folder).empty() && filesIn(root.file("sub")).empty());
  // Receiving: a mail file that such an ID would name, outside the folder or in a folder of its own, is
  // never read or deleted.
  std::filesystem::create_directory(folder + "/sub");
  for (const char* id : {"../x", "sub/x"}) {
    const std::string outside = folder + "/" + id + "0.ml";
    writeFile(outside, mailFileBytes("tanaka", "outside", "t"));
    pickUpAs(id);
    EXPECT_TRUE(log.empty()) << id;
    EXPECT_TRUE(exists(outside)) << id;
  }
}

}  // namespace
