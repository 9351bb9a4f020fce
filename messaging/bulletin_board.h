// What the bulletin board dialog does with its posts, apart from its window:
// the list it shows, a new post from the new-post dialog, and a deletion.
// Every change is merged into the file as it is at that moment, and the
// dialog then shows the merged list.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/ui.h"
#include "messaging/bulletin_file.h"
#include "messaging/bulletin_lock.h"
#include "messaging/bulletin_merge.h"

namespace wabo {

// How often the dialog tries a waiting change again, and when it gives up.
constexpr int kBulletinRetryMs = 250;
constexpr std::int64_t kBulletinGiveUpMs = 30000;

class BulletinBoard {
 public:
  // `path`: the keiji.dat of the mail folder.
  explicit BulletinBoard(std::string path, BulletinLockTiming timing = {});

  // Reads the file; a file that does not open leaves the list as it is.
  void load();
  const BulletinPosts& posts() const { return posts_; }

  // 書込み of the new-post dialog, with the texts as typed. An empty subject
  // is refused; otherwise the post, stamped with the clock's time, goes on
  // top of the file's posts. Warnings go to `ui` (the new-post dialog).
  void writeNewPost(std::string_view subject, std::string_view info, std::string_view writer, Ui& ui);

  // The question asked before row `row` is deleted.
  std::string deleteQuestion(std::size_t row) const;

  // 削  除 for row `row`: asks `askYesNo`; on Yes removes that post from the
  // file. A failed write is told through `ui` and the row stays. True when
  // the answer was Yes (the list is then the file's, or as it was).
  bool deletePost(std::size_t row, const std::function<bool(const std::string&)>& askYesNo, Ui& ui);

  // A change found keiji.dat not whole (another copy writing it in place):
  // it waits, shown in the list as it will be, and the dialog calls
  // retryWaiting() every kBulletinRetryMs until it is made or given up.
  // No other change starts meanwhile.
  bool waiting() const { return waiting_.has_value(); }
  // Tries the waiting change again; when it cannot be made after all, or
  // still waits after kBulletinGiveUpMs, the list is put back and `ui` is
  // told, as for a change that fails at once.
  void retryWaiting(Ui& ui);

 private:
  struct Change {
    bool add = true;  // a new post; else a deletion
    BulletinPost post;
    BulletinPosts before;  // the list before it, shown again when it fails
    BulletinSettling settling;
    std::int64_t since = 0;  // the first try, by the steady clock
  };
  void make(Change change, Ui& ui, bool retry);

  std::string path_;
  BulletinLockTiming timing_;
  BulletinPosts posts_;
  std::optional<Change> waiting_;
};

// A post's text as its row in the list shows it: each line break (CR LF, or
// a CR or LF alone) one blank. The post itself keeps its line breaks.
std::string listRowText(std::string_view text);

}  // namespace wabo
