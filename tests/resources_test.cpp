// The resource script read as text: the menus against the command numbers
// the program dispatches (an item bound to its neighbour's number would run
// the wrong command), and the icons against the numbers it loads (two
// numbers sharing a picture would show one member's icon for another's).
#include <gtest/gtest.h>

#include <regex>

#include "res/resource.h"
#include "tests/resource_script.h"

namespace {

using wabo::test::resolve;

// Menu `id` as text: a line per item of the bar; "text = id", "---", popups as "text {item, ...}".
std::string menu(long id) {
  const std::regex head(R"(^(\w+)\s+MENU\b)"), item(R"re(^\s*MENUITEM\s+"([^"]*)",\s*(\w+))re"),
      popup(R"re(^\s*POPUP\s+"([^"]*)")re"), separator(R"(^\s*MENUITEM\s+SEPARATOR)"), end(R"(^\s*END)");
  std::string out;
  int depth = -1;  // BEGIN ... END levels inside the menu
  std::smatch m;
  for (const std::string& line : wabo::test::scriptLines("res/wabo.rc")) {
    const bool first = !out.empty() && out.back() == '{';
    const std::string before = depth <= 1 ? "" : first ? "" : ", ";
    if (depth < 0) {
      if (std::regex_search(line, m, head) && resolve(m[1]) == id) depth = 0;
    } else if (std::regex_search(line, m, item)) {
      out += before + m[1].str() + " = " + std::to_string(resolve(m[2])) + (depth == 1 ? "\n" : "");
    } else if (std::regex_search(line, separator)) {
      out += before + "---";
    } else if (std::regex_search(line, m, popup)) {
      out += before + m[1].str() + " {";
    } else if (line.find("BEGIN") != std::string::npos) {
      ++depth;
    } else if (std::regex_search(line, end)) {
      if (--depth == 0) break;
      out += depth == 1 ? "}\n" : "}";
    }
  }
  return out;
}

}  // namespace

TEST(Resources, MenusHaveEveryCommandInPlace) {
  EXPECT_EQ(menu(IDM_MAIN),
            u8"更新(&R) = 40001\n"
            u8"ﾎﾞｰﾄﾞ選択(&B) {ﾎﾞｰﾄﾞ1 (&1) = 40036, ﾎﾞｰﾄﾞ2 (&2) = 40037, ﾎﾞｰﾄﾞ3 (&3) = 40038, ﾎﾞｰﾄﾞ4 (&4) = 40039, "
            u8"ﾎﾞｰﾄﾞ5 (&5) = 40040, ---, 掲示板(&K) = 40043}\n"
            u8"行き先情報(&D) {行き先入力(&I) = 40002, ---, ﾒﾝﾊﾞｰ追加(&A) = 40003, ﾒﾝﾊﾞｰ削除(&D) = 40004, ---, "
            u8"ｱｲｺﾝの変更(&C) = 40028, ---, ﾒｰﾙ送信(&M) = 40032, 全ﾒﾝﾊﾞｰへﾒｯｾｰｼﾞ(&S) = 40035}\n"
            u8"設定(&S) {ﾕｰｻﾞｰID設定(&M) = 40027, 自動更新設定(&A) = 40009, 表示の設定(&S) = 40010, "
            u8"ｸｲｯｸ入力設定(&Q) = 40050, 共有設定ﾌｧｲﾙ位置(&P) = 40054, ---, ﾕｰｻﾞｰ設定初期化(&I) = 40034, ---, "
            u8"管理者設定(&K) {ﾎﾞｰﾄﾞ設定(&B) = 40041, 行き先ﾘｽﾄ設定(&L) = 40030, 列名称設定(&R) = 40045, "
            u8"その他設定(&E) = 40044}}\n"
            u8"ﾍﾙﾌﾟ(&H) {ﾏﾆｭｱﾙ(&M) = 40033, ｵﾝﾗｲﾝ情報(&O) = 40042, ﾊﾞｰｼﾞｮﾝ情報(&V) = 40017}\n");
  EXPECT_EQ(menu(IDM_ROW_POPUP),
            u8"右ｸﾘｯｸ {行き先入力 = 40021, ---, 自分の行き先入力 = 40020, 自分の行き先を[出社]にする = 40049, "
            u8"自分の行き先を[帰宅]にする = 40051, ---, ﾒﾝﾊﾞｰ追加 = 40003, ﾒﾝﾊﾞｰ削除 = 40029, ---, ﾒｰﾙ送信 = 40031, "
            u8"全ﾒﾝﾊﾞｰへﾒｯｾｰｼﾞ = 40035, ---, ｱｲｺﾝの変更 = 40025, PC-Name入力 = 40052, ---, "
            u8"ﾕｰｻﾞｰPC接続ｻｰﾁ = 40053, ﾀｽｸﾄﾚｲに入れる = 40046}\n");
  EXPECT_EQ(menu(IDM_TRAY_POPUP), u8"右ｸﾘｯｸ2 {行き先表示ﾎﾞｰﾄﾞを開く = 40047, ---, 終了する = 40048}\n");
}

TEST(Resources, EveryIconNumberHasItsOwnPictureAndTheProgramIconComesFirst) {
  std::vector<std::pair<long, std::string>> icons;
  std::smatch m;
  for (const std::string& line : wabo::test::scriptLines("res/wabo.rc"))
    if (std::regex_search(line, m, std::regex(R"(^(\w+)\s+ICON\s+"([^"]+)\")")))
      icons.emplace_back(resolve(m[1]), m[2]);
  std::vector<std::pair<long, std::string>> expected;
  expected.emplace_back(128, "icon128.ico");
  for (long n = 201; n <= 273; ++n) expected.emplace_back(n, "icon" + std::to_string(n) + ".ico");
  EXPECT_EQ(icons, expected);  // 70 member icons 201..270, then 271, 272, 273
}
