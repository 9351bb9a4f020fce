// The notification-area icon: hiding the window into it, the ways back (a
// left click on the icon, 40047), the icon's menu, a taskbar made anew, a
// notification area that refuses the icon, and the exit by 40048.
#include <gtest/gtest.h>

#include "refresh_steps.h"
#include "sample_boards.h"

namespace e2e {
namespace {

const char kRefreshedNothingNew[] = "更新しました(新しい情報なし)";

void postTrayCallback(ProgramCopy& program, WPARAM iconId, LPARAM mouseMessage) {
  if (!PostMessageA(program.mainWindow(), WM_WABO_TRAY, iconId, mouseMessage))
    throw HarnessError("cannot post the tray callback");
}

class Tray : public ::testing::Test {
 protected:
  void SetUp() override {
    program.writeBoard(officeBoard());
    program.start();
    ASSERT_TRUE(program.waitForUnchangedCheck());
    window = program.mainWindow();
  }
  void TearDown() override {
    // An icon left behind by a failed test would stay in the notification area.
    NOTIFYICONDATAA data = trayRecordOf(window);
    Shell_NotifyIconA(NIM_DELETE, &data);
  }
  bool hidden() { return waitUntil([&] { return !isVisible(window); }); }
  bool shown() { return waitUntil([&] { return isVisible(window); }); }
  void hideIntoTray() {
    program.postCommand(CMD_HIDE_TO_TRAY);
    ASSERT_TRUE(hidden());
    EXPECT_TRUE(trayIconPresent(window));
  }

  ProgramCopy program;
  HWND window = nullptr;
};

TEST_F(Tray, HiddenWindowComesBackByLeftClickAnd40047AndLeavesNoIcon) {
  EXPECT_FALSE(trayIconPresent(window));
  hideIntoTray();

  // Other icon IDs and other mouse messages are not for this icon. The
  // refresh posted after them shows its box only when they have been handled.
  postTrayCallback(program, ID_TRAY_ICON + 1, WM_LBUTTONDOWN);
  postTrayCallback(program, ID_TRAY_ICON, WM_LBUTTONUP);
  postTrayCallback(program, ID_TRAY_ICON, WM_MOUSEMOVE);
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());  // a box of a hidden owner still shows
  EXPECT_FALSE(isVisible(window));
  EXPECT_TRUE(trayIconPresent(window));

  postTrayCallback(program, ID_TRAY_ICON, WM_LBUTTONDOWN);
  ASSERT_TRUE(shown());
  EXPECT_FALSE(trayIconPresent(window));
  EXPECT_FALSE(IsIconic(window));

  hideIntoTray();
  program.postCommand(CMD_SHOW_FROM_TRAY);
  ASSERT_TRUE(shown());
  EXPECT_FALSE(trayIconPresent(window));

  EXPECT_EQ(0u, program.close());
}

TEST_F(Tray, RightClickOpensTheTrayMenuWithItsBottomAtThePointer) {
  hideIntoTray();
  ASSERT_TRUE(SetCursorPos(400, 500));
  postTrayCallback(program, ID_TRAY_ICON, WM_RBUTTONDOWN);
  HWND menu = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (menu = findTopLevel(program.pid(), "#32768", nullptr)) != nullptr; }));
  RECT r = windowRect(menu);
  EXPECT_EQ(400, r.left);
  EXPECT_EQ(500, r.bottom);
  EXPECT_GT(r.bottom - r.top, 20) << "two items and a separator";

  // Escape closes the menu without a command: the window stays in the tray.
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(menu) || !isVisible(menu); }));
  EXPECT_FALSE(isVisible(window));
  EXPECT_TRUE(trayIconPresent(window));

  program.postCommand(CMD_SHOW_FROM_TRAY);
  ASSERT_TRUE(shown());
  EXPECT_EQ(0u, program.close());
}

TEST_F(Tray, IconIsAddedAgainWhenTheTaskbarIsMadeAnew) {
  hideIntoTray();
  // The notification area forgets the icon, as a restarted shell does, and
  // then announces itself.
  NOTIFYICONDATAA data = trayRecordOf(window);
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  ASSERT_FALSE(trayIconPresent(window));
  UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  ASSERT_NE(0u, taskbarCreated);
  PostMessageA(window, taskbarCreated, 0, 0);
  EXPECT_TRUE(waitUntil([&] { return trayIconPresent(window); }));
  EXPECT_FALSE(isVisible(window));

  // Shown again, the window has no icon to put back.
  program.postCommand(CMD_SHOW_FROM_TRAY);
  ASSERT_TRUE(shown());
  PostMessageA(window, taskbarCreated, 0, 0);
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  EXPECT_FALSE(trayIconPresent(window));
  EXPECT_EQ(0u, program.close());
}

TEST_F(Tray, WindowStaysWhenTheIconCannotBeAdded) {
  // An icon of the same owner and ID is there already, so the program's own
  // cannot be added: hiding the window would leave no way back to it.
  NOTIFYICONDATAA data = trayRecordOf(window);
  data.uFlags = NIF_TIP;
  lstrcpynA(data.szTip, "occupied", sizeof data.szTip);
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));

  program.postCommand(CMD_HIDE_TO_TRAY);
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  EXPECT_TRUE(isVisible(window));
  EXPECT_EQ(0u, program.close());
}

TEST_F(Tray, ExitFromTheTrayRemovesTheIconAndWritesTheSettings) {
  ASSERT_FALSE(program.hasFile("WaboM.ini"));
  hideIntoTray();
  program.postCommand(CMD_EXIT_FROM_TRAY);
  EXPECT_EQ(0u, program.waitForExit());
  EXPECT_FALSE(trayIconPresent(window));
  std::string settings = program.readFile("WaboM.ini");
  EXPECT_EQ(0u, settings.find("[表示位置]\r\n119,135,648,338\r\n")) << "the shown window's rectangle, not a hidden one's";
}

}  // namespace
}  // namespace e2e
