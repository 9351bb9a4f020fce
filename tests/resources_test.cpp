// The resource script against res/resource.h: a name the header lacks, or
// two controls of one dialog, two dialogs or two icons sharing a number,
// would reach the wrong control or show one picture for another.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "res/resource.h"
#include "tests/resource_script.h"

using wabo::test::resolve;

TEST(Resources, EveryNameIsDefinedAndNoNumberServesTwoDialogsControlsOrIcons) {
  const std::regex dialog(R"(^(\w+)\s+DIALOGEX\b)"), control(R"(\bIDC_\w+)"),
      icon(R"re(^(\w+)\s+ICON\s+"([^"]+)")re");
  std::set<long> dialogs, controls, icons;
  std::set<std::string> pictures;
  std::string in;  // the dialog being read
  std::smatch m;
  const auto once = [](std::set<long>& seen, const std::string& name) {
    return resolve(name) > 0 && seen.insert(resolve(name)).second;
  };
  for (const std::string& line : wabo::test::scriptLines("res/wabo.rc")) {
    if (std::regex_search(line, m, dialog)) {
      EXPECT_TRUE(once(dialogs, in = m[1])) << in;
      controls.clear();
    } else if (std::regex_search(line, m, icon)) {
      if (icons.empty()) EXPECT_EQ(resolve(m[1]), IDI_PROGRAM) << "the program icon comes first";
      EXPECT_TRUE(once(icons, m[1]) && pictures.insert(m[2]).second) << m[1] << " " << m[2];
    } else if (line.rfind("END", 0) == 0) {
      in.clear();
    } else if (!in.empty()) {
      for (std::sregex_iterator it(line.begin(), line.end(), control), end; it != end; ++it)
        if (it->str() != "IDC_STATIC") EXPECT_TRUE(once(controls, it->str())) << in << ": " << it->str();
    }
  }
  EXPECT_GE(dialogs.size(), 20u);
  for (long n = IDI_MEMBER_FIRST; n <= IDI_UPDATE_TIME; ++n) EXPECT_EQ(icons.count(n), 1u) << "no picture for icon " << n;
}
