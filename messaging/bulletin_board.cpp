#include "messaging/bulletin_board.h"

#include <algorithm>

#include "common/clock.h"
#include "common/field_text.h"
#include "common/limits.h"
#include "common/messages.h"
#include "messaging/bulletin_merge.h"

namespace wabo {

namespace {

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
  if (addBulletinPost(path_, post, posts_, timing_) == BulletinChange::kFailed) ui.warn(msg::kSaveFolderMissing);
}

std::string BulletinBoard::deleteQuestion(std::size_t row) const {
  const std::string subject = row < posts_.size() ? posts_[row].subject : std::string();
  return msg::kDeletePostQuestionHead + subject + msg::kDeletePostQuestionTail;
}

bool BulletinBoard::deletePost(std::size_t row, const std::function<bool(const std::string&)>& askYesNo, Ui& ui) {
  if (row >= posts_.size() || !askYesNo(deleteQuestion(row))) return false;
  const BulletinPost post = posts_[row];
  if (removeBulletinPost(path_, post, posts_, timing_) == BulletinChange::kFailed) ui.warn(msg::kSaveFolderMissing);
  return true;
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
