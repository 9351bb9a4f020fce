// The board commands through the real menus and dialogs, with two copies of
// the program sharing one board folder (two PCs of an office): adding a
// member, destinations by dialog and by quick input, an icon, a PC name and
// the message to all members; the other copy reloads and shows them; a save
// by one copy survives the next edit of the other; and the dialogs' refusals
// keep them open.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness/program_copy.h"
#include "harness/window_query.h"
#include "res/resource.h"

namespace e2e {
namespace {

const char kNewMemberTitle[] = "新規ﾒﾝﾊﾞｰの追加";
const char kDestinationTitle[] = "行き先の変更";
const char kTargetIdTitle[] = "行き先入力";
const char kUserIdTitle[] = "ﾕｰｻﾞｰID設定";
const char kIconTitle[] = "アイコンの選択";
const char kPcNameTitle[] = "PC-Name入力";
const char kMessageTitle[] = "全ﾒﾝﾊﾞｰへのﾒｯｾｰｼﾞ作成";
const char kCommaConverted[] = "[ , ]は、[ / ]に変換されます。";
const char kRefreshedNew[] = "更新しました(新しい情報あり)";

// Two members; the return-time caption is longer than the 8 bytes the
// destination dialog shows of it.
BoardText officeOfTwo() {
  BoardText board;
  board.stamp = 1234;
  board.captions = {"名前", "行き先", "戻り予定時刻", "書込日時", "携帯番号", "連絡事項", "予定", "その他"};
  board.members = {
      {"A001", 3, "青木 花子", "事務所", "", "2025/01/05 18:40", "080-3333-4444", "", "", "", "PC-AOKI"},
      {"K100", 7, "加藤 次郎", "会議室", "17:30", "2025/01/04 12:00", "", "至急", "", "", ""},
  };
  board.message = "本日は定例会議があります";
  return board;
}

// Destination words in slots 1, 2 and 5: the combo box lists those three.
SharedSettingsText officeSettings() {
  SharedSettingsText settings;
  for (std::string& word : settings.destinations) word.clear();
  settings.destinations[0] = "事務所";
  settings.destinations[1] = "会議室";
  settings.destinations[4] = "出張";
  return settings;
}

std::string localMinute() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  char text[32];
  std::snprintf(text, sizeof text, "%04u/%02u/%02u %02u:%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
  return text;
}

// The member rows of a board file, without their line ends.
std::vector<std::string> memberRows(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  std::vector<std::string> rows;
  for (size_t i = 2; i < lines.size() && lines[i] != "END,"; ++i) rows.push_back(lines[i]);
  return rows;
}

std::string messageLine(const std::string& bytes) {
  size_t end = bytes.find("\r\nEND,\r\n");
  if (end == std::string::npos) return "<no end line>";
  size_t start = end + 8;
  return bytes.substr(start, bytes.find("\r\n", start) - start);
}

bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The control that has the keyboard focus in the dialog's thread.
HWND focusedWindow(HWND dialog) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool focusIsOn(HWND dialog, int control) {
  HWND target = GetDlgItem(dialog, control);
  HWND focus = focusedWindow(dialog);
  // A combo box's focus sits in its edit field.
  return focus != nullptr && (focus == target || GetParent(focus) == target);
}

// The entries of a combo box's list. Wine hands CB_GETLBTEXT to another
// process in UTF-16 whatever the caller's character set, so the entries are
// read as wide text and turned back into Shift-JIS.
std::vector<std::string> comboItems(HWND dialog, int control) {
  HWND combo = GetDlgItem(dialog, control);
  int n = static_cast<int>(sendOrThrow(combo, CB_GETCOUNT, 0, 0, "CB_GETCOUNT"));
  std::vector<std::string> items;
  for (int i = 0; i < n; ++i) {
    wchar_t wide[256] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, i, 0, SMTO_ABORTIFHUNG, kStepTimeoutMs, &length) ||
        length >= 256)
      throw HarnessError("CB_GETLBTEXTLEN failed");
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide), SMTO_ABORTIFHUNG,
                             kStepTimeoutMs, &copied))
      throw HarnessError("CB_GETLBTEXT failed");
    char text[512] = {};
    WideCharToMultiByte(932, 0, wide, -1, text, sizeof text - 1, nullptr, nullptr);
    items.emplace_back(text);
  }
  return items;
}

