// Writes the benchmark's program folder template: a board file of 500 members
// whose every field is Japanese text near its byte limit, and a WaboM.ini
// that names one of those members as the user of this PC.
//
//   board_gen <folder>
//
// Writes <folder>/boad1.csv, <folder>/WaboM.ini and <folder>/board-facts.txt
// (head line length, user ID row, sizes) for the bench script.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 500;
constexpr std::size_t kShortBytes = 28;   // fields of 30-byte buffers
constexpr std::size_t kLongBytes = 98;    // fields of 100-byte buffers
constexpr std::size_t kMessageBytes = 254;
constexpr int kUserRow = 123;
constexpr long kStamp = 26123456;

// Double-byte characters only, among them several whose trail byte is '\'.
const char kPool[] =
    "行先表示板予定会議出張帰社外出休暇連絡事項携帯番号東京大阪名古屋福岡札幌仙台横浜神戸京都広島"
    "ソ能申十構噂貼表営業部総務経理開発製造品質管理企画広報人事購買資材物流倉庫工場本店支店";
const char kDigits[] = "０１２３４５６７８９";

std::vector<std::string> poolChars() {
  std::vector<std::string> chars;
  std::string pool = kPool;
  for (std::size_t i = 0; i + 1 < pool.size(); i += 2) {
    unsigned char lead = static_cast<unsigned char>(pool[i]);
    if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC))) {
      std::fprintf(stderr, "board_gen: the character pool is not double-byte Shift-JIS\n");
      std::exit(2);
    }
    chars.push_back(pool.substr(i, 2));
  }
  return chars;
}

// `bytes` bytes (even) of pool characters chosen from `seed`.
std::string text(const std::vector<std::string>& chars, std::size_t bytes, unsigned seed) {
  std::string out;
  unsigned step = 7 + seed % 5;
  for (unsigned j = 0; out.size() + 2 <= bytes; ++j) out += chars[(seed * 31u + j * step) % chars.size()];
  return out;
}

// 28 bytes: 8 pool characters, then the row number in 6 full-width digits, so
// that IDs are unique and their sort order differs from the row order.
std::string memberId(const std::vector<std::string>& chars, int row) {
  std::string id = text(chars, 16, static_cast<unsigned>(row) * 2654435761u % 9973u);
  char number[8];
  std::snprintf(number, sizeof number, "%06d", row);
  for (int i = 0; i < 6; ++i) id += std::string(kDigits + 2 * (number[i] - '0'), 2);
  return id;
}

bool writeFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return (std::fclose(f) == 0) && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: board_gen <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::vector<std::string> chars = poolChars();

  std::string head = "W2," + std::to_string(kStamp) + ",\r\n";
  std::string board = head;
  board += "ID,Icon No.,名前,行き先,戻り予定,書込日時,携帯番号,連絡事項,予定,その他,PC-Name\r\n";
  std::string userId;
  // File order is a permutation of the row numbers, so the sort after a
  // load has real work to do.
  for (int k = 0; k < kRows; ++k) {
    int row = (k * 197) % kRows;
    std::string id = memberId(chars, row);
    if (row == kUserRow) userId = id;
    std::string line = id + "," + std::to_string(row % 70) + ",";
    for (int f = 0; f < 4; ++f) line += text(chars, kShortBytes, static_cast<unsigned>(row * 11 + f)) + ",";
    for (int f = 0; f < 4; ++f) line += text(chars, kLongBytes, static_cast<unsigned>(row * 13 + f)) + ",";
    line += text(chars, kShortBytes, static_cast<unsigned>(row * 17 + 9));
    board += line + "\r\n";
  }
  board += "END,\r\n";
  board += text(chars, kMessageBytes, 4242) + "\r\n";

  std::string ini;
  auto line = [&](const std::string& s) { ini += s + "\r\n"; };
  line("[表示位置]");
  line("119,135,648,338");
  line("[ｶﾗﾑｻｲｽﾞ]");
  for (int b = 0; b < 5; ++b) line("70,70,70,70,105,90,150,150,-1,0");
  line("[列順]");
  for (int b = 0; b < 5; ++b) line("0,1,2,3,4,5,6,7,8,9");
  line("[自分のID]");
  line(userId);
  line("[選択ﾎﾞｰﾄﾞ]");
  line("1");
  line("[ｸｲｯｸ入力設定]");
  line("出社");
  line("帰宅");
  line("[Wabo.iniﾌｧｲﾙの位置]");
  line("");
  line("[その他]");
  line("0,0,0,0,0,1,16056319,0,10,1,16,12,0,13697023,14737632");

  std::string facts;
  facts += "rows=" + std::to_string(kRows) + "\n";
  facts += "stamp=" + std::to_string(kStamp) + "\n";
  facts += "head_line_bytes=" + std::to_string(head.size()) + "\n";
  facts += "board_bytes=" + std::to_string(board.size()) + "\n";
  facts += "user_row=" + std::to_string(kUserRow) + "\n";

  if (!writeFile(folder + "/boad1.csv", board) || !writeFile(folder + "/WaboM.ini", ini) ||
      !writeFile(folder + "/board-facts.txt", facts) || !writeFile(folder + "/user-id.txt", userId)) {
    std::fprintf(stderr, "board_gen: cannot write into %s\n", folder.c_str());
    return 1;
  }
  std::fputs(facts.c_str(), stdout);
  return 0;
}
