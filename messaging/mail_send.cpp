#include "messaging/mail_send.h"

#include <algorithm>

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
  // The file is written in one go as its slot is claimed, so the time is
  // taken first; it becomes the program's write time only when sent.
  TimeTexts stamped = ctx.times;
  stampTimes(stamped);
  std::string bytes = mailFileBytes(ctx.userId, ctx.mail.mailBody, stamped.writeTimeText);
  for (int slot = 0; slot < kMailSlotCount; ++slot) {
    std::string path = mailFilePath(ctx.mailFolder, id, slot);
    if (path.size() >= kPathBytes) break;
    // The slot's file is created only if no file has its name, so a sender
    // that was quicker keeps its slot and this mail takes the next one.
    platform::CreateResult claim = platform::createNew(path, bytes);
    if (claim == platform::CreateResult::Created) {
      ctx.times = stamped;
      return MailSendResult::Sent;
    }
    if (claim == platform::CreateResult::Failed) break;
    if (slot == kMailSlotCount - 1) {
      warn(ctx.mainUi, msg::kMailSlotsFullBefore + id + msg::kMailSlotsFullAfter);
      return MailSendResult::SlotsFull;
    }
  }
  ctx.mainUi.warn(msg::kMailFolderNotFound);
  return MailSendResult::CannotCreate;
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
