// Sending mail into a real temporary mail folder: slots, failures, the receiver field's pieces, two senders at
// one moment, and IDs that must never become paths.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <set>
#include <thread>

#include "common/clock.h"
#include "common/platform_file_faults.h"
#include "messaging/mail_file.h"
#include "messaging/mail_send.h"
#include "tests/fake_ui.h"
#include "tests/test_support.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

using Texts = std::vector<std::string>;
const std::string kSent = "2003/05/01 09:30";
const Texts kFolderMissing = {"ﾒｰﾙﾌｫﾙﾀﾞが見つかりません "};

struct MailSend : ::testing::Test {
  TempFolder root;
  std::string folder = root.file("mail"), userId = "tanaka";
  FakeMemberList list;
  TimeTexts times;
  MailState mail;
  RecordingUi mainUi, dialogUi;
  MailSendContext ctx{list, userId, folder, times, mail, mainUi};

  MailSend() {
    std::filesystem::create_directory(folder);
    setClockForTests(localTime(2003, 5, 1, 9, 30, 12));
    for (const char* id : {"tanaka", "abc", "yamada"}) list.addRow({id, std::string("名") + id});
  }
  ~MailSend() override { setClockForTests(-1); }

  std::string slot(const std::string& id, int n) const { return mailFilePath(folder, id, n); }
  MailSendResult send(const std::string& to, const std::string& text = "x") {
    return mail.mailRecipientId = to, mail.mailBody = text, sendMail(ctx);
  }
  static long filesIn(const std::string& dir) {
    return std::distance(std::filesystem::recursive_directory_iterator(dir), {});
  }
};

TEST_F(MailSend, WritesTheLowestFreeSlotAndStampsTheTimes) {
  // Slot 0's name is held by a link to a file another sender is still creating: never written through.
  std::filesystem::create_symlink(root.file("being-created"), slot("yamada", 0));
  writeFile(slot("yamada", 2), "x");
  EXPECT_EQ(send("yamada", "abc"), MailSendResult::Sent);
  EXPECT_EQ(std::make_tuple(readFile(slot("yamada", 1)), readFile(slot("yamada", 2)), times.updateTimeText),
            std::make_tuple("tanaka\x01" "bcd\x01" + kSent + "\x01\x01", std::string("x"), std::string("09:30:12 更新")));
  EXPECT_FALSE(exists(root.file("being-created")));
  // The receiver typed in capitals finds abc; the file name keeps the capitals.
  EXPECT_EQ(send("ABC"), MailSendResult::Sent);
  EXPECT_TRUE(exists(slot("ABC", 0)) && mainUi.warnings.empty());
}

TEST_F(MailSend, FullSlotsMissingFolderAndHostileIdsCreateNothing) {
  for (int n = 0; n < 10; ++n) writeFile(slot("abc", n), "old" + std::to_string(n));
  EXPECT_EQ(send("abc"), MailSendResult::SlotsFull);
  EXPECT_EQ(mainUi.warnings, Texts{"送信先ID[abc]のﾒｰﾙﾌｫﾙﾀﾞが一杯です"});
  for (int n = 0; n < 10; ++n) EXPECT_EQ(readFile(slot("abc", n)), "old" + std::to_string(n));
  EXPECT_EQ(times.writeTimeText, "") << "no send, no stamp";
  // A board file may hold any ID (which ones are usable is the ID check's test); none may reach outside the folder.
  list.addRow({"../abc", "悪"});
  mainUi.warnings.clear();
  EXPECT_EQ(send("../abc"), MailSendResult::CannotCreate);
  EXPECT_EQ(mainUi.warnings, kFolderMissing);
  EXPECT_EQ(filesIn(root.path()), 11);  // the mail folder and its ten slots
  folder = root.file("missing");
  EXPECT_EQ(send("abc"), MailSendResult::CannotCreate);
  EXPECT_FALSE(exists(folder));
}

TEST_F(MailSend, SendersRacingForTheSameSlotsAllArrive) {
  // Two copies send five mails each to one receiver at the same moment: all
  // ten land whole, each in a slot of its own.
  std::set<std::string> expected;
  for (const char* from : {"tanaka", "abc"})
    for (int n = 0; n < 5; ++n) expected.insert(mailFileBytes(from, std::to_string(n), kSent));
  for (int round = 0; round < 60; ++round) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::atomic<int> ready{0};
    auto sender = [&](std::string from) {
      MailState state;
      TimeTexts ownTimes;
      RecordingUi ownUi;
      MailSendContext own{list, from, folder, ownTimes, state, ownUi};
      state.mailRecipientId = "yamada";
      for (++ready; ready.load() < 2;) continue;
      for (int n = 0; n < 5; ++n) {
        state.mailBody = std::to_string(n);
        EXPECT_EQ(sendMail(own), MailSendResult::Sent);
      }
    };
    std::thread a(sender, "tanaka"), b(sender, "abc");
    a.join(), b.join();
    std::set<std::string> arrived;
    for (int n = 0; n < 10; ++n) arrived.insert(readFile(slot("yamada", n)));
    ASSERT_EQ(arrived, expected) << "round " << round;
  }
}