// Selects one row of a list view of the program (and no other).
void selectRow(HANDLE process, HWND listView, int row) {
  RemoteBuffer buffer(process, sizeof(LVITEMA));
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  buffer.write(&item, sizeof item);
  sendOrThrow(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), buffer.at(), "LVM_SETITEMSTATE");
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  buffer.write(&item, sizeof item);
  sendOrThrow(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row), buffer.at(), "LVM_SETITEMSTATE");
}

// Clicks the middle of an item's picture with posted mouse messages, as a
// user's click arrives at the list.
void clickItemIcon(HANDLE process, HWND listView, int item) {
  RemoteBuffer buffer(process, sizeof(RECT));
  RECT rect = {};
  rect.left = LVIR_ICON;
  buffer.write(&rect, sizeof rect);
  if (!sendOrThrow(listView, LVM_GETITEMRECT, static_cast<WPARAM>(item), buffer.at(), "LVM_GETITEMRECT"))
    throw HarnessError("no rectangle for item " + std::to_string(item));
  buffer.read(&rect, sizeof rect);
  LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageA(listView, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(listView, WM_LBUTTONUP, 0, at);
}

int rowOf(ProgramCopy& program, const std::string& id) {
  std::vector<std::string> ids = program.list().columnTexts(0);
  for (size_t i = 0; i < ids.size(); ++i)
    if (ids[i] == id) return static_cast<int>(i);
  return -1;
}

void waitUntilGone(HWND dialog, const char* what) {
  if (!waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
    throw HarnessError(std::string("the dialog did not close: ") + what);
}

class TwoCopies : public ::testing::Test {
 protected:
  void SetUp() override {
    shared.writeBoard(1, officeOfTwo());
    for (ProgramCopy* copy : {&a, &b}) {
      copy->useBoardFolder(shared, officeSettings());
      copy->start();
    }
    // After the first tick, no tick meets the steps of a test.
    ASSERT_TRUE(a.waitForUnchangedCheck());
    ASSERT_TRUE(b.waitForUnchangedCheck());
  }

  // The shared board file once no save is under way; empty while a save
  // holds the lock or has the file renamed away. The lock is looked at after
  // the read: a file read before the lock of its save was gone counts as not
  // there yet.
  std::string board() const {
    std::string bytes;
    try {
      bytes = readFileBytes(shared.file("boad1.csv"));
    } catch (const HarnessError&) {
      return "";
    }
    return fileExists(shared.file("lock.dat")) ? "" : bytes;
  }
  std::vector<std::string> rows() const { return memberRows(board()); }
  std::string row(size_t i) const {
    std::vector<std::string> all = rows();
    return i < all.size() ? all[i] : "";
  }
  bool boardRowsAre(const std::vector<std::string>& expected) {
    return waitUntil([&] { return rows() == expected; });
  }
  // Copy `copy` reloads with the 更新 command and reports news.
  void refresh(ProgramCopy& copy) {
    copy.postCommand(CMD_REFRESH);
    EXPECT_EQ(kRefreshedNew, copy.answerMessageBox());
  }
  // Opens the destination dialog of `id` through dialog 104.
  HWND openDestinationOf(ProgramCopy& copy, const std::string& id) {
    copy.postCommand(CMD_DESTINATION_BY_ID);
    HWND target = copy.waitForDialog(kTargetIdTitle);
    setControlText(target, IDC_TARGET_ID, id);
    pressButton(target, IDOK);
    // Looking for the next dialog while this one is being destroyed races
    // with its destruction.
    waitUntilGone(target, kTargetIdTitle);
    return copy.waitForDialog(kDestinationTitle);
  }

  BoardFolder shared;
  ProgramCopy a{"A"};
  ProgramCopy b{"B"};
};

TEST_F(TwoCopies, AddedMemberIsWrittenFirstAndTheOtherCopyShowsIt) {
  a.postCommand(CMD_ADD_MEMBER);
  HWND form = a.waitForDialog(kNewMemberTitle);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(form, IDC_DEST_ID)));
  EXPECT_TRUE(waitUntil([&] { return focusIsOn(form, IDC_DEST_ID); }));
  EXPECT_EQ("名前", controlText(form, IDC_DEST_LABEL_NAME));
  EXPECT_EQ("戻り予定", controlText(form, IDC_DEST_LABEL_RETURN));  // cut to 8 bytes
  EXPECT_EQ("その他", controlText(form, IDC_DEST_LABEL_OTHER));
  EXPECT_EQ((std::vector<std::string>{"事務所", "会議室", "出張"}), comboItems(form, IDC_DEST_DESTINATION));
  EXPECT_EQ("", controlText(form, IDC_DEST_ID));

  setControlText(form, IDC_DEST_ID, "N050");
  setControlText(form, IDC_DEST_NAME, "中村 三郎");
  setControlText(form, IDC_DEST_DESTINATION, "本社,3階");
  setControlText(form, IDC_DEST_RETURN, "15:00");
  setControlText(form, IDC_DEST_MOBILE, "090-0000-1111");
  setControlText(form, IDC_DEST_CONTACT, "表示テスト,至急");
  setControlText(form, IDC_DEST_SCHEDULE, "午後:来客");
  setControlText(form, IDC_DEST_OTHER, "ソフト");
  std::string before = localMinute();
  pressButton(form, IDOK);
  EXPECT_EQ(kCommaConverted, a.answerMessageBox());  // once, for two fields with commas
  waitUntilGone(form, kNewMemberTitle);
  std::string after = localMinute();

  ASSERT_TRUE(waitUntil([&] { return rows().size() == 3; })) << board();
  std::string written = a.list().text(0, 4);
  EXPECT_TRUE(written == before || written == after) << written;
  const std::vector<std::string> expected = {
      "N050,0,中村 三郎,本社/3階,15:00," + written + ",090-0000-1111,表示テスト/至急,午後:来客,ソフト,",
      "A001,3,青木 花子,事務所,,2025/01/05 18:40,080-3333-4444,,,,PC-AOKI",
      "K100,7,加藤 次郎,会議室,17:30,2025/01/04 12:00,,至急,,,",
  };
  EXPECT_EQ(expected, rows());
  EXPECT_EQ("N050", a.list().text(0, 0));
  EXPECT_EQ(0, a.list().imageIndex(0));

  refresh(b);
  int row = rowOf(b, "N050");
  ASSERT_GE(row, 0);
  EXPECT_EQ((std::vector<std::string>{"N050", "中村 三郎", "本社/3階", "15:00", written, "090-0000-1111",
                                      "表示テスト/至急", "午後:来客", "ソフト", ""}),
            b.list().row(row).texts);
}

