// keiji.dat, the bulletin board's file in the mail folder: the number of
// posts and ",", then per post, newest first, subject 0x01 info 0x01 writer
// 0x01 time CR LF. No header line, no line end after the count; the info
// may hold CR LF itself.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace wabo {

struct BulletinPost {
  std::string subject;
  std::string info;
  std::string writer;
  std::string writtenAt;  // writeTimeText of the moment of posting

  bool operator==(const BulletinPost& other) const {
    return subject == other.subject && info == other.info && writer == other.writer && writtenAt == other.writtenAt;
  }
};

using BulletinPosts = std::vector<BulletinPost>;

// mailFolder + "\keiji.dat".
std::string bulletinFilePath(const std::string& mailFolder);

// The file's bytes for `posts`, top of the list first. A 0x01 inside a
// field and a line break inside the time are left out, so that every
// record reads back as one.
std::string bulletinFileBytes(const BulletinPosts& posts);

// The posts of a keiji.dat image. Nothing in it is trusted: the count only
// stops the reading early; a count that is larger, negative, huge or
// missing gives the records that are there; every field is cut to its
// limit (never half a double-byte character) and the rest of it skipped.
BulletinPosts parseBulletinBoard(std::string_view bytes);

// The posts of a keiji.dat image, and whether it is whole. A copy that
// rewrites the file in place (older copies do, knowing nothing of
// keiji.lck) leaves it empty, cut in its count, or with fewer whole records
// (each ended by its line end) than its count until it is done; no copy
// leaves it so when done (the last deletion leaves "0,"). A head that is no
// count at all has nothing to fall short of.
struct BulletinImage {
  BulletinPosts posts;
  bool whole = true;
};
BulletinImage readBulletinImage(std::string_view bytes);

enum class BulletinRead {
  kRead,        // posts filled from the file
  kMissing,     // no keiji.dat: an empty board
  kUnreadable,  // it is there but could not be opened or read just now
};

// Reads keiji.dat at `path` into `posts`. On kMissing and kUnreadable the
// posts are left as they were.
BulletinRead readBulletinFile(const std::string& path, BulletinPosts& posts);

// keiji.dat as one read found it: its bytes, to tell whether it changed
// between two reads, and what they hold.
struct BulletinSnapshot {
  std::string bytes;
  BulletinPosts posts;
  bool whole = true;  // see BulletinImage
};
// Reads keiji.dat at `path`; on kMissing and kUnreadable `snapshot` is left
// as it was.
BulletinRead readBulletinSnapshot(const std::string& path, BulletinSnapshot& snapshot);

// The dialog's reader: the posts of the file, or nothing changed (and no
// message) when it does not open.
void loadBulletinBoard(const std::string& path, BulletinPosts& posts);

// Writes `posts` beside the file and moves that over keiji.dat, so that a
// reader finds the old file or the new one. 0 when written, 1 when not (the
// previous keiji.dat is then left as it was).
int saveBulletinBoard(const std::string& path, const BulletinPosts& posts);

}  // namespace wabo
