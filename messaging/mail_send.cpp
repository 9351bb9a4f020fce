#include "messaging/mail_send.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "board/board_save.h"
#include "board/member_lookup.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/platform_file.h"
#include "common/sjis.h"
#include "messaging/mail_file.h"

namespace wabo {

namespace {

int findRow(const MemberList& list, const std::string& id) { return id.empty() ? -1 : list.findId(id); }

void warn(Ui& ui, const std::string& text) { ui.warn(text.c_str()); }

// A name in the mail folder that no copy takes for a mail: every slot file
// ends in a digit and ".ml", this one in ".tmp" (and so does its short 8.3
// form). Random, so that senders on other PCs do not meet on it.
std::string draftName() {
  thread_local std::mt19937_64 random{(static_cast<unsigned long long>(std::random_device{}()) << 32) ^
                                     std::random_device{}()};
  char name[32];
  std::snprintf(name, sizeof name, "~wabo%016llx.tmp", static_cast<unsigned long long>(random()));
  return name;
}

// Writes the mail whole under a draft name; "" when it cannot be written
// whole (nothing is left then).
std::string writeDraft(const std::string& mailFolder, const std::string& bytes) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    std::string path = mailFolderFile(mailFolder, draftName());
    if (path.size() >= kPathBytes) break;
    platform::CreateResult made = platform::createNew(path, bytes);
    if (made == platform::CreateResult::Created) return path;
    if (made == platform::CreateResult::Failed) break;
  }
  return std::string();
}

// Moves the draft into the receiver's lowest free slot. A move never
// replaces a file, so a sender that was quicker keeps its slot and this mail
// takes the next one; and the slot file appears with the whole mail in it.
MailSendResult publishDraft(const MailSendContext& ctx, const std::string& draft) {
  const std::string& id = ctx.mail.mailRecipientId;
  for (int slot = 0; slot < kMailSlotCount; ++slot) {
    std::string path = mailFilePath(ctx.mailFolder, id, slot);
    if (path.size() >= kPathBytes) return MailSendResult::CannotCreate;
    platform::MoveResult moved = platform::moveToNewName(draft, path);
    if (moved == platform::MoveResult::Moved) return MailSendResult::Sent;
    if (moved == platform::MoveResult::Failed) return MailSendResult::CannotCreate;
  }
  return MailSendResult::SlotsFull;
}

}  // namespace

MailSendResult sendMail(MailSendContext& ctx) {
  const std::string& id = ctx.mail.mailRecipientId;
  if (findRow(ctx.list, id) < 0) {
    warn(ctx.mainUi, msg::kMailRecipientNotFoundBefore + id + msg::kMailRecipientNotFoundAfter);
    return MailSendResult::RecipientNotFound;
  }
  // A name that is not a plain file name could reach outside the mail
  // folder or a device: it cannot be created there.
  if (!isUsableMailId(id) || ctx.mailFolder.empty()) {
    ctx.mainUi.warn(msg::kMailFolderNotFound);
    return MailSendResult::CannotCreate;
  }
  // The time goes into the file before its slot is known; it becomes the
  // program's write time only when sent.
  TimeTexts stamped = ctx.times;
  stampTimes(stamped);
  const std::string bytes = mailFileBytes(ctx.userId, ctx.mail.mailBody, stamped.writeTimeText);
  const std::string draft = writeDraft(ctx.mailFolder, bytes);
  const MailSendResult result = draft.empty() ? MailSendResult::CannotCreate : publishDraft(ctx, draft);
  // Gone after the move; a draft that found no slot is not left behind.
  if (!draft.empty()) platform::removeFile(draft);
  if (result == MailSendResult::Sent) {
    ctx.times = stamped;
  } else if (result == MailSendResult::SlotsFull) {
    warn(ctx.mainUi, msg::kMailSlotsFullBefore + id + msg::kMailSlotsFullAfter);
  } else {
    ctx.mainUi.warn(msg::kMailFolderNotFound);
  }
  return result;
}

bool sendToRecipientList(MailSendContext& ctx, Ui& dialogUi, const std::string& text,
                         const std::string& recipientList) {
  MailState& mail = ctx.mail;
  mail.mailBody = sjis::cut(text, kMailTextMaxBytes);
  mail.mailRecipientList = sjis::cut(recipientList, kMailRecipientListMaxBytes);
  if (mail.mailRecipientList.empty()) {
    dialogUi.warn(msg::kMailNoRecipient);
    return false;
  }
  std::string summary;
  bool anySent = false;
  std::size_t start = 0;
  for (;;) {
    // ',' is never a trail byte, so the pieces split byte by byte.
    std::size_t comma = mail.mailRecipientList.find(',', start);
    std::size_t end = comma == std::string::npos ? mail.mailRecipientList.size() : comma;
    mail.mailRecipientId = mail.mailRecipientList.substr(start, end - start);
    if (sendMail(ctx) == MailSendResult::Sent) {
      int row = findRow(ctx.list, mail.mailRecipientId);
      if (anySent) summary += ',';
      if (row >= 0) summary += cellText(ctx.list, row, kNameColumn);
      anySent = true;
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (anySent) {
    dialogUi.inform((summary + msg::kMailSentTo).c_str());
  } else {
    dialogUi.inform(msg::kMailSendFailed);
  }
  return true;
}

std::vector<MailMember> mailMembers(const MemberList& list) {
  std::vector<MailMember> members;
  for (int row = 0; row < list.rowCount(); ++row)
    members.push_back({cellText(list, row, kIdColumn), cellText(list, row, kNameColumn)});
  return members;
}

std::string recipientEntry(const MailMember& member) { return member.id + ",  " + member.name; }

bool joinSelectedIds(const std::vector<MailMember>& members, const std::vector<int>& selected, std::string& list) {
  std::vector<int> rows(selected);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::string joined;
  bool first = true;
  for (int row : rows) {
    if (row < 0 || row >= static_cast<int>(members.size())) continue;
    if (!first) joined += ',';
    joined += members[static_cast<std::size_t>(row)].id;
    first = false;
  }
  if (joined.size() > kMailRecipientListMaxBytes) return false;
  list = joined;
  return true;
}

}  // namespace wabo
