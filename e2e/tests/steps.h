// Boards, texts and steps shared by the end-to-end tests.
#pragma once
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "harness/program_copy.h"

namespace e2e {

const char kTitlePrefix[] = "行き先表示ボード Wabo - ";
const char kMissingOrLocked[] = "行き先ﾃﾞｰﾀﾌｧｲﾙが見つかりません\nまたは、ﾛｯｸﾌｧｲﾙがあります";
const char kRefreshedNew[] = "更新しました(新しい情報あり)";
const char kRefreshedNothingNew[] = "更新しました(新しい情報なし)";
const char kCommaConverted[] = "[ , ]は、[ / ]に変換されます。";
const char kQuestionCaption[] = "確認ﾒｯｾｰｼﾞ";
const char kUserIdTitle[] = "ﾕｰｻﾞｰID設定";
const char kAutoUpdateTitle[] = "自動更新の設定";
const char kComposeTitle[] = "ﾒｰﾙ作成";
const char kViewTitle[] = "ﾒｰﾙ内容";
const char kVersionTitle[] = "ﾊﾞｰｼﾞｮﾝ情報";
const char kReloaded[] = " 更新";
const char kChecked[] = " 更新.";

// Four members in file order S010, A001, m005, K100: sorted bytewise by ID
// they read A001, K100, S010, m005. Every field differs between members, and
// some texts hold characters whose second byte is "\" (表, ソ).
inline BoardText officeBoard(long stamp = 25010609, const std::string& m005Destination = "休み") {
  BoardText board;
  board.stamp = stamp;
  board.captions = {"氏名", "居場所", "戻り", "書込日時", "携帯", "連絡", "予定表", "備考"};
  board.members = {
      {"S010", 12, "鈴木 一郎", "会議室", "15:00", "2025/01/06 09:12", "090-1111-2222", "表計算の件", "ソフト開発", "",
       "PC-SUZUKI"},
      {"A001", 3, "青木 花子", "出張", "明日", "2025/01/05 18:40", "080-3333-4444", "", "大阪", "代表", ""},
      {"m005", 0, "森 太郎", m005Destination, "", "2025/01/07 08:01", "", "連絡不要", "", "", "PC-MORI"},
      {"K100", 69, "加藤 次郎", "事務所", "17:30", "2025/01/04 12:00", "070-5555-6666", "至急", "会議", "ソ連",
       "PC-KATO"},
  };
  board.message = "本日は定例会議があります";
  return board;
}

// Two members, A001 and K100; the return-time caption is longer than the 8
// bytes the destination dialog shows of it.
inline BoardText officeOfTwo() {
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

inline std::string localSettings(const std::string& userId, int autoUpdateMinutes = 10) {
  LocalSettingsFile settings;
  settings.userId = userId;
  settings.autoUpdateMinutes = autoUpdateMinutes;
  return settings.bytes();
}

// Two PCs of an office on one shared board folder, holding `board` as board
// 1. With user IDs given, each copy has a WaboM.ini of its own.
struct TwoPcs {
  BoardFolder shared;
  ProgramCopy a{"A"}, b{"B"};
  explicit TwoPcs(const BoardText& board, const std::vector<std::string>& ids = {}, int autoUpdateMinutes = 10) {
    shared.writeBoard(1, board);
    for (ProgramCopy* copy : {&a, &b}) {
      copy->useBoardFolder(shared);
      if (!ids.empty()) copy->writeFile("WaboM.ini", localSettings(ids[copy == &b], autoUpdateMinutes));
    }
  }
  std::string board(int n = 1) const { return shared.file("boad" + std::to_string(n) + ".csv"); }
  void startBoth() {
    a.startSettled();
    b.startSettled();
  }
  void closeBoth() {
    EXPECT_EQ(0u, a.close());
    EXPECT_EQ(0u, b.close());
  }
};

// The list's subitems 0..9 of a member: the ID and fields 3..11.
inline std::vector<std::string> listTexts(const MemberLine& m) {
  return {m.id, m.name, m.destination, m.returnTime, m.writeTime, m.mobile, m.contact, m.schedule, m.other, m.pcName};
}

// Left, top, width and height of a window.
inline std::vector<int> rectOf(HWND window) {
  RECT r = windowRect(window);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// With WABO_SCREENS naming a folder (scripts/screens-commands), a test
// stops for a picture of the screen part `r`: it leaves "<name>.ready" with
// the rectangle and goes on once the script leaves "<name>.done".
inline void picture(const std::string& name, const RECT& r) {
  char folder[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("WABO_SCREENS", folder, sizeof folder);
  if (n == 0 || n >= sizeof folder) return;
  writeFileBytes(joinPath(folder, name + ".ready"), std::to_string(r.right - r.left) + "x" +
                                                        std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) +
                                                        "+" + std::to_string(r.top));
  ASSERT_TRUE(waitUntil([&] { return fileExists(joinPath(folder, name + ".done")); }, 60000));
}
inline void picture(const std::string& name, HWND window) { picture(name, windowRect(window)); }

// The prefix's screen DPI (HKCU\Control Panel\Desktop LogPixels) for the
// programs started while this lives; the value there before is put back at
// the end.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key_, nullptr) != ERROR_SUCCESS)
      throw HarnessError("cannot open HKCU\\Control Panel\\Desktop");
    DWORD type = 0, size = sizeof before_;
    hadValue_ = RegQueryValueExA(key_, "LogPixels", nullptr, &type, reinterpret_cast<BYTE*>(&before_), &size) ==
                    ERROR_SUCCESS &&
                type == REG_DWORD;
    set(dpi);
  }
  ~ScreenDpi() {
    if (hadValue_) {
      set(before_);
    } else {
      RegDeleteValueA(key_, "LogPixels");
    }
    RegCloseKey(key_);
  }
  ScreenDpi(const ScreenDpi&) = delete;
  ScreenDpi& operator=(const ScreenDpi&) = delete;

 private:
  void set(DWORD dpi) {
    if (RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi) !=
        ERROR_SUCCESS)
      throw HarnessError("cannot set LogPixels");
  }

