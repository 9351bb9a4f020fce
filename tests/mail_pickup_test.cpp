// Picking up mail from a real mail folder with a scripted main window: slot order, senders, a pickup started
// during another, half-written files, and our own ID as a file name.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "common/clock.h"
#include "messaging/mail_file.h"
#include "messaging/mail_pickup.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Log = std::vector<std::string>;
const std::string kFromTanaka = "announce 田中さんからメールです！";

// The main window logs "restore", "announce <text>", "view <sender>|<body>|<time>". The reply from a view is
// the end-to-end scenario's.
struct MailPickup : ::testing::Test, MailPickupShell {
  TempFolder folder;
  FakeMemberList list;
  std::string userId = "yamada", mailFolder = folder.path();
  MailState mail;
  MailPickupContext ctx{list, userId, mailFolder, mail, *this};
  Log log;
  bool minimised = false;
  std::function<void()> duringView;  // runs inside each view

  MailPickup() {
    setClockForTests(localTime(2003, 5, 1, 9, 31, 0));
    list.addRow({"tanaka", "田中"});
  }
  ~MailPickup() override { setClockForTests(-1); }
  bool mainWindowMinimised() override { return minimised; }
  void restoreMainWindow() override { minimised = false, log.push_back("restore"); }
  void announce(const std::string& text) override { log.push_back("announce " + text); }
  int viewMail() override {
    const ReceivedMail& m = mail.receivedMail;
    log.push_back("view " + m.senderId + "|" + m.body + "|" + m.sentTime);
    if (duringView) duringView();
    return 1;
  }
  int composeMail() override { return 1; }

  std::string slot(int n) const { return mailFilePath(mailFolder, "yamada", n); }
  void drop(int n, const std::string& from, const std::string& text) {
    writeFile(slot(n), mailFileBytes(from, text, "t"));
  }
  void pickUp() { log.clear(), pickUpMail(ctx); }
  void advance(int seconds) { setClockForTests(clockNow() + seconds); }
};

TEST_F(MailPickup, EachMailIsAnnouncedShownAndDeletedInSlotOrderAfterOneRestoreAndATickDuringAViewDoesNothing) {
  minimised = true;
  drop(2, "TANAKA", "");  // the sender's name is found whatever the case
  drop(0, "stranger", "行1\r\n行2");
  duringView = [&] { pickUpMail(ctx); };  // a tick while the view is open and the file still there
  pickUp();
  EXPECT_EQ(log, (Log{"announce 不明さんからメールです！", "restore", "view stranger|行1\r\n行2|t", kFromTanaka,
                      "view TANAKA||t"}));
  EXPECT_FALSE(exists(slot(0)) || exists(slot(2)) || mail.pickupRunning);
}

TEST_F(MailPickup, HalfWrittenFileWaitsUntilWholeOrAMinuteUnchanged) {
  const std::string whole = mailFileBytes("tanaka", "still writing", "t");
  writeFile(slot(0), whole.substr(0, whole.size() - 1));
  writeFile(slot(3), "tanaka\x01" "ifmmp");  // this sender crashed
  pickUp();
  EXPECT_TRUE(log.empty());
  writeFile(slot(0), whole);  // the sender finishes
  advance(30);
  pickUp();
  EXPECT_EQ(log, (Log{kFromTanaka, "view tanaka|still writing|t"}));
  writeFile(slot(3), "tanaka\x01" "ifmmp!");  // still growing: the minute starts again
  advance(40);
  pickUp();
  advance(kIncompleteMailSeconds - 1);
  pickUp();
  EXPECT_TRUE(log.empty());
  advance(1);
  pickUp();
  EXPECT_EQ(log, (Log{kFromTanaka, "view tanaka|hello |"}));
  EXPECT_FALSE(exists(slot(0)) || exists(slot(3)));
  EXPECT_TRUE(mail.pending.empty());
}

// The same user on two PCs: while this copy shows a mail, the other shows it too and deletes it, and a new mail
// takes the free slot. Only the file with the bytes shown is deleted; the new one waits for the next pickup.
TEST_F(MailPickup, AfterTheViewOnlyTheMailThatWasShownIsDeleted) {
  drop(0, "tanaka", "first");
  drop(1, "tanaka", "stays");
  duringView = [&] {
    if (mail.receivedMail.body != "first") return;
    std::filesystem::remove(slot(0));      // the other PC's pickup
    drop(0, "stranger", "second");         // a sender takes the slot again
  };
  pickUp();
  EXPECT_EQ(log, (Log{kFromTanaka, "view tanaka|first|t", kFromTanaka, "view tanaka|stays|t"}));
  EXPECT_EQ(readFile(slot(0)), mailFileBytes("stranger", "second", "t"));
  EXPECT_FALSE(exists(slot(1)));
  // The other PC only deleted it: nothing to delete, nothing else touched.
  duringView = [&] { std::filesystem::remove(slot(0)); };
  pickUp();
  EXPECT_EQ(log, (Log{"announce 不明さんからメールです！", "view stranger|second|t"}));
  EXPECT_TRUE(wabo::testing::filesIn(mailFolder).empty());
}

TEST_F(MailPickup, OwnIdThatIsNoPlainNameReadsNothing) {
  std::filesystem::create_directory(folder.file("sub"));
  writeFile(folder.file("sub/x0.ml"), mailFileBytes("tanaka", "outside", "t"));
  userId = "sub/x";  // would read sub/x0.ml
  pickUp();
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(exists(folder.file("sub/x0.ml")));
}

}  // namespace
