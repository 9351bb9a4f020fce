// A post as the bulletin board's list shows it in its row: line breaks become blanks there; the post keeps them.
#include <gtest/gtest.h>

#include "messaging/bulletin_board.h"

using namespace wabo;

TEST(BulletinListRow, EachLineBreakIsOneBlankAndEverythingElseStays) {
  const std::pair<std::string, std::string> cases[] = {
      {"本日15時\r\n会議室にて", "本日15時 会議室にて"},
      {"a\r\n\r\nb\r\n", "a  b "},          // an empty line is one more blank
      {"a\rb\nc\n\rd", "a b c  d"},          // CR or LF alone, and LF CR, are breaks too
      {"表\r\nソ", "表 ソ"},                 // second bytes '\' stay
      {"", ""}, {"one line", "one line"}};
  for (const auto& [text, row] : cases) EXPECT_EQ(listRowText(text), row) << text;
}
