#include "messaging/bulletin_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "common/checked_file.h"
#include "common/decimal.h"
#include "common/limits.h"
#include "common/sjis.h"

namespace wabo {

namespace {

constexpr int kEnd = -1;
constexpr char kSeparator = '\x01';

// Bytes of the file one at a time, with room to give back a few: the head
// is read ahead to learn whether it is a count at all.
template <typename Next>
class PostReader {
 public:
  explicit PostReader(Next next) : next_(next) {}

  int get() {
    if (!pending_.empty()) {
      int c = static_cast<unsigned char>(pending_.back());
      pending_.pop_back();
      return c;
    }
    return next_();
  }
  // Bytes given back are read again, first the last one given.
  void giveBack(int c) {
    if (c != kEnd) pending_.push_back(static_cast<char>(c));
  }

 private:
  Next next_;
  std::string pending_;
};

// The count in front of the records: blanks, a sign and digits, then ",".
// -1 when there is no usable count (missing, negative or too large to mean
// anything): the reader then takes every record there is. A head that is
// not a count at all is given back as the start of the first record.
// `cut`: the bytes ended inside the head (an empty file, or one whose writer
// has not yet put down the ",").
template <typename Reader>
long long readCount(Reader& reader, bool& cut) {
  std::string head;
  int c;
  while ((c = reader.get()) != kEnd && head.size() < 32 &&
         (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '+' || c == '-' || (c >= '0' && c <= '9'))) {
    head.push_back(static_cast<char>(c));
  }
  cut = c == kEnd;
  std::size_t at = head.find_first_not_of(" \t\r\n");
  if (at == std::string::npos) at = head.size();
  bool negative = false;
  if (at < head.size() && (head[at] == '+' || head[at] == '-')) negative = head[at++] == '-';
  const std::size_t digitsStart = at;
  while (at < head.size() && head[at] >= '0' && head[at] <= '9') ++at;
  if (c != ',' || at != head.size()) {
    reader.giveBack(c);
    for (auto it = head.rbegin(); it != head.rend(); ++it) reader.giveBack(static_cast<unsigned char>(*it));
    return -1;
  }
  if (negative || at == digitsStart) return -1;
  const LeadingInteger count = leadingInteger(head, true);
  return count.fits ? count.value : -1;
}

// Reads one field up to its end byte; keeps at most `limit` bytes of it.
// Returns the byte that ended it, or kEnd.
template <typename Reader, typename IsEnd>
int readField(Reader& reader, std::string& field, std::size_t limit, IsEnd isEnd) {
  int c;
  while ((c = reader.get()) != kEnd && !isEnd(c)) {
    // A separator inside the time (the one field not ended by it) is left
    // out, as the writer leaves it out.
    if (c != kSeparator && field.size() <= limit) field.push_back(static_cast<char>(c));
  }
  // Cut where the program's buffer would end (and at a NUL, as a text
  // buffer would), never inside a double-byte character.
  field = sjis::cut(field, limit);
  return c;
}

// How a record ended: the file ended before the subject's separator (the
// bytes read are not a post), inside the record, or at its line end.
enum class RecordEnd { kNone, kCut, kWhole };

template <typename Reader>
RecordEnd readPost(Reader& reader, BulletinPost& post) {
  auto isSeparator = [](int c) { return c == kSeparator; };
  if (readField(reader, post.subject, textLimit(kPostSubjectBytes), isSeparator) == kEnd) return RecordEnd::kNone;
  if (readField(reader, post.info, textLimit(kPostInfoBytes), isSeparator) == kEnd) return RecordEnd::kCut;
  if (readField(reader, post.writer, textLimit(kPostWriterBytes), isSeparator) == kEnd) return RecordEnd::kCut;
  // The time ends the record at its CR LF. A lone CR or LF ends it too, so
  // that a damaged line end does not swallow the next post.
  int end = readField(reader, post.writtenAt, textLimit(kPostTimeBytes), [](int c) { return c == '\r' || c == '\n'; });
  if (end == '\r') {
    int next = reader.get();
    if (next == kEnd) return RecordEnd::kCut;  // its LF is still to come
    if (next != '\n') reader.giveBack(next);
  }
  return end == kEnd ? RecordEnd::kCut : RecordEnd::kWhole;
}

template <typename Next>
BulletinImage readPosts(Next next) {
  PostReader<Next> reader(next);
  BulletinImage image;
  bool headCut = false;
  const long long count = readCount(reader, headCut);
  long long whole = 0;
  for (long long i = 0; count < 0 || i < count; ++i) {
    BulletinPost post;
    const RecordEnd end = readPost(reader, post);
    if (end == RecordEnd::kNone) break;
    if (end == RecordEnd::kWhole) ++whole;
    image.posts.push_back(std::move(post));
  }
  image.whole = !headCut && (count < 0 || whole >= count);
  return image;
}

void appendField(std::string& out, const std::string& field, bool oneLine) {
  for (char c : field) {
    if (c == kSeparator || (oneLine && (c == '\r' || c == '\n'))) continue;
    out.push_back(c);
  }
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

std::string bulletinFilePath(const std::string& mailFolder) { return mailFolder + "\\keiji.dat"; }

std::string bulletinFileBytes(const BulletinPosts& posts) {
  std::string out = std::to_string(posts.size()) + ",";
  for (const BulletinPost& post : posts) {
    appendField(out, post.subject, false);
    out.push_back(kSeparator);
    appendField(out, post.info, false);
    out.push_back(kSeparator);
    appendField(out, post.writer, false);
    out.push_back(kSeparator);
    appendField(out, post.writtenAt, true);
    out += "\r\n";
  }
  return out;
}

BulletinImage readBulletinImage(std::string_view bytes) {
  std::size_t at = 0;
  return readPosts([&]() { return at < bytes.size() ? static_cast<unsigned char>(bytes[at++]) : kEnd; });
}

BulletinPosts parseBulletinBoard(std::string_view bytes) { return readBulletinImage(bytes).posts; }

BulletinRead readBulletinSnapshot(const std::string& path, BulletinSnapshot& snapshot) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return errno == ENOENT ? BulletinRead::kMissing : BulletinRead::kUnreadable;
  std::string bytes;
  char chunk[8192];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0;) bytes.append(chunk, n);
  // A read that broke off is not the file: taking it for the whole board
  // would lose the posts after the break at the next write.
  if (std::ferror(file.get())) return BulletinRead::kUnreadable;
  BulletinImage image = readBulletinImage(bytes);
  snapshot.bytes = std::move(bytes);
  snapshot.posts = std::move(image.posts);
  snapshot.whole = image.whole;
  return BulletinRead::kRead;
}

BulletinRead readBulletinFile(const std::string& path, BulletinPosts& posts) {
  BulletinSnapshot snapshot;
  const BulletinRead result = readBulletinSnapshot(path, snapshot);
  if (result == BulletinRead::kRead) posts = std::move(snapshot.posts);
  return result;
}

void loadBulletinBoard(const std::string& path, BulletinPosts& posts) { readBulletinFile(path, posts); }

int saveBulletinBoard(const std::string& path, const BulletinPosts& posts) {
  return writeFileReplacing(path, path + ".new", bulletinFileBytes(posts)) ? 0 : 1;
}

}  // namespace wabo
