// The command table against the menus of the resource script: every item
// of menus 101, 295 and 340 must reach exactly one row, and no row may wait
// for an item that no menu has.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "res/resource.h"
#include "tests/resource_script.h"

namespace {

struct Row {
  long id;
  bool built;  // false: NOT_BUILT
};

const Row kRows[] = {
#define COMMAND(id, handler) {id, true},
#define NOT_BUILT(id) {id, false},
#include "app/command_table.def"
#undef COMMAND
#undef NOT_BUILT
};

// The command ID of every MENUITEM of the script, with the menu it is in.
std::multimap<long, long> menuItems() {
  std::multimap<long, long> items;
  const std::regex head(R"(^(\w+)\s+MENU\b)"), item(R"re(^\s*MENUITEM\s+"[^"]*",\s*(\w+))re");
  long menu = -1;
  std::smatch m;
  for (const std::string& line : wabo::test::scriptLines("res/wabo.rc")) {
    if (std::regex_search(line, m, head)) menu = wabo::test::resolve(m[1]);
    if (std::regex_search(line, m, item)) items.emplace(wabo::test::resolve(m[1]), menu);
  }
  return items;
}

TEST(CommandTable, EveryMenuItemHasExactlyOneRow) {
  const std::multimap<long, long> items = menuItems();
  std::set<long> menus;
  for (const auto& [id, menu] : items) menus.insert(menu);
  ASSERT_EQ(menus, (std::set<long>{IDM_MAIN, IDM_ROW_POPUP, IDM_TRAY_POPUP}));
  for (const auto& [id, menu] : items) {
    int rows = 0;
    for (const Row& row : kRows) rows += row.id == id ? 1 : 0;
    EXPECT_EQ(rows, 1) << "command " << id << " of menu " << menu;
  }
  for (const Row& row : kRows) EXPECT_TRUE(items.count(row.id) > 0) << "row " << row.id << " is in no menu";
}

TEST(CommandTable, RowsAscendByCommandId) {
  for (std::size_t i = 1; i < sizeof kRows / sizeof kRows[0]; ++i)
    EXPECT_LT(kRows[i - 1].id, kRows[i].id) << "row " << i;
  EXPECT_EQ(kRows[0].id, CMD_FIRST);
  EXPECT_EQ(kRows[sizeof kRows / sizeof kRows[0] - 1].id, CMD_LAST);
}

}  // namespace
