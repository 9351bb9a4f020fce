// Picking up mail from a real temporary mail folder with a scripted main
// window: announcement, view, deletion, reply, half-written files, a pickup
// started during another, and our own ID as a file name.
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

// Logs "minimised?", "restore", "announce <text>", "view <sender>|<body>|<time>", "compose <to>".
class ScriptedMainWindow : public MailPickupShell {
 public:
  ScriptedMainWindow(MailState& mail, std::vector<std::string>& log) : mail_(mail), log_(log) {}
  bool minimised = false;
  std::vector<int> viewResults;         // one per view; 0 when none left
  std::function<void()> duringView;     // runs inside each view

  bool mainWindowMinimised() override { return minimised; }
  void restoreMainWindow() override {
    minimised = false;
    log_.push_back("restore");
  }
  void announce(const std::string& text) override { log_.push_back("announce " + text); }
  int viewMail() override {
    const ReceivedMail& m = mail_.receivedMail;
    log_.push_back("view " + m.senderId + "|" + m.body + "|" + m.sentTime);
    if (duringView) duringView();
    if (views_ >= viewResults.size()) return 0;
    return viewResults[views_++];
  }
  int composeMail() override {
    log_.push_back("compose " + mail_.mailRecipientId);
    return 1;
  }

 private:
  MailState& mail_;
  std::vector<std::string>& log_;
  std::size_t views_ = 0;
};

struct MailPickup : ::testing::Test {
  TempFolder folder;
  FakeMemberList list;
  std::string userId = "yamada";
  std::string mailFolder = folder.path();
  MailState mail;
  std::vector<std::string> log;
  ScriptedMainWindow window{mail, log};
  MailPickupContext ctx{list, userId, mailFolder, mail, window};

  MailPickup() {
    setClockForTests(localTime(2003, 5, 1, 9, 31, 0));
    list.addRow({"tanaka", "田中"});
    list.addRow({"yamada", "山田"});
  }
  ~MailPickup() override { setClockForTests(-1); }
  std::string slot(int n, const std::string& id = "yamada") const { return mailFilePath(mailFolder, id, n); }
  void drop(int n, const std::string& sender, const std::string& text) {
    writeFile(slot(n), mailFileBytes(sender, text, "2003/05/01 09:30"));
  }
  void pickUp() { pickUpMail(ctx); }
  void advance(int seconds) { setClockForTests(clockNow() + seconds); }
};

TEST_F(MailPickup, EachMailIsAnnouncedShownAndDeletedInSlotOrder) {
  drop(2, "tanaka", "second");
  drop(0, "stranger", "行1\r\n行2");
  pickUp();
  EXPECT_EQ(log, (std::vector<std::string>{"announce 不明さんからメールです！", "view stranger|行1\r\n行2|2003/05/01 09:30",
                                           "announce 田中さんからメールです！", "view tanaka|second|2003/05/01 09:30"}));
  EXPECT_FALSE(exists(slot(0)));
  EXPECT_FALSE(exists(slot(2)));
  EXPECT_EQ(mail.receivedMail.body, "second");
  log.clear();
  pickUp();
  EXPECT_TRUE(log.empty());
}

TEST_F(MailPickup, EmptyTextAndCaseOfTheSender) {
  drop(0, "TANAKA", "");
  pickUp();
  EXPECT_EQ(log, (std::vector<std::string>{"announce 田中さんからメールです！", "view TANAKA||2003/05/01 09:30"}));
}

TEST_F(MailPickup, ReplyGoesToTheSenderAfterTheFileIsGone) {
  drop(0, "tanaka", "question");
  drop(1, "tanaka", "more");
  window.viewResults = {2, 1};
  window.duringView = [&] { log.push_back(exists(slot(0)) ? "file there" : "file gone"); };
  pickUp();
  EXPECT_EQ(log, (std::vector<std::string>{"announce 田中さんからメールです！", "view tanaka|question|2003/05/01 09:30",
                                           "file there", "compose tanaka", "announce 田中さんからメールです！",
                                           "view tanaka|more|2003/05/01 09:30", "file gone"}));
  EXPECT_FALSE(exists(slot(1)));
}