  HKEY key_ = nullptr;
  DWORD before_ = 0;
  bool hadValue_ = false;
};

inline int rowOf(ProgramCopy& program, const std::string& id) {
  std::vector<std::string> ids = program.list().columnTexts(0);
  return static_cast<int>(std::find(ids.begin(), ids.end(), id) - ids.begin());
}

// Destination of a member as the list shows it (subitem 2).
inline std::string destinationOf(ProgramCopy& program, const std::string& id) {
  return program.list().text(rowOf(program, id), 2);
}

// The search marks (state images 0..2) of the rows, top to bottom.
inline std::vector<int> marksOf(ProgramCopy& program) {
  std::vector<int> marks;
  for (int row = 0, n = program.list().rowCount(); row < n; ++row)
    marks.push_back(program.list().item(row).stateImage);
  return marks;
}

// What the step shows; "" while it cannot be done (a file being replaced,
// a control not there yet).
template <typename Step>
std::string textOr(const Step& step) {
  try {
    return step();
  } catch (const HarnessError&) {
    return "";
  }
}
inline std::string readFileOr(const std::string& path) {
  return textOr([&] { return readFileBytes(path); });
}
inline std::string controlTextOr(HWND dialog, int control) {
  return textOr([&] { return controlText(dialog, control); });
}

// A board file once no save holds its folder's lock; "" while one does. The
// lock is looked at after the read: a file read before its save's lock was
// gone counts as not there yet.
inline std::string settledBoard(const std::string& board) {
  std::string bytes = readFileOr(board);
  return fileExists(board.substr(0, board.find_last_of('\\') + 1) + "lock.dat") ? "" : bytes;
}

