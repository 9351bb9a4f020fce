// lock.dat: while it exists, no copy of the program reads or writes a board
// file of its folder. Only its existence counts for the others; this
// program writes a token of its own into it, so that it removes only a lock
// it created itself.
#pragma once
#include <string>

namespace wabo {

class FolderLock {
 public:
  // Takes the lock by an exclusive create; held() tells whether it worked
  // (it fails when lock.dat exists already).
  explicit FolderLock(std::string lockPath);
  // Releases the lock if this object took it and it is still ours.
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  bool held() const { return held_; }
  // False when the lock this object took could not be deleted and is
  // still there.
  bool release();

 private:
  std::string path_;
  std::string token_;
  bool held_ = false;
};

}  // namespace wabo
