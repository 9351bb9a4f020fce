// A board longer than the window: the list is drawn with its rows at the
// start, scrolls over every one of them, and a board read again while the
// window is hidden in the tray shows whole when it comes back.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "screen_pixels.h"
#include "steps.h"

namespace e2e {
namespace {

BoardText longBoard(int members, long stamp) {
  BoardText board;
  board.stamp = stamp;
  for (int i = 0; i < members; ++i) {
    char id[8];
    std::snprintf(id, sizeof id, "M%02d", i);
    board.members.push_back({id, i % 70, "名前" + std::string(id + 1), "外出", "", "", "", "", "", ""});
  }
  return board;
}

HWND listOf(ProgramCopy& program) { return GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST); }

LRESULT ask(HWND list, UINT message, WPARAM wParam = 0) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(list, message, wParam, 0, SMTO_NORMAL, kStepTimeoutMs, &answer))
    throw HarnessError("the list gave no answer");
  return static_cast<LRESULT>(answer);
}

// Pixels of row `row`'s ID cell (the label beside its icon) that stand out
// from the cell's own background, as the screen shows them.
int labelInk(ProgramCopy& program, int row) {
  HWND list = listOf(program);
  const std::vector<std::uint32_t> pixels = shownPixels(list);
  RECT client = {}, r = program.list().itemRect(row, LVIR_LABEL);
  GetClientRect(list, &client);
  if (r.top < 0 || r.bottom > client.bottom || r.right > client.right) return -1;  // not on screen
  const std::uint32_t background = pixels[(r.top + 1) * client.right + r.right - 2];
  int ink = 0;
  for (int y = r.top + 1; y < r.bottom - 1; ++y)
    for (int x = r.left + 2; x < r.right - 2; ++x) {
      const std::uint32_t p = pixels[y * client.right + x];
      int distance = 0;
      for (int shift = 0; shift <= 16; shift += 8)
        distance += std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((background >> shift) & 0xFF));
      ink += distance > 200;
    }
  return ink;
}

// The list holds `rows` rows, is drawn from the top with text in its first
// and last whole row on screen, and scrolls down to its last row.
void expectWholeList(ProgramCopy& program, int rows, const std::string& lastId) {
  HWND list = listOf(program);
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == rows; })) << program.list().rowCount();
  EXPECT_EQ(program.list().text(rows - 1, 0), lastId);
  ask(list, LVM_ENSUREVISIBLE, 0);
  const int perPage = static_cast<int>(ask(list, LVM_GETCOUNTPERPAGE));
  ASSERT_GT(perPage, 1);
  ASSERT_LT(perPage, rows) << "the board is longer than the window";
  EXPECT_EQ(ask(list, LVM_GETTOPINDEX), 0);
  EXPECT_NE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL, 0) << "a scroll bar for the rows below";
  EXPECT_GT(labelInk(program, 0), 0) << "the first row is drawn with its ID";
  EXPECT_GT(labelInk(program, perPage - 1), 0) << "and so is the last row on screen";
  ask(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(rows - 1));
  EXPECT_EQ(ask(list, LVM_GETTOPINDEX), rows - perPage) << "scrolled to the end, no further";
  EXPECT_GT(labelInk(program, rows - 1), 0) << "the last row is drawn";
  ask(list, LVM_ENSUREVISIBLE, 0);
}

TEST(ListPaint, ALongBoardIsDrawnWholeAtTheStartAndAfterAReadWhileHiddenInTheTray) {
  ProgramCopy program;
  program.writeBoard(longBoard(60, 1));
  program.startSettled();
  expectWholeList(program, 60, "M59");

  const HWND window = program.mainWindow();
  program.postCommand(CMD_HIDE_TO_TRAY);
  ASSERT_TRUE(waitUntil([&] { return !isShown(window); }));
  program.writeBoard(longBoard(75, 2));
  program.postCommand(CMD_BOARD_1);  // read again while nothing of it is on screen
  ASSERT_TRUE(waitUntil([&] { return program.list().rowCount() == 75; }));
  EXPECT_FALSE(isShown(window));
  program.postCommand(CMD_SHOW_FROM_TRAY);
  ASSERT_TRUE(waitUntil([&] { return isShown(window); }));
  expectWholeList(program, 75, "M74");
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
