// Dialog 331 "新規作成": one new post for the bulletin board.
#pragma once
#include <windows.h>

namespace wabo {

class BulletinBoard;

struct BulletinPostFields {
  BulletinBoard* board = nullptr;  // in: the board the post goes to; out: its posts
};

// Runs the dialog over `owner` (the board dialog). 書込み hands the typed
// texts to the board, which checks, writes and warns; the dialog then
// closes with 0. ｷｬﾝｾﾙ closes with 1 and changes nothing. 書込み is no
// default button: Enter in the subject or writer field does nothing.
int runBulletinPostDialog(HWND owner, BulletinPostFields& fields);

}  // namespace wabo
