// Member IDs that look odd as file names but are ordinary names once the
// slot digit and ".ml" are added: the real program sends and receives their
// mail.
#include <windows.h>

#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

// The user "con" writes to itself and to "a..b" in one send: the files are
// con0.ml and a..b0.ml; 更新 announces and shows con's own mail and leaves
// the other's.
TEST(MailIds, DeviceWordsAndDotsInAnIdSendAndReceive) {
  ProgramCopy program;
  BoardText board;
  board.members = {{"a..b", 0, "点 二郎"}, {"con", 0, "今 一郎"}};
  program.writeBoard(board);
  program.writeFile("WaboM.ini", localSettings("con", 0));
  program.startSettled();

  HWND compose = open(program, CMD_MAIL, kComposeTitle);
  fill(compose, {{IDC_MC_TEXT, "自分宛て"}, {IDC_MC_RECIPIENTS, "con,a..b"}});
  pressButton(compose, IDC_MC_SEND);
  EXPECT_EQ("今 一郎,点 二郎さんにﾒｰﾙを送信しました", program.answerMessageBox());
  waitUntilGone(compose);
  ASSERT_TRUE(program.hasFile("con0.ml"));
  ASSERT_TRUE(program.hasFile("a..b0.ml"));
  EXPECT_EQ(0u, program.readFile("a..b0.ml").find("con\x01"));

  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  EXPECT_EQ("今 一郎さんからメールです！", program.answerMessageBox());
  HWND view = program.waitForDialog(kViewTitle);
  EXPECT_EQ("con", controlText(view, IDC_MV_SENDER));
  EXPECT_EQ("自分宛て", controlText(view, IDC_MV_TEXT));
  press(view, IDOK);
  EXPECT_TRUE(waitUntil([&] { return !program.hasFile("con0.ml"); }));
  EXPECT_TRUE(program.hasFile("a..b0.ml")) << "a..b's mail waits for a..b";
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
