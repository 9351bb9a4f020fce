// What the mail code keeps from start to exit: the texts shared by the
// compose dialog, the menu commands and the send, the mail last picked up,
// and the pickup's own bookkeeping.
#pragma once
#include <ctime>
#include <map>
#include <string>

namespace wabo {

enum class MailSendResult { Sent = 0, SlotsFull = 1, RecipientNotFound = 2, CannotCreate = 3 };

struct ReceivedMail {
  std::string senderId;  // at most 29 bytes
  std::string body;      // at most 512 bytes, as typed (unshifted)
  std::string sentTime;  // at most 29 bytes
};

// A mail file found without its last separator: its sender may still be
// writing it. Kept until it is complete or old enough to be given up.
struct PendingMailFile {
  std::time_t firstSeen = 0;
  std::string bytes;  // what it held when last looked at
};

struct MailState {
  std::string mailRecipientId;    // receiver of the send under way; preset of the compose dialog
  std::string mailBody;           // text of the compose dialog, at most 510 bytes
  std::string mailRecipientList;  // receiver field: IDs separated by ",", at most 998 bytes
  ReceivedMail receivedMail;      // the mail last picked up
  bool pickupRunning = false;     // a pickup is showing its message box, view or reply
  std::map<std::string, PendingMailFile> pending;  // by file path
};

}  // namespace wabo
