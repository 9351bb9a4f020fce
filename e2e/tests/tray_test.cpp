// The notification-area icon: refused by the notification area, hiding the
// window into it, the ways back, a taskbar made anew and the exit by 40048.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include "steps.h"

namespace e2e {
namespace {

// The notification area's record of the program's icon, as far as another
// process can name it (owner window and icon ID).
NOTIFYICONDATAA trayRecordOf(HWND owner) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = ID_TRAY_ICON;
  return data;
}

// Changing nothing of an icon succeeds only for an icon that is there.
bool trayIconPresent(HWND owner) {
  NOTIFYICONDATAA data = trayRecordOf(owner);
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

TEST(Tray, HiddenWindowComesBackByIconClickOr40047AndLeavesBy40048) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.startSettled();
  const HWND window = program.mainWindow();
  NOTIFYICONDATAA data = trayRecordOf(window);
  // An icon of the same owner and ID is there already, so the program's own
  // cannot be added: hiding the window would leave no way back to it. (Posted
  // messages are handled in order: the box of a 更新 posted after the
  // command comes once the command has been handled.)
  ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
  program.postCommand(CMD_HIDE_TO_TRAY);
  program.postCommand(CMD_REFRESH);
  EXPECT_EQ(kRefreshedNothingNew, program.answerMessageBox());
  EXPECT_TRUE(isShown(window));
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));

  auto hideIntoTray = [&] {
    program.postCommand(CMD_HIDE_TO_TRAY);
    EXPECT_TRUE(waitUntil([&] { return !isShown(window); }));
    EXPECT_TRUE(trayIconPresent(window));
  };
  auto expectShownWithoutIcon = [&] {
    EXPECT_TRUE(waitUntil([&] { return isShown(window); }));
    EXPECT_FALSE(trayIconPresent(window));
  };
  hideIntoTray();
  program.post(WM_WABO_TRAY, ID_TRAY_ICON, WM_LBUTTONDOWN);
  expectShownWithoutIcon();

  // A restarted shell forgets the icon and announces itself: the icon comes back.
  hideIntoTray();
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
  program.post(RegisterWindowMessageA("TaskbarCreated"));
  EXPECT_TRUE(waitUntil([&] { return trayIconPresent(window); }));
  EXPECT_FALSE(isShown(window));
  program.postCommand(CMD_SHOW_FROM_TRAY);
  expectShownWithoutIcon();

  hideIntoTray();
  program.postCommand(CMD_EXIT_FROM_TRAY);
  EXPECT_EQ(0u, program.waitForExit());
  EXPECT_FALSE(trayIconPresent(window));
  EXPECT_EQ(0u, program.readFile("WaboM.ini").find("[表示位置]\r\n119,135,648,338\r\n"))
      << "the shown window's rectangle, not a hidden one's";
}

}  // namespace
}  // namespace e2e