TEST_F(TwoCopies, DestinationByDialogAndByQuickInput) {
  HWND form = openDestinationOf(a, "k100");  // letter case does not matter
  EXPECT_EQ("K100", controlText(form, IDC_DEST_ID));
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(form, IDC_DEST_ID)));
  EXPECT_TRUE(waitUntil([&] { return focusIsOn(form, IDC_DEST_DESTINATION); }));
  EXPECT_EQ("加藤 次郎", controlText(form, IDC_DEST_NAME));
  EXPECT_EQ("会議室", controlText(form, IDC_DEST_DESTINATION));
  EXPECT_EQ("至急", controlText(form, IDC_DEST_CONTACT));
  setControlText(form, IDC_DEST_DESTINATION, "出張");
  setControlText(form, IDC_DEST_RETURN, "明日");
  pressButton(form, IDOK);
  waitUntilGone(form, kDestinationTitle);
  ASSERT_TRUE(waitUntil([&] { return startsWith(row(1), "K100,7,加藤 次郎,出張"); })) << board();
  std::string k100Write = a.list().text(rowOf(a, "K100"), 4);
  EXPECT_EQ("K100,7,加藤 次郎,出張,明日," + k100Write + ",,至急,,,", row(1));

  // Quick input without a user ID: the program asks for it first.
  a.postCommand(CMD_QUICK_INPUT_1);
  HWND ask = a.waitForDialog(kUserIdTitle);
  EXPECT_TRUE(waitUntil([&] { return focusIsOn(ask, IDCANCEL); }));
  EXPECT_EQ("", controlText(ask, IDC_USER_ID));
  setControlText(ask, IDC_USER_ID, "a001");
  pressButton(ask, IDOK);
  waitUntilGone(ask, kUserIdTitle);
  ASSERT_TRUE(waitUntil([&] { return startsWith(row(0), "A001,3,青木 花子,出社"); })) << board();
  std::string aWrite = a.list().text(rowOf(a, "A001"), 4);
  EXPECT_EQ((std::vector<std::string>{"A001,3,青木 花子,出社,," + aWrite + ",080-3333-4444,,,,PC-AOKI",
                                      "K100,7,加藤 次郎,出張,明日," + k100Write + ",,至急,,,"}),
            rows());

  // The ID is known now: quick input 2 asks nothing.
  a.postCommand(CMD_QUICK_INPUT_2);
  ASSERT_TRUE(waitUntil([&] { return startsWith(row(0), "A001,3,青木 花子,帰宅"); })) << board();
  EXPECT_EQ(nullptr, a.findDialog(kUserIdTitle));

  refresh(b);
  EXPECT_EQ("帰宅", b.list().text(rowOf(b, "A001"), 2));
  EXPECT_EQ("出張", b.list().text(rowOf(b, "K100"), 2));
  EXPECT_EQ("明日", b.list().text(rowOf(b, "K100"), 3));
}

