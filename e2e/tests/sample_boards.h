// Boards that the end-to-end tests put into program folders.
#pragma once
#include <string>
#include <vector>

#include "harness/board_text.h"

namespace e2e {

// Four members in file order S010, A001, m005, K100: sorted bytewise by ID
// they read A001, K100, S010, m005. Every field differs between the members,
// and some texts hold characters whose second byte is "\" (表, ソ).
inline BoardText officeBoard() {
  BoardText board;
  board.stamp = 25010609;
  board.captions = {"氏名", "居場所", "戻り", "書込日時", "携帯", "連絡", "予定表", "備考"};
  board.members = {
      {"S010", 12, "鈴木 一郎", "会議室", "15:00", "2025/01/06 09:12", "090-1111-2222",
       "表計算の件", "ソフト開発", "", "PC-SUZUKI"},
      {"A001", 3, "青木 花子", "出張", "明日", "2025/01/05 18:40", "080-3333-4444", "",
       "大阪", "代表", ""},
      {"m005", 0, "森 太郎", "休み", "", "2025/01/07 08:01", "", "連絡不要", "", "", "PC-MORI"},
      {"K100", 69, "加藤 次郎", "事務所", "17:30", "2025/01/04 12:00", "070-5555-6666",
       "至急", "会議", "ソ連", "PC-KATO"},
  };
  board.message = "本日は定例会議があります";
  return board;
}

// A second board with its own captions: two members, Z9 before B2 in the file.
inline BoardText branchBoard() {
  BoardText board;
  board.stamp = 7;
  board.captions = {"名前", "行先", "帰社", "書込日時", "携帯番号", "連絡事項", "予定", "その他"};
  board.members = {{"Z9", 5, "山田"}, {"B2", 6, "馬場"}};
  board.message = "ボード2です";
  return board;
}

// The expected list after a load, top to bottom: {file ordinal, ...}.
inline std::vector<int> officeBoardByIdAscending() { return {1, 3, 0, 2}; }

// The eleven fields of a member as the list shows them: subitems 0..9 are the
// ID and fields 3..11; the icon number is the image index.
inline std::vector<std::string> listTexts(const MemberLine& m) {
  return {m.id, m.name, m.destination, m.returnTime, m.writeTime,
          m.mobile, m.contact, m.schedule, m.other, m.pcName};
}

}  // namespace e2e
