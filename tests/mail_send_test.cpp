// Sending mail into a real temporary mail folder: slots, the messages of
// each failure, the receiver field's pieces, two senders at one moment, and
// IDs that must never become paths.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "common/clock.h"
#include "common/messages.h"
#include "messaging/mail_file.h"
#include "messaging/mail_send.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

const std::string kSent = "2003/05/01 09:30";

struct MailFixture : ::testing::Test {
  TempFolder root;
  std::string folder = root.file("mail");
  FakeMemberList list;
  std::string userId = "tanaka";
  TimeTexts times;
  MailState mail;
  RecordingUi mainUi, dialogUi;
  MailSendContext ctx{list, userId, folder, times, mail, mainUi};

  MailFixture() {
    std::filesystem::create_directory(folder);
    setClockForTests(localTime(2003, 5, 1, 9, 30, 12));
    list.addRow({"tanaka", "田中"});
    list.addRow({"abc", "安部"});
    list.addRow({"yamada", "山田"});
  }
  ~MailFixture() override { setClockForTests(-1); }

  std::string slot(const std::string& id, int n) const { return folder + "/" + id + std::to_string(n) + ".ml"; }
  MailSendResult send(const std::string& to, const std::string& text) {
    mail.mailRecipientId = to;
    mail.mailBody = text;
    return sendMail(ctx);
  }
  std::size_t filesIn(const std::string& dir) const {
    std::size_t n = 0;
    for (auto it = std::filesystem::recursive_directory_iterator(dir); it != std::filesystem::recursive_directory_iterator(); ++it) ++n;
    return n;
  }
};

using MailSend = MailFixture;

TEST_F(MailSend, WritesTheLowestFreeSlotWithTheSharedLayout) {
  writeFile(slot("yamada", 0), "x");
  writeFile(slot("yamada", 2), "x");
  EXPECT_EQ(send("yamada", "abc"), MailSendResult::Sent);
  EXPECT_EQ(readFile(slot("yamada", 1)), "tanaka\x01" "bcd\x01" + kSent + "\x01\x01");
  EXPECT_EQ(times.writeTimeText, kSent);
  EXPECT_EQ(times.updateTimeText, "09:30:12 更新");
  EXPECT_EQ(readFile(slot("yamada", 2)), "x");
  EXPECT_EQ(send("yamada", "next"), MailSendResult::Sent);
  EXPECT_TRUE(exists(slot("yamada", 3)));
  EXPECT_TRUE(mainUi.warnings.empty());
}

TEST_F(MailSend, EmptyTextAndIdAsTyped) {
  // The receiver typed in capitals finds the member abc; the file keeps the capitals.
  EXPECT_EQ(send("ABC", ""), MailSendResult::Sent);
  EXPECT_EQ(readFile(slot("ABC", 0)), "tanaka\x01\x01" + kSent + "\x01\x01");
}

TEST_F(MailSend, AllTenSlotsTakenChangesNothing) {
  for (int n = 0; n < 10; ++n) writeFile(slot("abc", n), "old" + std::to_string(n));
  times.writeTimeText = "before";
  EXPECT_EQ(send("abc", "hello"), MailSendResult::SlotsFull);
  EXPECT_EQ(mainUi.warnings, std::vector<std::string>{"送信先ID[abc]のﾒｰﾙﾌｫﾙﾀﾞが一杯です"});
  for (int n = 0; n < 10; ++n) EXPECT_EQ(readFile(slot("abc", n)), "old" + std::to_string(n));
  EXPECT_EQ(filesIn(folder), 10u);
  EXPECT_EQ(times.writeTimeText, "before");
}

