// Steps of the refresh and tray tests: a WaboM.ini with the values a test
// needs, a timer tick on demand, the two forms of the update time, the
// search marks of the rows and the presence of the tray icon.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "harness/program_copy.h"
#include "harness/remote_buffer.h"
#include "harness/window_query.h"
#include "res/resource.h"

namespace e2e {

// WaboM.ini as the program writes it at a first exit, with the user ID and
// the auto update period (0 = off) of a test.
struct LocalSettingsText {
  std::string userId;
  int autoUpdateMinutes = 10;
  int autoPcSearch = 0;

  std::string bytes() const {
    const std::string end = "\r\n";
    std::string out = "[表示位置]" + end + "119,135,648,338" + end;
    out += "[ｶﾗﾑｻｲｽﾞ]" + end;
    for (int board = 0; board < 5; ++board) out += "70,70,70,70,105,90,150,150,-1,0" + end;
    out += "[列順]" + end;
    for (int board = 0; board < 5; ++board) out += "0,1,2,3,4,5,6,7,8,9" + end;
    out += "[自分のID]" + end + userId + end;
    out += "[選択ﾎﾞｰﾄﾞ]" + end + "1" + end;
    out += "[ｸｲｯｸ入力設定]" + end + "出社" + end + "帰宅" + end;
    out += "[Wabo.iniﾌｧｲﾙの位置]" + end + end;
    out += "[その他]" + end + "0,0,0,0,0,1,16056319,0," + std::to_string(autoUpdateMinutes) + ",1,16,12," +
           std::to_string(autoPcSearch) + ",13697023,14737632" + end;
    return out;
  }
};

// The user ID line of a WaboM.ini (the line after "[自分のID]").
inline std::string userIdLine(const std::string& localSettings) {
  const std::string header = "[自分のID]\r\n";
  size_t at = localSettings.find(header);
  if (at == std::string::npos) return "<no user ID section>";
  at += header.size();
  size_t end = localSettings.find("\r\n", at);
  return localSettings.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

// Runs the program's timer tick now. The window procedure does not look at
// the timer ID, so a posted WM_TIMER runs the very code of timer 1.
inline void postTick(ProgramCopy& program) {
  if (!PostMessageA(program.mainWindow(), WM_TIMER, ID_REFRESH_TIMER, 0))
    throw HarnessError("cannot post WM_TIMER");
}

inline bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

inline bool hasClockPrefix(const std::string& text) {
  if (text.size() < 8) return false;
  for (int i : {0, 1, 3, 4, 6, 7})
    if (text[i] < '0' || text[i] > '9') return false;
  return text[2] == ':' && text[5] == ':';
}

// "hh:mm:ss 更新": the board was read in full.
inline bool isReloadTime(const std::string& text) { return hasClockPrefix(text) && text.substr(8) == " 更新"; }
// "hh:mm:ss 更新.": a look at the board that found nothing new.
inline bool isCheckTime(const std::string& text) { return hasClockPrefix(text) && text.substr(8) == " 更新."; }

// Second of the day of an update time's clock, and of the driver's clock now
// (both local time of the same machine).
inline int secondOfDay(const std::string& updateTime) {
  return std::stoi(updateTime.substr(0, 2)) * 3600 + std::stoi(updateTime.substr(3, 2)) * 60 +
         std::stoi(updateTime.substr(6, 2));
}
inline int secondOfDayNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wHour * 3600 + now.wMinute * 60 + now.wSecond;
}
// later - earlier in seconds, across midnight too.
inline int secondsBetween(int earlier, int later) {
  int diff = later - earlier;
  if (diff < -43200) diff += 86400;
  if (diff > 43200) diff -= 86400;
  return diff;
}
inline int secondsFromNow(const std::string& updateTime) {
  return secondsBetween(secondOfDay(updateTime), secondOfDayNow());
}

// Waits until status-bar part 2 satisfies `form`; the text it ended with.
template <typename Form>
std::string waitForUpdateTime(ProgramCopy& program, Form form, DWORD timeoutMs = kStepTimeoutMs) {
  std::string text;
  waitUntil([&] { return form(text = program.statusBar().partText(2)); }, timeoutMs);
  return text;
}

// Puts a search mark (state image 0..2) on a row, as a PC search leaves it.
inline void setSearchMark(ProgramCopy& program, int row, int mark) {
  LVITEMA item = {};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(mark);
  RemoteBuffer remote(program.process(), sizeof item);
  remote.write(&item, sizeof item);
  sendOrThrow(program.list().window(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), remote.at(), "LVM_SETITEMSTATE");
}

inline std::vector<int> searchMarks(ProgramCopy& program) {
  std::vector<int> marks;
  for (int row = 0; row < program.list().rowCount(); ++row) marks.push_back(program.list().stateImageIndex(row));
  return marks;
}

// The notification area's record of the program's icon 101, as far as
// another process can name it (owner window and icon ID).
inline NOTIFYICONDATAA trayRecordOf(HWND owner) {
  NOTIFYICONDATAA data = {};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = ID_TRAY_ICON;
  return data;
}

// True when the notification area holds the program's icon: changing
// nothing of an icon succeeds only for an icon that is there.
inline bool trayIconPresent(HWND owner) {
  NOTIFYICONDATAA data = trayRecordOf(owner);
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

inline bool isVisible(HWND window) { return IsWindowVisible(window) != FALSE; }

}  // namespace e2e
