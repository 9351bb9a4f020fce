// One mail is one file in the mail folder, named after its receiver's ID and
// a slot digit: yamada3.ml is slot 3 of the ID yamada. The file holds the
// sender's ID, the text with every byte raised by one, the time of sending
// and an empty fourth field, each ended by the byte 0x01. Other copies of the
// program read and write the same names and bytes.
#pragma once
#include <string>
#include <string_view>

#include "messaging/mail_state.h"

namespace wabo {

constexpr char kMailFieldSeparator = '\x01';

// True if `id` can stand in a file name as it is: not empty, no path
// separator or other character Windows refuses in names, no control
// character, no half double-byte character, and none of its ten file names
// (ID + slot digit + ".ml") is a reserved device name (CON, PRN, AUX, NUL,
// COM0-9, LPT0-9: the part before the first dot, blanks after it dropped).
// Dots and blanks elsewhere are plain characters of the name, so "con",
// "a.", "a " and "a..b" are usable. Double-byte characters are stepped
// over, so 表 (second byte '\') is an ordinary character.
bool isUsableMailId(std::string_view id);

// The path of slot `slot` (0..9) of the receiver `id` in `mailFolder`. The
// folder's own separator is used ('\' unless it is written with '/'), and
// none is added after a folder that already ends in one. Callers check the
// ID with isUsableMailId first.
std::string mailFilePath(const std::string& mailFolder, const std::string& id, int slot);

// The path of the file `name` in `mailFolder`, joined as mailFilePath does.
std::string mailFolderFile(const std::string& mailFolder, const std::string& name);

// The bytes of a mail file. The sender ID is taken up to 29 bytes (0x01
// bytes dropped, so it cannot end the field early); the text up to its
// first NUL byte or 512 bytes, each byte plus one.
std::string mailFileBytes(std::string_view senderId, std::string_view text, std::string_view sentTime);

struct ParsedMail {
  ReceivedMail mail;
  bool complete = false;  // all four separators are there
};

// Reads the three fields of a mail file: each ends at its separator, the
// end of the bytes, or is cut at its limit (29, 512 and 29 bytes, never half
// a double-byte character), and the bytes past a limit up to the separator
// are skipped rather than taken for the next field. The body bytes are
// lowered by one.
ParsedMail parseMailBytes(std::string_view bytes);

// Reads at most `maxBytes` of the file at `path` into `bytes`. False if it
// does not open for reading.
bool readMailFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

// Most bytes of a mail file that are read: a mail of the program has at most
// 561. Whatever lies beyond is never looked at.
constexpr std::size_t kMailFileReadLimit = 4096;

}  // namespace wabo