TEST_F(MailSend, UnknownReceiverAndMissingFolder) {
  EXPECT_EQ(send("nobody", "x"), MailSendResult::RecipientNotFound);
  EXPECT_EQ(send("", "x"), MailSendResult::RecipientNotFound);
  EXPECT_EQ(mainUi.warnings, (std::vector<std::string>{"送信先IDの[nobody]が見つかりません", "送信先IDの[]が見つかりません"}));
  EXPECT_EQ(filesIn(folder), 0u);
  mainUi.warnings.clear();
  folder = root.file("missing");
  EXPECT_EQ(send("abc", "x"), MailSendResult::CannotCreate);
  EXPECT_EQ(mainUi.warnings, std::vector<std::string>{"ﾒｰﾙﾌｫﾙﾀﾞが見つかりません "});
  EXPECT_FALSE(exists(folder));
}

TEST_F(MailSend, HostileIdsOnTheBoardAreRefusedAndNothingIsCreatedAnywhere) {
  // A board file may hold any ID; none of these may reach outside the
  // folder or a device.
  const char* hostile[] = {"..", "../abc", "..\\abc", "sub/abc", "sub\\abc", "C:abc", "a*", "a?", "a|b", "a<", "a>",
                           "a\"b", "ab.", "ab ", "CON", "nul.txt", "COM1", "com", "LPT9", "lpt", "aux", "PRN",
                           "ctl\x02", "x\x95"};
  std::filesystem::create_directory(folder + "/sub");
  for (const char* id : hostile) {
    list.addRow({id, "悪"});
    mainUi.warnings.clear();
    EXPECT_EQ(send(id, "x"), MailSendResult::CannotCreate) << id;
    EXPECT_EQ(mainUi.warnings, std::vector<std::string>{"ﾒｰﾙﾌｫﾙﾀﾞが見つかりません "}) << id;
  }
  EXPECT_EQ(filesIn(root.path()), 2u);  // the mail folder and its empty sub
}

TEST_F(MailSend, IdWithBackslashAsSecondByteIsAnOrdinaryId) {
  list.addRow({"表示", "表示さん"});
  EXPECT_EQ(send("表示", "x"), MailSendResult::Sent);
  EXPECT_TRUE(exists(folder + "/\x95\x5c\x8e\xa6" "0.ml"));
  EXPECT_EQ(filesIn(folder), 1u);
}

TEST_F(MailSend, SendersRacingForTheSameSlotsAllArrive) {
  // Two copies send five mails each to one receiver at the same moment,
  // many times over: all ten land whole, each in a slot of its own.
  constexpr int kSenders = 2, kMails = 5;
  const std::string senders[kSenders] = {"tanaka", "abc"};
  for (int round = 0; round < 60; ++round) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::atomic<int> ready{0};
    std::atomic<int> sent{0};
    auto sender = [&](int who) {
      MailState state;
      TimeTexts ownTimes;
      RecordingUi ownUi;
      MailSendContext own{list, senders[who], folder, ownTimes, state, ownUi};
      ++ready;
      while (ready.load() < kSenders) {
      }
      for (int n = 0; n < kMails; ++n) {
        state.mailRecipientId = "yamada";
        state.mailBody = std::to_string(n);
        if (sendMail(own) == MailSendResult::Sent) ++sent;
      }
    };
    std::thread a(sender, 0), b(sender, 1);
    a.join();
    b.join();
    ASSERT_EQ(sent.load(), kSenders * kMails);
    std::set<std::string> arrived;
    for (int n = 0; n < kSenders * kMails; ++n) {
      ParsedMail parsed = parseMailBytes(readFile(slot("yamada", n)));
      EXPECT_TRUE(parsed.complete);
      arrived.insert(parsed.mail.senderId + parsed.mail.body);
    }
    ASSERT_EQ(arrived.size(), static_cast<std::size_t>(kSenders * kMails)) << "round " << round;
  }
}

TEST_F(MailSend, SlotWhoseNameIsTakenIsNeverWrittenThrough) {
  // Slot 0's name is taken by a link to a file another sender is still
  // creating (it does not open for reading yet): the mail goes to slot 1 and
  // nothing is written through the name.
  std::filesystem::create_symlink(root.file("being-created"), slot("yamada", 0));
  EXPECT_EQ(send("yamada", "x"), MailSendResult::Sent);
  EXPECT_FALSE(exists(root.file("being-created")));
  EXPECT_TRUE(parseMailBytes(readFile(slot("yamada", 1))).complete);
}

