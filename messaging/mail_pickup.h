// Picking up mail: every file in the mail folder addressed to userId is
// announced, shown and deleted, slot by slot. The refresh tick, the 更新
// command and a board switch call it.
#pragma once
#include <string>

#include "board/member_list.h"
#include "messaging/mail_state.h"

namespace wabo {

// What the pickup asks of the main window.
class MailPickupShell {
 public:
  virtual ~MailPickupShell() = default;
  // The main window's placement says minimised.
  virtual bool mainWindowMinimised() = 0;
  // Puts the main window back to its normal placement.
  virtual void restoreMainWindow() = 0;
  // "<name>さんからメールです！": information, brought to the foreground.
  virtual void announce(const std::string& text) = 0;
  // The mail view (305) over receivedMail: 0 closed, 1 cancelled, 2 reply.
  virtual int viewMail() = 0;
  // The compose dialog (304) with mailRecipientId preset.
  virtual int composeMail() = 0;
};

struct MailPickupContext {
  const MemberList& list;  // the board shown: senders' names
  const std::string& userId;
  const std::string& mailFolder;
  MailState& mail;
  MailPickupShell& shell;
};

// A file whose last separator is missing is left alone: its sender may
// still be writing. Once it has stayed so for this long it is shown with
// what it holds and deleted, so a crashed sender never blocks a slot.
constexpr int kIncompleteMailSeconds = 60;

// Shows and deletes the mail waiting for userId; a file is deleted after its
// view only while it still holds the bytes shown (the same user on another
// PC may have taken the mail and a new one its slot). A pickup started while
// another one is still showing something (a tick during 更新's message
// box) does nothing, so no mail is shown twice.
void pickUpMail(MailPickupContext& ctx);

// Writes the six lines of the text export of receivedMail. False when the
// file cannot be created or written (nothing is reported to the user).
bool saveMailAsText(const std::string& path, const ReceivedMail& mail);

}  // namespace wabo