TEST_F(TwoCopies, IconPcNameAndMessageReachTheFileAndTheOtherCopy) {
  // The user ID first, through its own command.
  a.postCommand(CMD_USER_ID);
  HWND ask = a.waitForDialog(kUserIdTitle);
  setControlText(ask, IDC_USER_ID, "A001");
  pressButton(ask, IDOK);
  waitUntilGone(ask, kUserIdTitle);

  a.postCommand(CMD_ICON_OWN);
  HWND icons = a.waitForDialog(kIconTitle);
  EXPECT_EQ("A001", controlText(icons, IDC_ICON_TARGET_ID));
  EXPECT_EQ("3", controlText(icons, IDC_ICON_NUMBER));
  EXPECT_TRUE(waitUntil([&] { return focusIsOn(icons, IDCANCEL); }));
  HWND pictures = GetDlgItem(icons, IDC_ICON_LIST);
  ListViewProbe iconList(a.process(), pictures);
  std::vector<std::string> labels = iconList.columnTexts(0);
  ASSERT_EQ(70u, labels.size());
  for (int n = 0; n < 70; ++n) {
    EXPECT_EQ(std::to_string(n), labels[static_cast<size_t>(n)]);
    EXPECT_EQ(n, iconList.imageIndex(n));
  }
  clickItemIcon(a.process(), pictures, 12);
  EXPECT_TRUE(waitUntil([&] { return controlText(icons, IDC_ICON_NUMBER) == "12"; }))
      << controlText(icons, IDC_ICON_NUMBER);
  pressButton(icons, IDOK);
  waitUntilGone(icons, kIconTitle);
  ASSERT_TRUE(waitUntil([&] { return startsWith(row(0), "A001,12,"); })) << board();
  EXPECT_EQ(12, a.list().imageIndex(rowOf(a, "A001")));

  // The PC-Name column is hidden (width 0) until a PC name is entered.
  EXPECT_EQ(0, a.list().columnWidth(9));
  selectRow(a.process(), a.list().window(), rowOf(a, "K100"));
  a.postCommand(CMD_PC_NAME);
  HWND pc = a.waitForDialog(kPcNameTitle);
  EXPECT_EQ("K100", controlText(pc, IDC_PCN_ID));
  EXPECT_EQ("加藤 次郎", controlText(pc, IDC_PCN_NAME));
  EXPECT_EQ("", controlText(pc, IDC_PCN_PC_NAME));
  EXPECT_TRUE(waitUntil([&] { return focusIsOn(pc, IDCANCEL); }));
  setControlText(pc, IDC_PCN_PC_NAME, "192.168.1.20");
  pressButton(pc, IDOK);
  waitUntilGone(pc, kPcNameTitle);
  ASSERT_TRUE(waitUntil([&] { return row(1) == "K100,7,加藤 次郎,会議室,17:30,2025/01/04 12:00,,至急,,,192.168.1.20"; }))
      << board();
  EXPECT_EQ(100, a.list().columnWidth(9));

  a.postCommand(CMD_ALL_MEMBERS_MESSAGE);
  HWND message = a.waitForDialog(kMessageTitle);
  EXPECT_EQ("本日は定例会議があります", controlText(message, IDC_MESSAGE_TEXT));
  EXPECT_TRUE(waitUntil([&] { return focusIsOn(message, IDC_MESSAGE_TEXT); }));
  setControlText(message, IDC_MESSAGE_TEXT, "明日は,休業日です");
  pressButton(message, IDOK);
  EXPECT_EQ(kCommaConverted, a.answerMessageBox());
  waitUntilGone(message, kMessageTitle);
  ASSERT_TRUE(waitUntil([&] { return messageLine(board()) == "明日は/休業日です"; })) << board();
  EXPECT_EQ("明日は/休業日です", a.statusBar().partText(0));
  EXPECT_TRUE(a.statusBar().partHasIcon(0));
  // The message rode along with the rows as they were.
  EXPECT_EQ(2u, rows().size());
  EXPECT_TRUE(startsWith(row(0), "A001,12,"));

  refresh(b);
  EXPECT_EQ(12, b.list().imageIndex(rowOf(b, "A001")));
  EXPECT_EQ("192.168.1.20", b.list().text(rowOf(b, "K100"), 9));
  EXPECT_EQ("明日は/休業日です", b.statusBar().partText(0));
}

