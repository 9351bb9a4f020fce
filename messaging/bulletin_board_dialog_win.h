// Dialog 330 "掲示板": the bulletin board's posts, a new post (dialog 331)
// and the deletion of a post.
#pragma once
#include <windows.h>

#include <string>

namespace wabo {

struct BulletinBoardFields {
  std::string bulletinPath;  // in: keiji.dat of the mail folder
};

// Runs the dialog over `owner`; 0 when closed by command 1, else 1.
int runBulletinBoardDialog(HWND owner, BulletinBoardFields& fields);

}  // namespace wabo