using MailCompose = MailFixture;

TEST_F(MailCompose, EachPieceAsTypedThenOneSummary) {
  EXPECT_TRUE(sendToRecipientList(ctx, dialogUi, "hi", "abc,yamada"));
  EXPECT_TRUE(exists(slot("abc", 0)));
  EXPECT_TRUE(exists(slot("yamada", 0)));
  EXPECT_EQ(dialogUi.informations, std::vector<std::string>{"安部,山田さんにﾒｰﾙを送信しました"});
  EXPECT_TRUE(mainUi.warnings.empty());
}

TEST_F(MailCompose, BlanksAndEmptyPiecesAreIdsOfTheirOwn) {
  EXPECT_TRUE(sendToRecipientList(ctx, dialogUi, "hi", "abc, yamada,,tanaka,"));
  EXPECT_EQ(mainUi.warnings, (std::vector<std::string>{"送信先IDの[ yamada]が見つかりません",
                                                       "送信先IDの[]が見つかりません", "送信先IDの[]が見つかりません"}));
  EXPECT_EQ(dialogUi.informations, std::vector<std::string>{"安部,田中さんにﾒｰﾙを送信しました"});
  EXPECT_FALSE(exists(slot(" yamada", 0)));
}

TEST_F(MailCompose, NothingSentAndEmptyField) {
  EXPECT_FALSE(sendToRecipientList(ctx, dialogUi, "hi", ""));
  EXPECT_EQ(dialogUi.warnings, std::vector<std::string>{"送信先のIDを入力してください"});
  EXPECT_TRUE(dialogUi.informations.empty());
  EXPECT_TRUE(sendToRecipientList(ctx, dialogUi, "hi", "x,y"));
  EXPECT_EQ(mainUi.warnings.size(), 2u);
  EXPECT_EQ(dialogUi.informations, std::vector<std::string>{"ﾒｰﾙ送信に失敗しました"});
  EXPECT_EQ(filesIn(folder), 0u);
}

TEST_F(MailCompose, TextIsCutTo510Bytes) {
  EXPECT_TRUE(sendToRecipientList(ctx, dialogUi, std::string(600, 'a'), "abc"));
  EXPECT_EQ(readFile(slot("abc", 0)), "tanaka\x01" + std::string(510, 'b') + "\x01" + kSent + "\x01\x01");
  EXPECT_EQ(mail.mailBody.size(), 510u);
}

TEST(MailRecipients, EntriesAndSelectedIds) {
  FakeMemberList list;
  list.addRow({"a1", "一"});
  list.addRow({"b2", "二"});
  list.addRow({"c3", "三"});
  list.addRow({"d4", "四"});
  std::vector<MailMember> members = mailMembers(list);
  ASSERT_EQ(members.size(), 4u);
  EXPECT_EQ(recipientEntry(members[1]), "b2,  二");
  std::string field = "kept";
  EXPECT_TRUE(joinSelectedIds(members, {3, 1}, field));
  EXPECT_EQ(field, "b2,d4");
  EXPECT_TRUE(joinSelectedIds(members, {}, field));
  EXPECT_EQ(field, "");
}

TEST(MailRecipients, SelectionLongerThanTheFieldIsRefusedWhole) {
  FakeMemberList list;
  std::vector<int> all;
  for (int i = 0; i < 40; ++i) {
    list.addRow({std::string(28, static_cast<char>('a' + i % 26)) + std::to_string(i % 10), "n"});
    all.push_back(i);
  }
  std::vector<MailMember> members = mailMembers(list);
  std::string field = "kept";
  EXPECT_FALSE(joinSelectedIds(members, all, field));  // 40 * 29 + 39 bytes
  EXPECT_EQ(field, "kept");
  std::vector<int> fits(all.begin(), all.begin() + 33);  // 33 * 29 + 32 = 989 bytes
  EXPECT_TRUE(joinSelectedIds(members, fits, field));
  EXPECT_EQ(field.size(), 989u);
}

}  // namespace
