// Byte limits of the program's texts. A buffer size counts the terminating
// zero; a dialog field is read with one less than its buffer, so the text it
// yields is at most size - 2 bytes long.
#pragma once
#include <cstddef>

namespace wabo {

constexpr std::size_t kShortTextBytes = 30;   // IDs, names, short member fields
constexpr std::size_t kLongTextBytes = 100;   // mobile, contact, schedule, other
constexpr std::size_t kPathBytes = 256;       // paths, the all-members message
constexpr std::size_t kQuickWordBytes = 32;   // quick-input words
// The most a system call that hands back a path writes, its zero included
// (MAX_PATH): the size of every buffer given to one that takes no size.
constexpr std::size_t kSystemPathBytes = 260;

// Longest text a field of the given buffer size holds in memory.
constexpr std::size_t textLimit(std::size_t bufferBytes) { return bufferBytes - 1; }
// Longest text taken from a dialog field of the given buffer size.
constexpr std::size_t fieldLimit(std::size_t bufferBytes) { return bufferBytes - 2; }

// Bulletin board posts (keiji.dat): buffers of a post's fields. A dialog
// takes fieldLimit() bytes, the file reader keeps textLimit() bytes.
constexpr std::size_t kPostSubjectBytes = 60;
constexpr std::size_t kPostInfoBytes = 512;
constexpr std::size_t kPostWriterBytes = 60;
constexpr std::size_t kPostTimeBytes = 30;

// PC connection search: the probe's command line and how much of the
// command's output is looked at (a 1024-byte buffer less its zero byte).
constexpr std::size_t kProbeCommandBytes = 40;
constexpr std::size_t kProbeReadBytes = 1023;

constexpr int kMaxBoardRows = 500;
constexpr int kBoardCount = 5;
constexpr int kColumnCount = 10;
constexpr int kColumnNameCount = 8;
constexpr int kMemberIconCount = 70;
constexpr int kDestinationSlots = 20;
// Members one copy watches for their next change of destination.
constexpr std::size_t kMaxWatchedMembers = 20;

// Mail
constexpr int kMailSlotCount = 10;               // slots 0..9 per receiver
constexpr std::size_t kMailBodyBytes = 512;      // body bytes written and read
constexpr std::size_t kMailTextMaxBytes = 510;   // taken from the compose text field
constexpr std::size_t kMailRecipientListMaxBytes = 998;  // taken from the receiver field

// Change history beside a board file ("<board>.his"): a line's fields.
constexpr std::size_t kHistoryTimeBytes = 20;     // "YYYY/MM/DD HH:MM:SS"
constexpr std::size_t kHistoryTextBytes = kPathBytes;  // old and new texts
// A history file that passes this size loses its older half at the next
// save; the reader looks at no more than this of the file's end.
constexpr std::size_t kHistoryMaxBytes = 1024 * 1024;

}  // namespace wabo
