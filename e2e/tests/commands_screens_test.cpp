// Pictures of the board commands for the documentation: the destination
// dialog, the icon dialog and the main window after a few edits. Not part of
// the normal run (the tests are disabled); scripts/screens-commands runs them
// and takes each picture from the virtual display when the driver says the
// screen is ready.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "harness/program_copy.h"
#include "harness/window_query.h"
#include "res/resource.h"

namespace e2e {
namespace {

// The folder where the script waits for "<name>.ready" files (holding the
// rectangle to cut out) and answers with "<name>.done".
std::string screensFolder() {
  const char* folder = std::getenv("WABO_SCREENS");
  return folder != nullptr ? folder : "";
}

void showToCamera(const std::string& name, HWND window) {
  std::string folder = screensFolder();
  if (folder.empty()) throw HarnessError("WABO_SCREENS is not set");
  RECT r = windowRect(window);
  std::string geometry = std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top) + "+" +
                         std::to_string(r.left) + "+" + std::to_string(r.top);
  // Let the window finish painting before the picture is taken.
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(300);
  writeFileBytes(joinPath(folder, name + ".ready"), geometry);
  std::string done = joinPath(folder, name + ".done");
  if (!waitUntil([&] { return fileExists(done); }, 60000)) throw HarnessError("no picture taken of " + name);
}

BoardText demoBoard() {
  BoardText board;
  board.stamp = 4321;
  board.members = {
      {"A001", 3, "青木 花子", "事務所", "", "2025/01/06 08:45", "080-3333-4444", "", "午後 来客", "", "PC-AOKI"},
      {"K100", 7, "加藤 次郎", "会議室", "17:30", "2025/01/06 09:02", "070-5555-6666", "至急連絡のこと", "", "", ""},
      {"S010", 12, "鈴木 一郎", "出張", "明日", "2025/01/05 18:20", "090-1111-2222", "", "大阪支店", "", ""},
      {"T020", 25, "田中 美咲", "休み", "", "2025/01/05 17:55", "", "", "", "", ""},
  };
  board.message = "本日15時から全体会議があります";
  return board;
}

TEST(DISABLED_CommandScreens, DestinationIconAndMainWindow) {
  BoardFolder shared;
  shared.writeBoard(1, demoBoard());
  ProgramCopy program("screens");
  program.useBoardFolder(shared);
  program.start();
  ASSERT_TRUE(program.waitForUnchangedCheck());

  // The destination dialog of an existing member.
  program.postCommand(CMD_DESTINATION_BY_ID);
  HWND target = program.waitForDialog("行き先入力");
  setControlText(target, IDC_TARGET_ID, "K100");
  pressButton(target, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(target); }));
  HWND form = program.waitForDialog("行き先の変更");
  setControlText(form, IDC_DEST_DESTINATION, "本社 3階会議室");
  setControlText(form, IDC_DEST_RETURN, "16:00");
  showToCamera("destination-dialog", form);
  pressButton(form, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(form); }));

  // A new member.
  program.postCommand(CMD_ADD_MEMBER);
  form = program.waitForDialog("新規ﾒﾝﾊﾞｰの追加");
  setControlText(form, IDC_DEST_ID, "N050");
  setControlText(form, IDC_DEST_NAME, "中村 三郎");
  setControlText(form, IDC_DEST_DESTINATION, "事務所");
  setControlText(form, IDC_DEST_MOBILE, "090-7777-8888");
  showToCamera("new-member-dialog", form);
  pressButton(form, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(form); }));

  // The icon dialog for the user's own row, with picture 40 clicked.
  program.postCommand(CMD_USER_ID);
  HWND ask = program.waitForDialog("ﾕｰｻﾞｰID設定");
  setControlText(ask, IDC_USER_ID, "A001");
  pressButton(ask, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(ask); }));
  program.postCommand(CMD_ICON_OWN);
  HWND icons = program.waitForDialog("アイコンの選択");
  HWND pictures = GetDlgItem(icons, IDC_ICON_LIST);
  RemoteBuffer buffer(program.process(), sizeof(LVITEMA));
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  buffer.write(&item, sizeof item);
  sendOrThrow(pictures, LVM_SETITEMSTATE, 40, buffer.at(), "LVM_SETITEMSTATE");
  setControlText(icons, IDC_ICON_NUMBER, "40");
  showToCamera("icon-dialog", icons);
  pressButton(icons, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(icons); }));

  // A quick input and a message, then the main window.
  program.postCommand(CMD_QUICK_INPUT_2);
  program.postCommand(CMD_ALL_MEMBERS_MESSAGE);
  HWND message = program.waitForDialog("全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成");
  setControlText(message, IDC_MESSAGE_TEXT, "明日は棚卸しのため9時集合です");
  showToCamera("message-dialog", message);
  pressButton(message, IDOK);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(message); }));
  showToCamera("main-window-after-edits", program.mainWindow());
  EXPECT_EQ(0u, program.close());
}

}  // namespace
}  // namespace e2e
