// Each member's own settings and the help menu: the four settings dialogs on
// OK and on ｷｬﾝｾﾙ, what the window and WaboM.ini take over, the settings
// reset, the version dialog and the manual handed to the system. (The auto
// update dialog without search permission: SharedSettings in boards_test.cpp.)
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

const char kDisplayTitle[] = "表示の設定";
const char kQuickInputTitle[] = "ｸｲｯｸ入力設定";
const char kLocationTitle[] = "共有設定ﾌｧｲﾙ位置";
const char kResetQuestion[] = "ﾕｰｻﾞｰ設定を初期化します！";
const char kResetDone[] = "初期化完了。次回起動時より有効です！";

// Picks red, green and blue in the colour dialog that `button` opens (a
// dialog of the program other than `dialog`); while the picker is open its
// settings dialog takes no input.
void pickColour(ProgramCopy& program, HWND dialog, int button, int red, int green, int blue, bool ok) {
  pressButton(dialog, button);
  const DWORD pid = GetProcessId(program.process());
  HWND picker = waitForWindow(
      [&](HWND w) {
        DWORD owner = 0;
        char cls[64] = {};
        GetWindowThreadProcessId(w, &owner);
        GetClassNameA(w, cls, sizeof cls);
        return owner == pid && w != dialog && std::string(cls) == "#32770";
      },
      "colour dialog");
  EXPECT_FALSE(IsWindowEnabled(dialog));
  fill(picker, {{706, std::to_string(red)}, {707, std::to_string(green)}, {708, std::to_string(blue)}});
  press(picker, ok ? IDOK : IDCANCEL);
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }));
}

std::string localLine(ProgramCopy& program, int line) { return fileLines(program.readFile("WaboM.ini"))[line - 1]; }

// Makes `recorder` the program that opens .htm files while the object
// lives; the association the prefix had comes back at the end.
class HtmlOpener {
 public:
  explicit HtmlOpener(const std::string& recorder) {
    char buffer[512] = {};
    LONG size = sizeof buffer;
    had_ = RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", buffer, &size) == ERROR_SUCCESS;
    previous_ = buffer;
    set(".htm", "WaboTest.htm");
    set("WaboTest.htm\\shell\\open\\command", "\"" + recorder + "\" \"%1\"");
  }
  ~HtmlOpener() {
    if (had_)
      set(".htm", previous_);
    else
      RegDeleteKeyA(HKEY_CLASSES_ROOT, ".htm");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "WaboTest.htm");
  }

 private:
  static void set(const char* key, const std::string& value) {
    if (RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value.c_str(), static_cast<DWORD>(value.size())) != ERROR_SUCCESS)
      throw HarnessError(std::string("cannot set the class ") + key);
  }
  bool had_ = false;
  std::string previous_;
};

// A font size and row height that no one would type (a negative font size
// is the characters' own height) come from WaboM.ini: the dialog shows them
// as it always did, and OK after only a colour change keeps both.
TEST(UserSettings, StoredFontSizeAndRowHeightOfAnySizeAreShownAndKeptThroughOk) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  std::string local = localSettings("A001");
  const std::string defaults = ",1,16,12,", stored = ",1,60,-14,";  // icons, row height, font size
  ASSERT_NE(local.find(defaults), std::string::npos);
  local.replace(local.find(defaults), defaults.size(), stored);
  program.writeFile("WaboM.ini", local);
  program.startSettled();
  HWND display = open(program, CMD_DISPLAY_SETTINGS, kDisplayTitle);
  const Fields shown = {{IDC_DISP_FONT_SIZE, "4294967282"}, {IDC_DISP_ROW_HEIGHT, "60"}};
  EXPECT_EQ(shown, shownFields(display, shown));
  pickColour(program, display, IDC_DISP_BACK_PICK, 1, 2, 3, true);
  press(display, IDOK);
  EXPECT_EQ(nullptr, program.findDialog(kMessageCaption));
  EXPECT_EQ(program.close(), 0u);
  EXPECT_EQ(localLine(program, 25), "0,0,0,0,0,1,197121,0,10,1,60,-14,0,13697023,14737632");
}

