// A mail file of any bytes, as the pickup meets it in the mail folder: every
// field fits its buffer in whole characters, the file is shown (and then
// deleted) only when its last separator is there, a mail read back and
// written again gives the same mail, and nothing but the mail's own file is
// touched.
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz/fuzz_support.h"
#include "messaging/mail_file.h"
#include "messaging/mail_pickup.h"
#include "tests/fake_member_list.h"

using namespace wabo;

namespace {

class CountingWindow : public MailPickupShell {
 public:
  int views = 0;
  bool mainWindowMinimised() override { return false; }
  void restoreMainWindow() override {}
  void announce(const std::string&) override {}
  int viewMail() override { return ++views, 0; }
  int composeMail() override { return 1; }
};

bool fits(const std::string& text, std::size_t maxBytes) {
  return text.size() <= maxBytes && fuzz::wholeCharacters(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& scratch = fuzz::Scratch::instance();
  const std::string path = scratch.write("yamada0.ml", data, size);
  const std::string bystander = scratch.write("yamada1.txt", "x", 1);

  std::string bytes;
  FUZZ_REQUIRE(readMailFile(path, bytes, kMailFileReadLimit));
  FUZZ_REQUIRE(bytes.size() <= kMailFileReadLimit);
  const ParsedMail parsed = parseMailBytes(bytes);
  FUZZ_REQUIRE(fits(parsed.mail.senderId, 29));
  FUZZ_REQUIRE(fits(parsed.mail.body, kMailBodyBytes));
  FUZZ_REQUIRE(fits(parsed.mail.sentTime, 29));

  // Written again, the mail reads back as it was.
  const ParsedMail again = parseMailBytes(mailFileBytes(parsed.mail.senderId, parsed.mail.body, parsed.mail.sentTime));
  FUZZ_REQUIRE(again.complete);
  FUZZ_REQUIRE(again.mail.senderId == parsed.mail.senderId);
  FUZZ_REQUIRE(again.mail.body == parsed.mail.body);
  FUZZ_REQUIRE(again.mail.sentTime == parsed.mail.sentTime);

  // The pickup shows a complete file once and deletes it; an incomplete one
  // waits for its sender.
  testing::FakeMemberList list;
  list.addRow({"tanaka", "田中"});
  const std::string userId = "yamada";
  const std::string folder = scratch.file("");
  MailState mail;
  CountingWindow window;
  MailPickupContext ctx{list, userId, folder.substr(0, folder.size() - 1), mail, window};
  pickUpMail(ctx);
  FUZZ_REQUIRE(window.views == (parsed.complete ? 1 : 0));
  FUZZ_REQUIRE(std::filesystem::exists(path) != parsed.complete);
  FUZZ_REQUIRE(fuzz::Scratch::read(bystander) == "x");
  FUZZ_REQUIRE(!mail.pickupRunning);
  return 0;
}
