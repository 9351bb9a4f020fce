#include "messaging/bulletin_board.h"

#include <algorithm>

#include "common/clock.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/platform_file.h"

namespace wabo {

namespace {

// A retry does not wait for the lock as a user's action does: the next
// retry comes soon. With the re-read of a file not whole, a retry keeps the
// window from its messages for about 50 ms at most.
constexpr int kRetryLockWaitMs = 10;

// A typed text without the file's field separator, which a paste could
// bring in.
std::string withoutSeparators(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\x01'), text.end());
  return text;
}

}  // namespace

BulletinBoard::BulletinBoard(std::string path, BulletinLockTiming timing)
    : path_(std::move(path)), timing_(timing) {}

void BulletinBoard::load() { loadBulletinBoard(path_, posts_); }

void BulletinBoard::writeNewPost(std::string_view subject, std::string_view info, std::string_view writer, Ui& ui) {
  if (waiting()) return;
  BulletinPost post;
  post.subject = withoutSeparators(singleLineFieldText(subject, kPostSubjectBytes));
  if (post.subject.empty()) {
    ui.warn(msg::kPostSubjectMissing);
    return;
  }
  post.info = withoutSeparators(fieldText(info, kPostInfoBytes));
  post.writer = withoutSeparators(singleLineFieldText(writer, kPostWriterBytes));
  // The same form as writeTimeText.
  post.writtenAt = formatNow("%Y/%m/%d %H:%M");
  make(Change{true, post, posts_, {}, steadyMillis()}, ui, false);
}

std::string BulletinBoard::deleteQuestion(std::size_t row) const {
  const std::string subject = row < posts_.size() ? posts_[row].subject : std::string();
  return msg::kDeletePostQuestionHead + subject + msg::kDeletePostQuestionTail;
}

bool BulletinBoard::deletePost(std::size_t row, const std::function<bool(const std::string&)>& askYesNo, Ui& ui) {
  if (waiting() || row >= posts_.size() || !askYesNo(deleteQuestion(row))) return false;
  make(Change{false, posts_[row], posts_, {}, steadyMillis()}, ui, false);
  return true;
}

void BulletinBoard::retryWaiting(Ui& ui) {
  if (!waiting_) return;
  Change change = std::move(*waiting_);
  waiting_.reset();
  make(std::move(change), ui, true);
}

void BulletinBoard::make(Change change, Ui& ui, bool retry) {
  BulletinLockTiming timing = timing_;
  if (retry) timing.waitMilliseconds = std::min(timing.waitMilliseconds, kRetryLockWaitMs);
  BulletinChange result = change.add ? addBulletinPost(path_, change.post, posts_, change.settling, timing)
                                     : removeBulletinPost(path_, change.post, posts_, change.settling, timing);
  // At a retry, another copy's turn under the lock is only a later turn.
  if (retry && result == BulletinChange::kFailed && platform::fileExists(bulletinLockPath(path_)))
    result = BulletinChange::kWaiting;
  if (result == BulletinChange::kWaiting && steadyMillis() - change.since < kBulletinGiveUpMs) {
    // Shown meanwhile as it will be.
    posts_ = change.before;
    if (change.add) {
      posts_.insert(posts_.begin(), change.post);
    } else if (auto found = std::find(posts_.begin(), posts_.end(), change.post); found != posts_.end()) {
      posts_.erase(found);
    }
    waiting_ = std::move(change);
    return;
  }
  if (result == BulletinChange::kFailed || result == BulletinChange::kWaiting) {
    posts_ = change.before;
    ui.warn(msg::kSaveFolderMissing);
  }
}

std::string listRowText(std::string_view text) {
  // CR and LF are never trail bytes.
  std::string row;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    row += text[i] == '\r' || text[i] == '\n' ? ' ' : text[i];
    if (crLf) ++i;
  }
  return row;
}

}  // namespace wabo