TEST_F(TwoCopies, AnEditAfterTheOtherCopySavedKeepsTheOtherCopysChange) {
  HWND form = openDestinationOf(b, "K100");
  setControlText(form, IDC_DEST_DESTINATION, "外出");
  pressButton(form, IDOK);
  waitUntilGone(form, kDestinationTitle);
  ASSERT_TRUE(waitUntil([&] { return startsWith(row(1), "K100,7,加藤 次郎,外出"); })) << board();
  std::string bRow = row(1);

  // A has not reloaded: it still shows K100 in the meeting room.
  EXPECT_EQ("会議室", a.list().text(rowOf(a, "K100"), 2));
  form = openDestinationOf(a, "A001");
  setControlText(form, IDC_DEST_DESTINATION, "出張");
  pressButton(form, IDOK);
  waitUntilGone(form, kDestinationTitle);
  ASSERT_TRUE(waitUntil([&] { return startsWith(row(0), "A001,3,青木 花子,出張"); })) << board();
  EXPECT_EQ(bRow, row(1));
  EXPECT_EQ("外出", a.list().text(rowOf(a, "K100"), 2));
}

TEST_F(TwoCopies, RefusedInputKeepsTheDialogsOpen) {
  const std::string before = board();
  a.postCommand(CMD_ADD_MEMBER);
  HWND form = a.waitForDialog(kNewMemberTitle);
  struct Refusal {
    const char* id;
    const char* schedule;
    const char* message;
  } refusals[] = {
      {"", "", "IDが入力されていません "},
      {" N1", "", "IDにｽﾍﾟｰｽ文字は使えません "},
      {"END", "", "IDに[END]は使えません "},
      {"N1", "午前\r\n午後", "改行は使えません "},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.message);
    setControlText(form, IDC_DEST_ID, r.id);
    setControlText(form, IDC_DEST_SCHEDULE, r.schedule);
    pressButton(form, IDOK);
    EXPECT_EQ(r.message, a.answerMessageBox());
    EXPECT_TRUE(IsWindow(form) && IsWindowVisible(form));
  }
  pressButton(form, IDCANCEL);
  waitUntilGone(form, kNewMemberTitle);

  a.postCommand(CMD_ICON_OWN);  // no user ID: both fields start empty
  HWND icons = a.waitForDialog(kIconTitle);
  EXPECT_EQ("", controlText(icons, IDC_ICON_TARGET_ID));
  EXPECT_EQ("", controlText(icons, IDC_ICON_NUMBER));
  setControlText(icons, IDC_ICON_TARGET_ID, "A001");
  setControlText(icons, IDC_ICON_NUMBER, "70");
  pressButton(icons, IDOK);
  EXPECT_EQ("ｱｲｺﾝNo.が範囲外です ", a.answerMessageBox());
  EXPECT_TRUE(IsWindow(icons) && IsWindowVisible(icons));
  setControlText(icons, IDC_ICON_TARGET_ID, "Z999");
  setControlText(icons, IDC_ICON_NUMBER, "69");
  pressButton(icons, IDOK);
  EXPECT_EQ("IDが見つかりません ", a.answerMessageBox());
  EXPECT_TRUE(IsWindow(icons) && IsWindowVisible(icons));
  pressButton(icons, IDCANCEL);
  waitUntilGone(icons, kIconTitle);

  EXPECT_EQ(before, board());
  EXPECT_EQ(2, a.list().rowCount());
}

}  // namespace
}  // namespace e2e
