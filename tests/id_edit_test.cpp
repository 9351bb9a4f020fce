// The in-place ID edit takes only what the destination dialog would take as
// an ID: a row named "END" would end the board at the next load.
#include <gtest/gtest.h>

#include "board/id_edit.h"
#include "common/messages.h"
#include "tests/fake_member_list.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

TEST(IdEdit, RefusesWhatWouldBreakTheBoardOrNameTwoMembers) {
  FakeMemberList list;
  list.addRow({"tanaka"});
  list.addRow({"Sato"});
  struct Case {
    std::string typed;
    const char* warning;
  };
  const Case refused[] = {
      {"", msg::kIdEmpty},           {" ito", msg::kIdStartsWithSpace}, {"END", msg::kIdIsEnd},
      {"sato", msg::kDuplicateId},   {"SATO", msg::kDuplicateId},       {"a\r\nb", msg::kLineBreakNotAllowed},
      {std::string(40, 'x') + "\n", msg::kLineBreakNotAllowed},
  };
  for (const Case& c : refused) {
    IdEditVerdict v = checkIdEdit(list, 0, c.typed);
    EXPECT_STREQ(v.warning, c.warning) << c.typed;
  }
  // Accepted: "end" is an ordinary ID; the row's own ID in other letters; commas become slashes.
  IdEditVerdict v = checkIdEdit(list, 0, "end");
  EXPECT_EQ(v.warning, nullptr);
  EXPECT_EQ(v.id, "end");
  EXPECT_FALSE(v.unchanged);
  v = checkIdEdit(list, 1, "SATO");
  EXPECT_EQ(v.warning, nullptr);
  v = checkIdEdit(list, 0, "tanaka");
  EXPECT_TRUE(v.unchanged);
  v = checkIdEdit(list, 0, "a,b");
  EXPECT_EQ(v.id, "a/b");
  EXPECT_TRUE(v.commasReplaced);
  // Cut to what an ID field takes, never half a character: 27 bytes and a
  // double-byte character would be 29.
  v = checkIdEdit(list, 0, std::string(27, 'n') + "表" + std::string(30, 'm'));
  EXPECT_EQ(v.id, std::string(27, 'n'));
}

}  // namespace