// Waits until the settled board file holds `text`.
inline bool boardGets(const std::string& board, const std::string& text, DWORD timeoutMs = kStepTimeoutMs) {
  return waitUntil([&] { return settledBoard(board).find(text) != std::string::npos; }, timeoutMs);
}

// The line of a member in a board file; "" when it has none.
inline std::string rowInFile(const std::string& bytes, const std::string& id) {
  for (const std::string& line : fileLines(bytes))
    if (line.compare(0, id.size() + 1, id + ",") == 0) return line;
  return "";
}

// "yyyy/mm/dd hh:mm", as mails and posts are stamped.
inline bool isStampTime(const std::string& text) {
  if (text.size() != 16) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char separator = i == 4 || i == 7 ? '/' : i == 10 ? ' ' : i == 13 ? ':' : 0;
    if (separator ? text[i] != separator : text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

// A menu command that opens a dialog; the dialog.
inline HWND open(ProgramCopy& program, int command, const std::string& title) {
  program.postCommand(command);
  return program.waitForDialog(title);
}

// Presses a button that closes its dialog and waits until it has.
inline void press(HWND dialog, int button) {
  pressButton(dialog, button);
  waitUntilGone(dialog);
}

using Fields = std::vector<std::pair<int, std::string>>;

// The texts the controls named in `like` show now.
inline Fields shownFields(HWND dialog, const Fields& like) {
  Fields out;
  for (const auto& field : like) out.push_back({field.first, controlText(dialog, field.first)});
  return out;
}

inline void fill(HWND dialog, const Fields& fields) {
  for (const auto& field : fields) setControlText(dialog, field.first, field.second);
}

inline void confirm(HWND dialog, const Fields& fields = {}) {
  fill(dialog, fields);
  press(dialog, IDOK);
}

inline bool checked(HWND dialog, int control) {
  return sendOrThrow(GetDlgItem(dialog, control), BM_GETCHECK, 0, 0, "BM_GETCHECK") == BST_CHECKED;
}

inline void setChecked(HWND dialog, int control, bool on) {
  sendOrThrow(GetDlgItem(dialog, control), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0, "BM_SETCHECK");
}

// Where each of `words` stands in a list box or combo box of the program
// (-1: not there), and how many entries it holds at the end.
inline std::vector<int> positions(HWND dialog, int control, UINT findMessage, UINT countMessage,
                           const std::vector<std::string>& words) {
  HWND box = GetDlgItem(dialog, control);
  std::vector<int> found;
  for (const std::string& word : words)
    found.push_back(static_cast<int>(
        sendOrThrow(box, findMessage, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(word.c_str()), "find")));
  found.push_back(static_cast<int>(sendOrThrow(box, countMessage, 0, 0, "count")));
  return found;
}

// The file-name field of the system's file dialog: an edit, or the edit in
// a combo box, depending on the dialog's template.
inline void typeFileName(HWND picker, const std::string& path) {
  HWND field = GetDlgItem(picker, edt1) != nullptr ? GetDlgItem(picker, edt1) : GetDlgItem(picker, cmb13);
  HWND inner = field != nullptr ? FindWindowExA(field, nullptr, "Edit", nullptr) : nullptr;
  sendOrThrow(inner ? inner : field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), "WM_SETTEXT");
}

// Waits for a visible top-level window that `match` accepts.
inline HWND waitForWindow(const std::function<bool(HWND)>& match, const std::string& what) {
  HWND found = nullptr;
  if (!waitUntil([&] {
        for (HWND w = GetTopWindow(nullptr); w != nullptr && found == nullptr; w = GetWindow(w, GW_HWNDNEXT))
          if (IsWindowVisible(w) && match(w)) found = w;
        return found != nullptr;
      }))
    throw HarnessError("no " + what + " appeared");
  return found;
}

inline HWND focusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

}  // namespace e2e
