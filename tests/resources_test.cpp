// The resource script, read as text with the res/*.rc files it includes put
// in place, against res/resource.h and the command table: a name the header
// lacks, two controls of one dialog, two dialogs or two icons sharing a
// number would reach the wrong control or show one picture for another; a
// menu item without exactly one row of the table does nothing or two things.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>

#include "res/resource.h"

namespace {

std::vector<std::string> scriptLines(const std::string& file) {
  std::ifstream in(std::string(WABO_SOURCE_DIR) + "/" + file);
  std::vector<std::string> result;
  const std::regex include(R"re(^#include\s+"(res/\w+\.rc)")re");
  std::smatch m;
  for (std::string line; std::getline(in, line);) {
    const bool included = std::regex_search(line, m, include);
    for (const std::string& own : included ? scriptLines(m[1]) : std::vector<std::string>{line}) result.push_back(own);
  }
  return result;
}

// A number or a name #defined in resource.h; -1 when neither.
long resolve(const std::string& token) {
  static const std::map<std::string, long> names = [] {
    std::map<std::string, long> m;
    std::smatch match;
    for (const std::string& line : scriptLines("res/resource.h"))
      if (std::regex_search(line, match, std::regex(R"(^#define\s+(\w+)\s+(\d+))"))) m[match[1]] = std::stol(match[2]);
    return m;
  }();
  if (!token.empty() && std::isdigit(static_cast<unsigned char>(token[0]))) return std::stol(token);
  return names.count(token) ? names.at(token) : -1;
}

TEST(Resources, EveryNameIsDefinedAndNoNumberServesTwoDialogsControlsOrIcons) {
  const std::regex dialog(R"(^(\w+)\s+DIALOGEX\b)"), control(R"(\bIDC_\w+)"), icon(R"re(^(\w+)\s+ICON\s+"([^"]+)")re");
  std::set<long> dialogs, controls, icons;
  std::set<std::string> pictures;
  std::string in;  // the dialog being read
  std::smatch m;
  const auto once = [](std::set<long>& seen, const std::string& name) {
    return resolve(name) > 0 && seen.insert(resolve(name)).second;
  };
  for (const std::string& line : scriptLines("res/wabo.rc")) {
    if (std::regex_search(line, m, dialog)) {
      EXPECT_TRUE(once(dialogs, in = m[1])) << in;
      controls.clear();
    } else if (std::regex_search(line, m, icon)) {
      EXPECT_TRUE(!icons.empty() || resolve(m[1]) == IDI_PROGRAM) << "the program icon comes first";
      EXPECT_TRUE(once(icons, m[1]) && pictures.insert(m[2]).second) << m[1] << " " << m[2];
    } else if (line.rfind("END", 0) == 0) {
      in.clear();
    } else if (!in.empty()) {
      for (std::sregex_iterator it(line.begin(), line.end(), control), end; it != end; ++it)
        EXPECT_TRUE(it->str() == "IDC_STATIC" || once(controls, it->str())) << in << ": " << it->str();
    }
  }
  EXPECT_GE(dialogs.size(), 20u);
  for (long n = IDI_MEMBER_FIRST; n <= IDI_UPDATE_TIME; ++n)
    EXPECT_EQ(icons.count(n), 1u) << "no picture for icon " << n;
}

// The statements of dialog `name` between its BEGIN and END, one a line.
std::vector<std::string> dialogLines(const std::string& name) {
  std::vector<std::string> lines;
  bool in = false, body = false;
  for (const std::string& line : scriptLines("res/wabo.rc")) {
    if (!in) {
      in = line.rfind(name + " DIALOGEX", 0) == 0;
    } else if (!body) {
      body = line.rfind("BEGIN", 0) == 0;
    } else if (line.rfind("END", 0) == 0) {
      break;
    } else if (!lines.empty() && !lines.back().empty() && lines.back().back() == ',') {
      lines.back() += line;  // a statement continued on the next line
    } else {
      lines.push_back(line);
    }
  }
  return lines;
}

// The line of control `id` in a dialog's lines; "" when there is none.
std::string controlLine(const std::vector<std::string>& lines, const std::string& id) {
  for (const std::string& line : lines)
    if (std::regex_search(line, std::regex("[\\s,]" + id + "\\s*,"))) return line;
  return "";
}

// The new-post dialog has no default button, so Enter in its one-line fields
// posts nothing; the bulletin board's subject and writer are plain texts.
TEST(Resources, NewPostHasNoDefaultButtonAndTheBoardsInformationTextsNoBorder) {
  const std::vector<std::string> post = dialogLines("IDD_BULLETIN_NEW"), board = dialogLines("IDD_BULLETIN");
  ASSERT_FALSE(controlLine(post, "IDC_BN_WRITE").empty());
  for (const std::string& line : post) EXPECT_EQ(line.find("DEFPUSHBUTTON"), std::string::npos) << line;
  for (const char* id : {"IDC_BB_SUBJECT", "IDC_BB_WRITER"}) {
    const std::string line = controlLine(board, id);
    EXPECT_TRUE(line.find("LTEXT") != std::string::npos && line.find("WS_BORDER") == std::string::npos) << line;
  }
}

// The key of a menu text: the character after its one '&' ("&&" is a plain
// '&'), upper case; 0 when there is none or more than one.
char mnemonicOf(const std::string& text) {
  char key = 0;
  int count = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') key = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1]))), ++count;
    ++i;
  }
  return count == 1 ? key : 0;
}

// Every item and submenu of the menus can be chosen by its own key. The
// quick inputs keep the texts the program makes of their words, without a
// key of their own (1 and 2 choose them in the open menu); the popups that
// hold the two context menus are never shown themselves. 戻ったら知らせる is
// a check item whose text carries no key.
TEST(Menus, EveryItemHasAMnemonicNoOtherItemOfItsMenuHas) {
  const std::set<std::string> withoutKey = {"CMD_QUICK_INPUT_1", "CMD_QUICK_INPUT_2", "CMD_WATCH_RETURN"};
  const std::regex head(R"(^(\w+)\s+MENU\b)"), popup(R"re(^\s*POPUP\s+"([^"]*)")re"),
      item(R"re(^\s*MENUITEM\s+"([^"]*)",\s*(\w+))re"), word(R"(^\s*(BEGIN|END)\s*$)");
  std::vector<std::set<char>> keys;  // the keys taken in each menu open at this line
  std::string menu, text;
  int checked = 0;
  std::smatch m;
  for (const std::string& line : scriptLines("res/wabo.rc")) {
    if (std::regex_search(line, m, head)) {
      menu = m[1], keys.clear();
    } else if (menu.empty()) {
      continue;
    } else if (std::regex_search(line, m, word)) {
      if (m[1] == "BEGIN") keys.emplace_back();
      if (m[1] == "END" && (keys.pop_back(), keys.empty())) menu.clear();
    } else if (std::regex_search(line, m, popup) ? keys.size() > 1 || menu == "IDM_MAIN"
                                                 : std::regex_search(line, m, item) && !withoutKey.count(m[2])) {
      text = m[1];
      const char key = mnemonicOf(text);
      EXPECT_NE(key, 0) << menu << ": " << text << " has no key";
      EXPECT_TRUE(key == 0 || keys.back().insert(key).second) << menu << ": " << text << " repeats a key";
      ++checked;
    }
  }
  EXPECT_GE(checked, 40);
  EXPECT_EQ(std::string(1, mnemonicOf("A && B(&b)")) + mnemonicOf("(&X)(&Y)") + mnemonicOf("AB"),
            std::string("B") + '\0' + '\0');
}

// Keys in every dialog: each field and button is a tab stop and no text or
// frame is; the first tab stop is a field where there is one (the dialogs
// that open on ｷｬﾝｾﾙ come round to it with one Tab); at most one default
// button, and none only where Enter must not end the dialog.
TEST(Resources, EveryDialogTabsThroughItsFieldsAndHasOneDefaultButtonAtMost) {
  const std::regex dialog(R"(^(\w+)\s+DIALOGEX\b)"), kind(R"(^\s*(\w+))"),
      tabStop(R"(\bWS_TABSTOP\b|\bEDIT_(FIXED|SCROLL|READONLY|WRAP|TEXT)\b)");  // every EDIT_ style has it
  const std::set<std::string> fields = {"EDITTEXT", "COMBOBOX", "AUTOCHECKBOX", "BOARD_ROW", "CAPTION_ROW"},
                              buttons = {"PUSHBUTTON", "DEFPUSHBUTTON", "OK_CANCEL"},
                              texts = {"LTEXT", "CTEXT", "GROUPBOX", "ICON"},
                              withoutDefault = {"IDD_BULLETIN", "IDD_BULLETIN_NEW", "IDD_HISTORY"};
  std::smatch m;
  int dialogs = 0;
  for (const std::string& line : scriptLines("res/wabo.rc")) {
    if (!std::regex_search(line, m, dialog)) continue;
    const std::string name = m[1];
    std::string first;  // the kind of the first tab stop
    int defaults = 0;
    for (const std::string& control : dialogLines(name)) {
      if (!std::regex_search(control, m, kind)) continue;
      std::string k = m[1];
      if (k == "CONTROL") k = control.find("\"Static\"") != std::string::npos ? "LTEXT" : "EDITTEXT";
      const bool stops = std::regex_search(control, tabStop);
      if (texts.count(k)) EXPECT_FALSE(stops) << name << ": " << control;
      if (!fields.count(k) && !buttons.count(k)) continue;
      EXPECT_TRUE(stops || k == "BOARD_ROW" || k == "OK_CANCEL") << name << ": " << control;
      if (first.empty() || (buttons.count(first) && fields.count(k))) first = first.empty() ? k : "late " + k;
      defaults += k == "DEFPUSHBUTTON" || k == "OK_CANCEL";
    }
    EXPECT_EQ(first.rfind("late ", 0), std::string::npos) << name << ": a button comes before the first field";
    EXPECT_EQ(defaults, withoutDefault.count(name) ? 0 : 1) << name;
    ++dialogs;
  }
  EXPECT_GE(dialogs, 20);
}

// Every item of menus 101, 295 and 340 and every shortcut of the accelerator
// table reaches exactly one row; no row waits for an item that no menu or
// shortcut has; the rows ascend by command ID.
TEST(CommandTable, EveryMenuItemAndShortcutHasExactlyOneRowInAscendingOrder) {
  const std::vector<long> rows = {
#define COMMAND(id, handler) id,
#define NOT_BUILT(id) id,
#include "app/command_table.def"
#undef COMMAND
#undef NOT_BUILT
  };
  std::multimap<long, long> items;  // command ID -> menu or accelerator table
  const std::regex head(R"(^(\w+)\s+(MENU|ACCELERATORS)\b)"), item(R"re(^\s*MENUITEM\s+"[^"]*",\s*(\w+))re"),
      key(R"(^\s*(VK_\w+|"\w"),\s*(\w+))");
  long menu = -1;
  std::smatch m;
  for (const std::string& line : scriptLines("res/wabo.rc")) {
    if (std::regex_search(line, m, head)) menu = resolve(m[1]);
    if (std::regex_search(line, m, item)) items.emplace(resolve(m[1]), menu);
    if (menu == IDA_MAIN && std::regex_search(line, m, key)) items.emplace(resolve(m[2]), menu);
  }
  std::set<long> menus;
  for (const auto& [id, in] : items) menus.insert(in);
  ASSERT_EQ(menus, (std::set<long>{IDM_MAIN, IDA_MAIN, IDM_ROW_POPUP, IDM_TRAY_POPUP}));
  // The shortcuts: F5 is 更新; F2, Shift+F10 and the context-menu key have rows of their own.
  EXPECT_EQ(items.count(CMD_REFRESH) + items.count(CMD_EDIT_ID) + items.count(CMD_ROW_MENU), 5u);
  for (const auto& [id, in] : items) EXPECT_EQ(std::count(rows.begin(), rows.end(), id), 1) << id << " of menu " << in;
  for (long row : rows) EXPECT_TRUE(items.count(row) > 0) << "row " << row << " is in no menu";
  EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end(), std::greater_equal<long>()), rows.end())
      << "rows out of order";
  EXPECT_EQ(std::make_pair(rows.front(), rows.back()), std::make_pair(long{CMD_FIRST}, long{CMD_LAST}));
}

}  // namespace
