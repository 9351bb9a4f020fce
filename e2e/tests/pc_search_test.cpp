// The PC connection search with the stand-in probe command (tools/
// nbtstat_standin.cpp) beside the program.
#include <windows.h>

#include <gtest/gtest.h>
#include <tlhelp32.h>

#include "steps.h"

namespace e2e {
namespace {

const char kSearchTitle[] = "ｻｰﾁ中";
const char kCannotSearch[] = "このPCでは接続ｻｰﾁを使用できません";
const COLORREF kConnectedColour = 13697023;     // the defaults of WaboM.ini
const COLORREF kNotConnectedColour = 14737632;
const COLORREF kBoardBackground = 16056319;
constexpr DWORD kProbeBoundMs = 15000;

using Pcs = std::vector<std::pair<std::string, std::string>>;

// A board of members in ID order (the default sort), each with a PC name or none.
BoardText boardOf(const Pcs& members) {
  BoardText board;
  for (const auto& m : members)
    board.members.push_back({m.first, 0, "名前" + m.first, "事務所", "", "", "", "", "", "", m.second});
  return board;
}

// Starts the program on a board of `members` with the stand-in beside it,
// answering from `table` (see its file).
void startWithStandIn(ProgramCopy& program, const Pcs& members, const std::string& table) {
  program.writeBoard(boardOf(members));
  program.writeFile("nbtstat.exe", readFileBytes(joinPath(driverFolder(), "standin\\nbtstat.exe")));
  program.writeFile("nbtstat.tbl", table);
  program.startSettled();
}

// The command lines the stand-in was started with, in order.
std::vector<std::string> probesRun(const ProgramCopy& program) {
  std::vector<std::string> lines = fileLines(readFileOr(program.file("nbtstat.log")));
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

// The stand-ins running as children of the program copy `parent`: a stand-in
// that an earlier test's copy left ending is not this test's.
int runningStandIns(DWORD parent) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    count += entry.th32ParentProcessID == parent && lstrcmpiA(entry.szExeFile, "nbtstat.exe") == 0;
  CloseHandle(snapshot);
  return count;
}

// The colour on screen near the right end of a row, where no text is drawn.
COLORREF rowColour(ProgramCopy& program, int row) {
  HWND listView = GetDlgItem(program.mainWindow(), IDC_MEMBER_LIST);
  RECT r = program.list().itemRect(row), client = {};
  GetClientRect(listView, &client);
  POINT p = {std::min(r.right, client.right) - 4, (r.top + r.bottom) / 2};
  ClientToScreen(listView, &p);
  HDC screen = GetDC(nullptr);
  COLORREF colour = GetPixel(screen, p.x, p.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// Answers a message sent to the main window within `limitMs`.
bool answersWithin(ProgramCopy& program, DWORD limitMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(program.mainWindow(), WM_NULL, 0, 0, SMTO_NORMAL, limitMs, &result) != 0;
}

// Command 40053 once the search before it has ended (a start while one runs
// does nothing); the legend window it opens.
HWND startOnceIdle(ProgramCopy& program) {
  HWND legend = nullptr;
  if (!waitUntil([&] {
        program.postCommand(CMD_PC_SEARCH);
        return waitUntil([&] { return (legend = program.findDialog(kSearchTitle)) != nullptr; }, 300);
      }))
    throw HarnessError("no search window");
  return legend;
}

TEST(PcSearch, ConnectedNoNameAndSilentRowsGetMarks201AndTheirColours) {
  ProgramCopy program;
  // A fourth PC answers late, so that the window is still open while the
  // first three rows show their colours.
  const Pcs members = {{"A01", "PC-ON"}, {"B02", ""}, {"C03", "PC-OFF"}, {"D04", "PC-LATE"}};
  startWithStandIn(program, members, "PC-ON answer\r\nPC-OFF noanswer\r\nPC-LATE noanswer 3000\r\n");
  HWND legend = open(program, CMD_PC_SEARCH, kSearchTitle);
  const Fields legendTexts = {{IDC_SP_CONNECTED, ""}, {IDC_SP_NOT_CONNECTED, ""}, {IDOK, "OK"}, {IDCANCEL, "中止"}};
  EXPECT_EQ(legendTexts, shownFields(legend, legendTexts)) << "the swatches are empty";
  EXPECT_EQ(GetDlgItem(legend, IDCANCEL), focusOf(legend));

  ASSERT_TRUE(waitUntil([&] { return marksOf(program) == std::vector<int>{2, 0, 1, 0}; }));
  EXPECT_TRUE(waitUntil([&] {
    return rowColour(program, 0) == kConnectedColour && rowColour(program, 2) == kNotConnectedColour;
  })) << std::hex << rowColour(program, 0) << " " << rowColour(program, 2);
  EXPECT_EQ(rowColour(program, 1), kBoardBackground);
  EXPECT_EQ(rowColour(program, 3), kBoardBackground);
  EXPECT_TRUE(program.findDialog(kSearchTitle) != nullptr);
  // For the picture the legend moves off the rows, to the lower right.
  RECT main = windowRect(program.mainWindow()), box = windowRect(legend);
  SetWindowPos(legend, nullptr, main.right - (box.right - box.left) - 8, main.bottom - (box.bottom - box.top) - 28, 0,
               0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT both = {};
  box = windowRect(legend);
  UnionRect(&both, &main, &box);
  picture("pc-search", both);

  // The end message closes the window.
  ASSERT_TRUE(waitUntil([&] { return marksOf(program) == std::vector<int>{2, 0, 1, 1}; }));
  EXPECT_TRUE(waitUntil([&] { return program.findDialog(kSearchTitle) == nullptr; }));
  EXPECT_EQ(probesRun(program),
            (std::vector<std::string>{"nbtstat -a PC-ON", "nbtstat -a PC-OFF", "nbtstat -a PC-LATE"}));

  // A tick that finds the board unchanged keeps the marks; a reload clears them.
  program.postTick();
  ASSERT_TRUE(program.waitForUpdateTime(kChecked));
  EXPECT_EQ(marksOf(program), (std::vector<int>{2, 0, 1, 1}));
  BoardText changed = boardOf(members);
  changed.stamp = 2;
  program.writeBoard(changed);
  program.postTick();
  ASSERT_TRUE(program.waitForUpdateTime(kReloaded));
  EXPECT_EQ(marksOf(program), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_TRUE(waitUntil([&] { return rowColour(program, 0) == kBoardBackground; }));
}

// Answers of more than 4 KB, names that are not one argument, a name with
// blanks around it (asked for without them), and a command that writes
// nothing: one warning, and the search stops there.
TEST(PcSearch, LongAnswersUnsafeNamesAndACommandThatWritesNothing) {
  ProgramCopy program;
  startWithStandIn(program,
                   {{"A01", "PC-BIG"}, {"B02", "PC-LONG"}, {"B03", " PC-ON "}, {"C03", "-a"}, {"D04", "PC X"},
                    {"E05", "PC-MUTE"}, {"F06", "PC-ON"}},
                   "PC-BIG bigfirst\r\nPC-LONG biglate\r\nPC-MUTE nothing\r\nPC-ON answer\r\n-a answer\r\n");
  program.postCommand(CMD_PC_SEARCH);
  EXPECT_EQ(kCannotSearch, program.answerMessageBox());
  ASSERT_TRUE(waitUntil([&] { return program.findDialog(kSearchTitle) == nullptr; }));
  EXPECT_EQ(marksOf(program), (std::vector<int>{2, 1, 2, 1, 1, 0, 0}));
  EXPECT_EQ(probesRun(program), (std::vector<std::string>{"nbtstat -a PC-BIG", "nbtstat -a PC-LONG",
                                                          "nbtstat -a PC-ON", "nbtstat -a PC-MUTE"}));
  EXPECT_TRUE(program.findDialog(kMessageCaption) == nullptr) << "one warning only";
}

TEST(PcSearch, RefusedWhenNotAllowedOrWithoutPcNamesAndWarnsOnceWithoutTheCommand) {
  BoardFolder shared;
  shared.writeBoard(1, boardOf({{"A01", ""}, {"B02", ""}}));
  SharedSettingsText forbidden;
  forbidden.pcSearchAllowed = 0;
  ProgramCopy program;
  program.useBoardFolder(shared, forbidden);
  program.startSettled();
  program.postCommand(CMD_PC_SEARCH);
  EXPECT_EQ("PC接続ｻｰﾁは許可されていません", program.answerMessageBox());
  program.close();
  program.useBoardFolder(shared);
  program.startSettled();
  program.postCommand(CMD_PC_SEARCH);
  EXPECT_EQ("PC-Nameが入力されていません", program.answerMessageBox());
  EXPECT_TRUE(program.findDialog(kSearchTitle) == nullptr);

  // No stand-in, and Wine has no nbtstat: the first probe cannot run.
  BoardText named = boardOf({{"A01", "PC-A"}, {"B02", "PC-B"}});
  named.stamp = 2;
  shared.writeBoard(1, named);
  program.postCommand(CMD_REFRESH);
  program.answerMessageBox();
  program.postCommand(CMD_PC_SEARCH);
  EXPECT_EQ(kCannotSearch, program.answerMessageBox());
  ASSERT_TRUE(waitUntil([&] { return program.findDialog(kSearchTitle) == nullptr; }));
  EXPECT_EQ(marksOf(program), (std::vector<int>{0, 0}));
  EXPECT_TRUE(program.findDialog(kMessageCaption) == nullptr) << "one warning only";
}

// 中止 while the second of five slow PCs is probed: that probe finishes and
// marks its row; rows three to five stay unmarked and the window is gone. A
// start while the search runs opens no second window.
TEST(PcSearch, StopDuringTheSecondOfFiveSlowProbes) {
  ProgramCopy program;
  startWithStandIn(program, {{"A01", "PC1"}, {"B02", "PC2"}, {"C03", "PC3"}, {"D04", "PC4"}, {"E05", "PC5"}},
                   "PC1 answer 600\r\nPC2 answer 1500\r\nPC3 answer 600\r\nPC4 answer\r\nPC5 answer\r\n");
  HWND legend = open(program, CMD_PC_SEARCH, kSearchTitle);
  ASSERT_TRUE(waitUntil([&] { return probesRun(program).size() == 2; }));
  program.postCommand(CMD_PC_SEARCH);  // no second search, no second window
  press(legend, IDCANCEL);
  EXPECT_TRUE(program.findDialog(kSearchTitle) == nullptr);
  ASSERT_TRUE(waitUntil([&] { return marksOf(program) == std::vector<int>{2, 2, 0, 0, 0}; }));

  // Once the end message has come, a new search starts; it clears the marks
  // and probes from the first row again, so the log shows where the first
  // one stopped.
  startOnceIdle(program);
  ASSERT_TRUE(waitUntil([&] { return probesRun(program).size() >= 3; }));
  EXPECT_EQ(probesRun(program)[2], "nbtstat -a PC1");
  EXPECT_EQ(marksOf(program)[1], 0) << "the new search cleared the marks";
}

// A probe that never ends is cut at the bound and counts as not connected;
// the board answers meanwhile and the search goes on with the next row.
// Closing the program while such a probe runs ends it at once, and the child.
TEST(PcSearch, ProbeThatNeverEndsIsCutAtTheBoundOrByTheExit) {
  ProgramCopy program;
  startWithStandIn(program, {{"A01", "PC-HANG"}, {"B02", "PC-ON"}}, "PC-HANG hang\r\nPC-ON answer\r\n");
  const DWORD pid = GetProcessId(program.process());
  const auto standIns = [pid] { return runningStandIns(pid); };
  program.postCommand(CMD_PC_SEARCH);
  ASSERT_TRUE(waitUntil([&] { return probesRun(program).size() == 1; }));
  const DWORD started = GetTickCount();
  EXPECT_TRUE(answersWithin(program, 200));
  EXPECT_EQ(standIns(), 1);
  ASSERT_TRUE(waitUntil([&] { return marksOf(program)[0] == 1; }, kProbeBoundMs + 8000));
  const DWORD cutAfter = GetTickCount() - started;
  EXPECT_GE(cutAfter, kProbeBoundMs - 1000);
  EXPECT_TRUE(waitUntil([&] { return marksOf(program) == std::vector<int>{1, 2}; }));
  EXPECT_TRUE(waitUntil([&] { return standIns() == 0; })) << "the child was ended";

  startOnceIdle(program);
  ASSERT_TRUE(waitUntil([&] { return probesRun(program).size() == 3 && standIns() == 1; }));
  const DWORD closing = GetTickCount();
  EXPECT_EQ(0u, program.close());
  EXPECT_LT(GetTickCount() - closing, 2500u);
  EXPECT_TRUE(waitUntil([&] { return standIns() == 0; }, 3000));
}

// The automatic search: not at the first tick, from the second on, and
// without a window. Hiding into the tray closes a user search's window while
// that search goes on.
TEST(PcSearch, AutomaticSearchFromTheSecondTickAndTheTrayClosesTheWindow) {
  ProgramCopy program;
  LocalSettingsFile local;
  local.autoPcSearch = 1;
  program.writeFile("WaboM.ini", local.bytes());
  startWithStandIn(program, {{"A01", "PC-ON"}, {"B02", "PC-SLOW"}}, "PC-ON answer\r\nPC-SLOW noanswer 1200\r\n");
  program.postTick();  // the second tick
  ASSERT_TRUE(program.waitForUpdateTime(kChecked));
  ASSERT_TRUE(waitUntil([&] { return probesRun(program).size() == 2; }));
  EXPECT_TRUE(program.findDialog(kSearchTitle) == nullptr) << "no window for the automatic search";
  ASSERT_TRUE(waitUntil([&] { return marksOf(program) == std::vector<int>{2, 1}; }));
  EXPECT_EQ(probesRun(program).size(), 2u) << "the first tick started no search";

  HWND legend = startOnceIdle(program);
  ASSERT_TRUE(waitUntil([&] { return probesRun(program).size() == 4; }));  // the slow one
  program.postCommand(CMD_HIDE_TO_TRAY);
  waitUntilGone(legend);
  EXPECT_TRUE(waitUntil([&] { return !isShown(program.mainWindow()); }));
  ASSERT_TRUE(waitUntil([&] { return marksOf(program) == std::vector<int>{2, 1}; }));
  program.postCommand(CMD_SHOW_FROM_TRAY);
  EXPECT_TRUE(waitUntil([&] { return isShown(program.mainWindow()); }));
  EXPECT_TRUE(program.findDialog(kSearchTitle) == nullptr);
}

}  // namespace
}  // namespace e2e
