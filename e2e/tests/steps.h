// Boards, texts and steps shared by the end-to-end tests.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/program_copy.h"

namespace e2e {

const char kTitlePrefix[] = "行き先表示ボード Wabo - ";
const char kMissingOrLocked[] = "行き先ﾃﾞｰﾀﾌｧｲﾙが見つかりません\nまたは、ﾛｯｸﾌｧｲﾙがあります";
const char kRefreshedNew[] = "更新しました(新しい情報あり)";
const char kRefreshedNothingNew[] = "更新しました(新しい情報なし)";
const char kUserIdTitle[] = "ﾕｰｻﾞｰID設定";
const char kReloaded[] = " 更新";
const char kChecked[] = " 更新.";

// Four members in file order S010, A001, m005, K100: sorted bytewise by ID
// they read A001, K100, S010, m005. Every field differs between members, and
// some texts hold characters whose second byte is "\" (表, ソ).
inline BoardText officeBoard(long stamp = 25010609, const std::string& m005Destination = "休み") {
  BoardText board;
  board.stamp = stamp;
  board.captions = {"氏名", "居場所", "戻り", "書込日時", "携帯", "連絡", "予定表", "備考"};
  board.members = {
      {"S010", 12, "鈴木 一郎", "会議室", "15:00", "2025/01/06 09:12", "090-1111-2222", "表計算の件", "ソフト開発", "",
       "PC-SUZUKI"},
      {"A001", 3, "青木 花子", "出張", "明日", "2025/01/05 18:40", "080-3333-4444", "", "大阪", "代表", ""},
      {"m005", 0, "森 太郎", m005Destination, "", "2025/01/07 08:01", "", "連絡不要", "", "", "PC-MORI"},
      {"K100", 69, "加藤 次郎", "事務所", "17:30", "2025/01/04 12:00", "070-5555-6666", "至急", "会議", "ソ連",
       "PC-KATO"},
  };
  board.message = "本日は定例会議があります";
  return board;
}

// The list's subitems 0..9 of a member: the ID and fields 3..11.
inline std::vector<std::string> listTexts(const MemberLine& m) {
  return {m.id, m.name, m.destination, m.returnTime, m.writeTime, m.mobile, m.contact, m.schedule, m.other, m.pcName};
}

// Left, top, width and height of a window.
inline std::vector<int> rectOf(HWND window) {
  RECT r = windowRect(window);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// With WABO_SCREENS naming a folder (scripts/screens-commands), a test
// stops for a picture of the screen part `r`: it leaves "<name>.ready" with
// the rectangle and goes on once the script leaves "<name>.done".
inline void picture(const std::string& name, const RECT& r) {
  char folder[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("WABO_SCREENS", folder, sizeof folder);
  if (n == 0 || n >= sizeof folder) return;
  writeFileBytes(joinPath(folder, name + ".ready"), std::to_string(r.right - r.left) + "x" +
                                                        std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) +
                                                        "+" + std::to_string(r.top));
  ASSERT_TRUE(waitUntil([&] { return fileExists(joinPath(folder, name + ".done")); }, 60000));
}

// The same for a whole window.
inline void picture(const std::string& name, HWND window) { picture(name, windowRect(window)); }

inline int rowOf(ProgramCopy& program, const std::string& id) {
  std::vector<std::string> ids = program.list().columnTexts(0);
  return static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin());
}

// Destination of a member as the list shows it (subitem 2).
inline std::string destinationOf(ProgramCopy& program, const std::string& id) {
  return program.list().text(rowOf(program, id), 2);
}

// A board file once no save holds its folder's lock; "" while one does or
// the file cannot be read. The lock is looked at after the read: a file read
// before its save's lock was gone counts as not there yet.
inline std::string settledBoard(const std::string& board, const std::string& lock) {
  std::string bytes;
  try {
    bytes = readFileBytes(board);
  } catch (const HarnessError&) {
    return "";
  }
  return fileExists(lock) ? "" : bytes;
}

}  // namespace e2e
