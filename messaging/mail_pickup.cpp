#include "messaging/mail_pickup.h"

#include <iterator>

#include "board/member_lookup.h"
#include "common/checked_file.h"
#include "common/clock.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "messaging/mail_file.h"

namespace wabo {

namespace {

class PickupGuard {
 public:
  explicit PickupGuard(bool& running) : running_(running) { running_ = true; }
  ~PickupGuard() { running_ = false; }
  PickupGuard(const PickupGuard&) = delete;
  PickupGuard& operator=(const PickupGuard&) = delete;

 private:
  bool& running_;
};

std::string senderName(const MemberList& list, const std::string& senderId) {
  int row = senderId.empty() ? -1 : list.findId(senderId);
  return row < 0 ? std::string(msg::kMailUnknownSender) : cellText(list, row, kNameColumn);
}

// True when the file at `path` is to be shown now. A complete file is; an
// incomplete one only once it has not changed for kIncompleteMailSeconds.
bool readyToShow(MailState& mail, const std::string& path, const std::string& bytes, bool complete) {
  if (complete) {
    mail.pending.erase(path);
    return true;
  }
  std::time_t now = clockNow();
  auto found = mail.pending.find(path);
  if (found == mail.pending.end() || found->second.bytes != bytes) {
    mail.pending[path] = PendingMailFile{now, bytes};
    return false;
  }
  if (now - found->second.firstSeen < kIncompleteMailSeconds) return false;
  mail.pending.erase(found);
  return true;
}

void showMail(MailPickupContext& ctx, const std::string& path, const std::string& bytes, bool& minimised) {
  MailState& mail = ctx.mail;
  ctx.shell.announce(senderName(ctx.list, mail.receivedMail.senderId) + msg::kMailArrived);
  if (minimised) {
    ctx.shell.restoreMainWindow();
    minimised = false;
  }
  int result = ctx.shell.viewMail();
  // The same user on another PC may have shown and deleted this mail while
  // the view was open here, and a new one may have taken its slot: only the
  // file with the bytes shown goes, any other waits for the next pickup.
  platform::removeIfHolds(path, bytes, kMailFileReadLimit);
  if (result == 2) {
    mail.mailRecipientId = mail.receivedMail.senderId;
    ctx.shell.composeMail();
  }
}

}  // namespace

void pickUpMail(MailPickupContext& ctx) {
  MailState& mail = ctx.mail;
  if (mail.pickupRunning) return;
  // Names are made from our own ID: one that is no plain file name would
  // read outside the mail folder.
  if (!isUsableMailId(ctx.userId) || ctx.mailFolder.empty()) return;
  PickupGuard guard(mail.pickupRunning);
  // Files waited for under another ID are no longer ours to wait for.
  for (auto it = mail.pending.begin(); it != mail.pending.end();) {
    bool ours = false;
    for (int slot = 0; slot < kMailSlotCount && !ours; ++slot)
      ours = it->first == mailFilePath(ctx.mailFolder, ctx.userId, slot);
    it = ours ? std::next(it) : mail.pending.erase(it);
  }
  bool minimised = ctx.shell.mainWindowMinimised();
  for (int slot = 0; slot < kMailSlotCount; ++slot) {
    std::string path = mailFilePath(ctx.mailFolder, ctx.userId, slot);
    std::string bytes;
    if (!readMailFile(path, bytes, kMailFileReadLimit)) {
      mail.pending.erase(path);
      continue;
    }
    ParsedMail parsed = parseMailBytes(bytes);
    if (!readyToShow(mail, path, bytes, parsed.complete)) continue;
    mail.receivedMail = parsed.mail;
    showMail(ctx, path, bytes, minimised);
  }
}

bool saveMailAsText(const std::string& path, const ReceivedMail& mail) {
  std::string text = "[ﾒｰﾙ送信者ID]\r\n" + mail.senderId + "\r\n[ﾒｰﾙ内容]\r\n" + mail.body +
                     "\r\n[ﾒｰﾙ送信時間]\r\n" + mail.sentTime + "\r\n";
  return writeFileChecked(path, text);
}

}  // namespace wabo
