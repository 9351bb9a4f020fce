// The board used with the keyboard alone: real key presses through the
// system's input (SendInput) to the program's window in front, the results
// read from outside.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

#include "keys.h"
#include "steps.h"

namespace e2e {
namespace {

const char kDestinationTitle[] = "行き先の変更";


// Start, rows by the arrow keys, Home and End; Enter opens the destination
// dialog of the row, filled with Tab and typing and saved with Enter;
// Shift+F10 opens the row menu at that row, where 1 is the first quick
// input; Esc leaves a dialog without a change; F5 reloads; F2 edits the
// ID in place, where F5 is the edit's and not a reload.
TEST(Keyboard, TheBoardIsUsedWithTheKeysAlone) {
  ProgramCopy program;
  program.writeBoard(officeBoard());  // shown A001, K100, S010, m005
  program.writeFile("WaboM.ini", localSettings("A001", 0));
  program.startSettled();
  Keyboard keys(program.mainWindow());
  const std::string board = program.file("boad1.csv");

  keys.press(VK_DOWN);
  ASSERT_TRUE(selectionBecomes(program, 0)) << "the list has the keys from the start";
  keys.press(VK_END);
  ASSERT_TRUE(selectionBecomes(program, 3));
  keys.press(VK_HOME);
  ASSERT_TRUE(selectionBecomes(program, 0));
  keys.press(VK_DOWN);
  ASSERT_TRUE(selectionBecomes(program, 1));  // K100

  // Enter: K100's destination dialog, the focus in the destination.
  keys.press(VK_RETURN);
  HWND dialog = program.waitForDialog(kDestinationTitle);
  EXPECT_EQ("K100", controlText(dialog, IDC_DEST_ID));
  keys.type(L"Osaka");
  keys.press(VK_TAB);
  keys.type(L"18:00");
  EXPECT_TRUE(waitUntil([&] { return controlTextOr(dialog, IDC_DEST_RETURN) == "18:00"; }));
  keys.press(VK_RETURN);
  waitUntilGone(dialog);
  EXPECT_TRUE(boardGets(board, "\r\nK100,69,加藤 次郎,Osaka,18:00,")) << readFileOr(board);

  // Shift+F10: the row menu below K100's ID, not at the mouse; 1 sets one's own row to 出社.
  const RECT label = program.list().itemRect(1, LVIR_LABEL);
  POINT below = {label.left, label.bottom};
  ClientToScreen(GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST), &below);
  keys.press(VK_F10, {VK_SHIFT});
  HWND menu = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (menu = popupMenu(program)) != nullptr; }));
  const RECT at = windowRect(menu);
  EXPECT_LE(std::abs(at.left - below.x) + std::abs(at.top - below.y), 4)
      << at.left << "," << at.top << " for " << below.x << "," << below.y;
  keys.press('1');
  EXPECT_TRUE(waitUntil([&] { return popupMenu(program) == nullptr; }));
  EXPECT_TRUE(boardGets(board, "\r\nA001,3,青木 花子,出社,")) << readFileOr(board);
  EXPECT_EQ("出社", destinationOf(program, "A001"));

  // The context-menu key opens the same menu; Esc closes it, and Esc in a dialog changes nothing.
  keys.press(VK_APPS);
  ASSERT_TRUE(waitUntil([&] { return popupMenu(program) != nullptr; }));
  keys.press(VK_ESCAPE);
  ASSERT_TRUE(waitUntil([&] { return popupMenu(program) == nullptr; }));
  const std::string saved = readFileBytes(board);
  keys.press(VK_RETURN);
  dialog = program.waitForDialog(kDestinationTitle);
  keys.type(L"Tokyo");
  keys.press(VK_ESCAPE);
  waitUntilGone(dialog);
  EXPECT_EQ("Osaka", destinationOf(program, "K100"));
  EXPECT_EQ(saved, readFileBytes(board));

  // F5 reloads a board another copy changed.
  BoardText changed = officeBoard(25010700, "外出");
  program.writeBoard(changed);
  keys.press(VK_F5);
  HWND box = program.waitForDialog(kMessageCaption);
  EXPECT_EQ(kRefreshedNew, controlText(box, 0xFFFF));
  keys.press(VK_RETURN);
  waitUntilGone(box);
  EXPECT_EQ("外出", destinationOf(program, "m005"));

  // F2 on the selected row: its ID in place; F5 there belongs to the edit, Enter ends it.
  keys.press(VK_HOME);
  ASSERT_TRUE(selectionBecomes(program, 0));
  keys.press(VK_F2);
  HWND list = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  HWND edit = nullptr;
  ASSERT_TRUE(waitUntil([&] {
    return (edit = reinterpret_cast<HWND>(sendOrThrow(list, LVM_GETEDITCONTROL, 0, 0, "LVM_GETEDITCONTROL")));
  }));
  EXPECT_EQ("A001", windowText(edit));
  keys.type(L"A002");
  keys.press(VK_F5);
  keys.press(VK_RETURN);
  EXPECT_TRUE(boardGets(board, "\r\nA002,3,青木 花子,")) << readFileOr(board);
  EXPECT_EQ(nullptr, program.findDialog(kMessageCaption)) << "F5 in the edit reloaded nothing";
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