// Every dialog first changes its fields and is cancelled, then changes them
// again and is confirmed; refused values keep the dialog open. At exit
// WaboM.ini holds exactly the confirmed values (and auto update off).
TEST(UserSettings, DialogsChangeTheirSettingsOnOkAndNothingOnCancelAndAResetDeletesThemUnlessWithdrawn) {
  ProgramCopy program;
  program.writeBoard(officeBoard());
  program.writeFile("WaboM.ini", localSettings("A001"));
  program.writeFile("WaboDoc.htm", "<!DOCTYPE html><title>Wabo</title>");
  program.startSettled();
  const std::string before = program.readFile("WaboM.ini");

  HWND display = open(program, CMD_DISPLAY_SETTINGS, kDisplayTitle);
  EXPECT_TRUE(checked(display, IDC_DISP_SHOW_ICONS) && checked(display, IDC_DISP_GRID_LINES));
  const Fields sizes = {{IDC_DISP_FONT_SIZE, "12"}, {IDC_DISP_ROW_HEIGHT, "16"}};
  EXPECT_EQ(sizes, shownFields(display, sizes));
  pickColour(program, display, IDC_DISP_BACK_PICK, 1, 2, 3, true);
  setControlText(display, IDC_DISP_FONT_SIZE, "20");
  press(display, IDCANCEL);

  HWND quick = open(program, CMD_QUICK_INPUT_SETTINGS, kQuickInputTitle);
  const Fields words = {{IDC_QI_WORD1, "出社"}, {IDC_QI_WORD2, "帰宅"}};
  EXPECT_EQ(words, shownFields(quick, words));
  setControlText(quick, IDC_QI_WORD1, "外出");
  press(quick, IDCANCEL);

  HWND autoUpdate = open(program, CMD_AUTO_UPDATE_SETTINGS, kAutoUpdateTitle);
  EXPECT_TRUE(checked(autoUpdate, IDC_AU_ENABLED));
  EXPECT_EQ(controlText(autoUpdate, IDC_AU_MINUTES), "10");
  setChecked(autoUpdate, IDC_AU_ENABLED, false);
  press(autoUpdate, IDCANCEL);
  EXPECT_EQ(program.statusBar().partText(1), " Auto 10min");

  HWND location = open(program, CMD_SHARED_LOCATION, kLocationTitle);
  EXPECT_EQ(controlText(location, IDC_SL_FOLDER), "");
  setControlText(location, IDC_SL_FOLDER, "C:\\共有");
  press(location, IDCANCEL);

  // Now confirmed.
  display = open(program, CMD_DISPLAY_SETTINGS, kDisplayTitle);
  fill(display, {{IDC_DISP_FONT_SIZE, "14"}, {IDC_DISP_ROW_HEIGHT, "24"}});
  setChecked(display, IDC_DISP_GRID_LINES, false);
  picture("display-dialog", display);
  pickColour(program, display, IDC_DISP_TEXT_PICK, 200, 0, 0, false);  // cancelled: stays black
  pickColour(program, display, IDC_DISP_BACK_PICK, 10, 20, 30, true);
  press(display, IDOK);
  // The list takes the colours and drops its grid lines at once.
  HWND list = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  std::vector<LRESULT> shown;
  for (UINT m : {LVM_GETBKCOLOR, LVM_GETTEXTBKCOLOR, LVM_GETTEXTCOLOR, LVM_GETEXTENDEDLISTVIEWSTYLE})
    shown.push_back(sendOrThrow(list, m, 0, 0, "LVM_GET..."));
  shown.back() &= LVS_EX_GRIDLINES;
  EXPECT_EQ((std::vector<LRESULT>{RGB(10, 20, 30), RGB(10, 20, 30), RGB(0, 0, 0), 0}), shown);

  quick = open(program, CMD_QUICK_INPUT_SETTINGS, kQuickInputTitle);
  fill(quick, {{IDC_QI_WORD1, "在宅勤務"}, {IDC_QI_WORD2, ""}});
  picture("quick-input-dialog", quick);
  press(quick, IDOK);
  // The quick input of one's own row takes the new word.
  program.postCommand(CMD_QUICK_INPUT_1);
  EXPECT_TRUE(waitUntil([&] { return destinationOf(program, "A001") == "在宅勤務"; }));

  autoUpdate = open(program, CMD_AUTO_UPDATE_SETTINGS, kAutoUpdateTitle);
  for (const char* refused : {"1000", "abc"}) {  // out of range, and no number at all
    setControlText(autoUpdate, IDC_AU_MINUTES, refused);
    pressButton(autoUpdate, IDOK);
    EXPECT_EQ(program.answerMessageBox(), "更新時間の設定値が範囲外です") << refused;
  }
  setControlText(autoUpdate, IDC_AU_MINUTES, "5");
  setChecked(autoUpdate, IDC_AU_PC_SEARCH, true);
  pressButton(autoUpdate, IDOK);
  EXPECT_EQ(program.answerMessageBox(), "PC接続ｻｰﾁを自動実行する場合は、\n更新時間を10分以上で設定ください");
  setControlText(autoUpdate, IDC_AU_MINUTES, "999");
  picture("auto-update-dialog", autoUpdate);
  press(autoUpdate, IDOK);
  EXPECT_EQ(program.statusBar().partText(1), " Auto 999min");
  // Switched off: any text goes, and part 1 says so.
  autoUpdate = open(program, CMD_AUTO_UPDATE_SETTINGS, kAutoUpdateTitle);
  EXPECT_EQ(controlText(autoUpdate, IDC_AU_MINUTES), "999");
  setChecked(autoUpdate, IDC_AU_ENABLED, false);
  setControlText(autoUpdate, IDC_AU_MINUTES, "");
  press(autoUpdate, IDOK);
  EXPECT_EQ(program.statusBar().partText(1), " Manual");

  location = open(program, CMD_SHARED_LOCATION, kLocationTitle);
  setControlText(location, IDC_SL_FOLDER, "C:\\共有\\表示");
  picture("shared-location-dialog", location);
  press(location, IDOK);

  // ﾊﾞｰｼﾞｮﾝ情報 shows the version with the focus on OK; ﾏﾆｭｱﾙ hands
  // WaboDoc.htm beside the program to the system (was
  // UserSettings.VersionManualAndAutoUpdateWithoutSearchPermission).
  HWND version = open(program, CMD_VERSION, kVersionTitle);
  std::vector<std::string> lines;
  for (HWND c = GetWindow(version, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    if (c != GetDlgItem(version, IDCANCEL) && (GetWindowLongA(c, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
      lines.push_back(windowText(c));
  EXPECT_EQ((std::vector<std::string>{"行き先表示ボード  Wabo Version 2.11", "Copyright (c) 2026 the Wabo developers",
                                      "ライセンス : MIT (LICENSE.txt)"}),
            lines);
  EXPECT_EQ(focusOf(version), GetDlgItem(version, IDCANCEL));
  EXPECT_EQ(windowText(GetDlgItem(version, IDCANCEL)), "OK");
  picture("version-dialog", version);
  press(version, IDCANCEL);
  const std::string log = joinPath(driverFolder(), "opened.txt");
  DeleteFileA(log.c_str());
  {
    HtmlOpener opener(joinPath(driverFolder(), "openrecorder.exe"));
    program.postCommand(CMD_MANUAL);
    // The recorder writes its one line and ends; the file may be there empty at first.
    ASSERT_TRUE(waitUntil([&] { return readFileOr(log).find("\r\n") != std::string::npos; }));
  }
  EXPECT_NE(readFileBytes(log).find(program.file("WaboDoc.htm")), std::string::npos) << readFileBytes(log);

  EXPECT_EQ(program.readFile("WaboM.ini"), before);  // nothing is written before the exit
  EXPECT_EQ(program.close(), 0u);
  EXPECT_EQ(localLine(program, 20), "在宅勤務");
  EXPECT_EQ(localLine(program, 21), "");
  EXPECT_EQ(localLine(program, 23), "C:\\共有\\表示");
  // Grid lines off, background RGB(10, 20, 30), text black, manual, icons,
  // row height 24, font 14, search on, search colours unchanged.
  EXPECT_EQ(localLine(program, 25), "0,0,0,0,0,0,1971210,0,0,1,24,14,1,13697023,14737632");

  // A confirmed reset leaves no WaboM.ini and the next start has the
  // defaults; a later ｷｬﾝｾﾙ in the same run withdraws it (was
  // UserSettings.ResetDeletesTheSettingsAtExitUnlessWithdrawn).
  for (int run = 0; run < 2; ++run) {
    program.startSettled();
    EXPECT_EQ(program.statusBar().partText(1), run == 0 ? " Manual" : " Auto 10min");
    program.postCommand(CMD_RESET_SETTINGS);
    EXPECT_EQ(program.answerMessageBox(IDOK, kQuestionCaption), kResetQuestion);
    EXPECT_EQ(program.answerMessageBox(), kResetDone);
    if (run == 0) {
      EXPECT_EQ(program.close(), 0u);
      EXPECT_FALSE(program.hasFile("WaboM.ini"));
    }
  }
  program.postCommand(CMD_RESET_SETTINGS);
  EXPECT_EQ(program.answerMessageBox(IDCANCEL, kQuestionCaption), kResetQuestion);
  EXPECT_EQ(program.close(), 0u);
  LocalSettingsFile defaults;  // as a first start writes it
  defaults.board1Column8 = GetSystemMetrics(SM_CXFULLSCREEN) - (70 * 4 + 105 + 90 + 150 + 150);
  EXPECT_EQ(program.readFile("WaboM.ini"), defaults.bytes());
}

}  // namespace
}  // namespace e2e