// An older copy that looks at a slot file the moment it appears shows whatever it holds and deletes it: a slot
// file must appear whole or not at all, and nothing else of a send may look like a slot.
TEST_F(MailSend, AReaderPollingTheFolderNeverSeesAnEmptyOrPartialSlotFile) {
  std::atomic<bool> sending{true};
  std::atomic<int> taken{0};
  std::vector<std::string> partial;
  std::thread receiver([&] {
    while (sending) {
      for (int n = 0; n < 10; ++n) {
        std::string bytes;
        if (!readMailFile(slot("yamada", n), bytes, kMailFileReadLimit)) continue;
        if (!parseMailBytes(bytes).complete) partial.push_back(bytes);
        std::remove(slot("yamada", n).c_str());
        ++taken;
      }
    }
  });
  const std::string text(510, 'm');
  for (int i = 0; i < 400; ++i) {
    MailSendResult result;
    while ((result = send("yamada", text)) == MailSendResult::SlotsFull) mainUi.warnings.clear();
    EXPECT_EQ(result, MailSendResult::Sent);
  }
  sending = false;
  receiver.join();
  EXPECT_TRUE(partial.empty()) << partial.size() << " partial, e.g. " << partial[0].size() << " bytes";
  for (const std::string& name : wabo::testing::filesIn(folder)) {
    EXPECT_EQ(name.substr(0, 6), "yamada") << "left behind: " << name;
    EXPECT_EQ(name.substr(name.size() - 3), ".ml") << "left behind: " << name;
  }
  EXPECT_GT(taken.load(), 0);
}

TEST_F(MailSend, AMailThatCannotBeWrittenWholeLeavesNoFileAndIsReported) {
  platform::FileFaults full;
  full.newFileBytes = 20;  // the share has room for 20 bytes of it
  platform::setFileFaultsForTests(full);
  EXPECT_EQ(send("yamada", std::string(100, 'x')), MailSendResult::CannotCreate);
  platform::setFileFaultsForTests({});
  EXPECT_EQ(mainUi.warnings, kFolderMissing);
  EXPECT_TRUE(wabo::testing::filesIn(folder).empty());
  EXPECT_EQ(times.writeTimeText, "") << "no send, no stamp";
  // A slot's name too long for a path: nothing is left behind either.
  const std::string longId(240, 'l');
  list.addRow({longId, "長"});
  mainUi.warnings.clear();
  EXPECT_EQ(send(longId), MailSendResult::CannotCreate);
  EXPECT_EQ(mainUi.warnings, kFolderMissing);
  EXPECT_TRUE(wabo::testing::filesIn(folder).empty());
}

// A known and an unknown piece in one send, and the summary, are the end-to-end scenario's.
TEST_F(MailSend, ReceiverFieldPiecesAsTyped) {
  EXPECT_FALSE(sendToRecipientList(ctx, dialogUi, "hi", ""));
  EXPECT_TRUE(sendToRecipientList(ctx, dialogUi, "hi", "x"));
  EXPECT_EQ(std::make_pair(dialogUi.warnings, dialogUi.informations),
            std::make_pair(Texts{"送信先のIDを入力してください"}, Texts{"ﾒｰﾙ送信に失敗しました"}));
  // Blanks and empty pieces are IDs of their own; the text is cut to 510 bytes.
  mainUi.warnings.clear();
  EXPECT_TRUE(sendToRecipientList(ctx, dialogUi, std::string(600, 'a'), "abc, yamada,,"));
  EXPECT_EQ(mainUi.warnings, (Texts{"送信先IDの[ yamada]が見つかりません", "送信先IDの[]が見つかりません",
                                    "送信先IDの[]が見つかりません"}));
  EXPECT_EQ(readFile(slot("abc", 0)), "tanaka\x01" + std::string(510, 'b') + "\x01" + kSent + "\x01\x01");
  EXPECT_EQ(filesIn(folder), 1);
}

TEST(MailRecipients, SelectedIdsWithinTheFieldsBytes) {
  FakeMemberList list;
  std::vector<int> longIds;  // 33 IDs of 29 bytes and their commas: 989 bytes
  for (int i = 0; i < 33; ++i) longIds.push_back(list.addRow({std::string(28, 'a') + std::to_string(i % 10), "名"}));
  const int eightBytes = list.addRow({"12345678", "八"}), nineBytes = list.addRow({"123456789", "九"});
  const std::vector<MailMember> members = mailMembers(list);
  std::string field = "kept";
  EXPECT_TRUE(joinSelectedIds(members, {nineBytes, eightBytes}, field));
  EXPECT_EQ(field, "12345678,123456789");  // in the order of the list
  longIds.push_back(nineBytes);
  EXPECT_FALSE(joinSelectedIds(members, longIds, field));  // 999 bytes: refused whole
  EXPECT_EQ(field, "12345678,123456789");
  longIds.back() = eightBytes;
  EXPECT_TRUE(joinSelectedIds(members, longIds, field));
  EXPECT_EQ(field.size(), 998u);
}

}  // namespace
