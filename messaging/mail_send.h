// Sending mail: one file per receiver in the shared mail folder, in the
// receiver's lowest free slot, and the compose dialog's walk over the
// receiver field.
#pragma once
#include <string>
#include <vector>

#include "board/board_state.h"
#include "board/member_list.h"
#include "common/ui.h"
#include "messaging/mail_state.h"

namespace wabo {

struct MailSendContext {
  const MemberList& list;        // the board shown: who can receive
  const std::string& userId;     // the sender
  const std::string& mailFolder;
  TimeTexts& times;              // stamped at each send
  MailState& mail;
  Ui& mainUi;                    // message boxes owned by the main window
};

// Sends mailBody to mailRecipientId (the ID as typed; the board is searched
// ignoring letter case). The mail is written whole under a name no copy
// reads, then moved into its slot by a move that never replaces a file: the
// slot file appears complete or not at all, and two senders at one moment
// end in different slots. Every result but Sent is told through mainUi.
MailSendResult sendMail(MailSendContext& ctx);

// 送信 of the compose dialog with the typed text and receiver field: false
// (after the warning) when the field is empty, the dialog then stays open.
// Otherwise each piece between commas, exactly as typed, is sent to; then
// the names of those reached, or the failure, are told through dialogUi.
bool sendToRecipientList(MailSendContext& ctx, Ui& dialogUi, const std::string& text,
                         const std::string& recipientList);

// A member as the receiver selection offers it.
struct MailMember {
  std::string id;    // at most 29 bytes
  std::string name;  // at most 29 bytes
};

// Every row of the board shown, top to bottom.
std::vector<MailMember> mailMembers(const MemberList& list);
// The selection's entry for a member: ID, a comma, two blanks, name.
std::string recipientEntry(const MailMember& member);
// The IDs of the selected entries, top to bottom, joined by ",". False when
// they would not fit the receiver field (998 bytes); `list` is then unchanged.
bool joinSelectedIds(const std::vector<MailMember>& members, const std::vector<int>& selected, std::string& list);

}  // namespace wabo
