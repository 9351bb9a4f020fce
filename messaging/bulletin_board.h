// What the bulletin board dialog does with its posts, apart from its window:
// the list it shows, a new post from the new-post dialog, and a deletion.
// Every change is merged into the file as it is at that moment, and the
// dialog then shows the merged list.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "common/ui.h"
#include "messaging/bulletin_file.h"
#include "messaging/bulletin_lock.h"

namespace wabo {

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

 private:
  std::string path_;
  BulletinLockTiming timing_;
  BulletinPosts posts_;
};

// A post's text as its row in the list shows it: each line break (CR LF, or
// a CR or LF alone) one blank. The post itself keeps its line breaks.
std::string listRowText(std::string_view text);

}  // namespace wabo