TEST_F(MailPickup, MinimisedWindowIsRestoredOnceBeforeTheFirstView) {
  drop(0, "tanaka", "a");
  drop(1, "tanaka", "b");
  window.minimised = true;
  pickUp();
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[0], "announce 田中さんからメールです！");
  EXPECT_EQ(log[1], "restore");
  EXPECT_EQ(log[2].substr(0, 5), "view ");
  EXPECT_EQ(std::count(log.begin(), log.end(), "restore"), 1);
  log.clear();
  window.minimised = true;
  pickUp();  // nothing waiting: nothing restored
  EXPECT_TRUE(log.empty());
}

TEST_F(MailPickup, HalfWrittenFileWaitsThenIsShown) {
  std::string whole = mailFileBytes("tanaka", "still writing", "2003/05/01 09:30");
  writeFile(slot(0), whole.substr(0, whole.size() - 1));
  pickUp();
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(exists(slot(0)));
  // The sender finishes; the next pickup shows it whole.
  writeFile(slot(0), whole);
  advance(5);
  pickUp();
  EXPECT_EQ(log, (std::vector<std::string>{"announce 田中さんからメールです！", "view tanaka|still writing|2003/05/01 09:30"}));
  EXPECT_FALSE(exists(slot(0)));
  EXPECT_TRUE(mail.pending.empty());
}

TEST_F(MailPickup, FileLeftHalfWrittenIsShownAndDeletedAfterAMinute) {
  writeFile(slot(3), std::string("tanaka\x01") + "ifmmp");  // the sender crashed
  pickUp();
  advance(30);
  pickUp();
  EXPECT_TRUE(log.empty());
  // Still growing: the minute starts again.
  writeFile(slot(3), std::string("tanaka\x01") + "ifmmp!");
  advance(40);
  pickUp();
  EXPECT_TRUE(log.empty());
  advance(kIncompleteMailSeconds);
  pickUp();
  EXPECT_EQ(log, (std::vector<std::string>{"announce 田中さんからメールです！", "view tanaka|hello |"}));
  EXPECT_FALSE(exists(slot(3)));
  EXPECT_TRUE(mail.pending.empty());
}

TEST_F(MailPickup, PickupStartedDuringAnotherDoesNothing) {
  drop(0, "tanaka", "once");
  window.duringView = [&] { pickUp(); };  // a tick while the view is open
  pickUp();
  EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const std::string& s) { return s.rfind("view", 0) == 0; }), 1);
  EXPECT_FALSE(mail.pickupRunning);
  drop(0, "tanaka", "later");
  window.duringView = nullptr;
  pickUp();  // the guard is gone again
  EXPECT_EQ(mail.receivedMail.body, "later");
}

TEST_F(MailPickup, OwnIdThatIsNoPlainNameReadsNothing) {
  std::filesystem::create_directory(folder.file("sub"));
  writeFile(folder.file("sub") + "/x0.ml", mailFileBytes("tanaka", "outside", "t"));
  writeFile(folder.file("x0.ml"), mailFileBytes("tanaka", "outside", "t"));
  for (const char* id : {"sub/x", "sub\\x", "..", "", "CON", "nul", "x."}) {
    userId = id;
    pickUp();
  }
  EXPECT_TRUE(log.empty());
  EXPECT_TRUE(exists(folder.file("sub") + "/x0.ml"));
  // An ID with '\' as second byte of a character is an ordinary ID.
  userId = "表示";
  writeFile(slot(0, "表示"), mailFileBytes("tanaka", "ok", "t"));
  pickUp();
  EXPECT_EQ(log.size(), 2u);
  EXPECT_FALSE(exists(slot(0, "表示")));
}

TEST_F(MailPickup, MissingFolderShowsNothing) {
  mailFolder = folder.file("gone");
  pickUp();
  EXPECT_TRUE(log.empty());
}

}  // namespace
