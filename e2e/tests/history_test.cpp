// The change history beside a board: two copies saving in turns write one
// line each, in the board's order, under the lock; the window lists one
// member's changes or the whole board's and keeps its size in WaboM.ini; a
// history file that cannot be written costs the save nothing.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "steps.h"

namespace e2e {
namespace {

const char kHistoryTitle[] = "変更履歴";

std::string computerName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  GetComputerNameA(name, &size);
  return std::string(name, size);
}

// The lines of a history file without their time, which the clock gives.
std::vector<std::string> linesAfterTheTime(const std::string& bytes) {
  std::vector<std::string> lines;
  for (const std::string& line : fileLines(bytes)) {
    EXPECT_TRUE(line.size() > 20 && line[4] == '/' && line[13] == ':' && line[19] == ',') << line;
    lines.push_back(line.size() > 20 ? line.substr(20) : line);
  }
  return lines;
}

void selectRow(ProgramCopy& program, const std::string& id) {
  program.list().setItemState(-1, LVIS_SELECTED, 0);
  program.list().setItemState(rowOf(program, id), LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

TEST(History, TwoCopiesSavingInTurnsAreOneLineEachInTheBoardsOrderAndTheWindowShowsOneMemberOrAll) {
  TwoPcs office(officeOfTwo(), {"A001", "K100"}, 0);
  office.startBoth();
  const std::string pc = computerName();
  const char* words[] = {"出社", "帰宅"};
  std::vector<std::string> expected;
  std::string was[2] = {"事務所", "会議室"};
  for (int round = 0; round < 20; ++round) {
    const std::string word = words[round % 2];
    for (ProgramCopy* copy : {&office.a, &office.b}) {
      const bool isA = copy == &office.a;
      const std::string id = isA ? "A001" : "K100";
      copy->postCommand(round % 2 ? CMD_QUICK_INPUT_2 : CMD_QUICK_INPUT_1);
      ASSERT_TRUE(boardGets(office.board(), id + (isA ? ",3,青木 花子," : ",7,加藤 次郎,") + word + ","))
          << "round " << round << " of " << id;
      expected.push_back(id + "," + pc + "," + id + ",一括,行き先," + was[!isA] + "," + word);
      was[!isA] = word;
    }
  }
  const std::string history = office.shared.file("boad1.csv.his");
  EXPECT_EQ(linesAfterTheTime(readFileBytes(history)), expected);
  EXPECT_EQ(nullptr, office.a.findDialog(kMessageCaption));

  // A's row: its twenty changes, newest first; then the whole board.
  selectRow(office.a, "A001");
  office.a.postCommand(CMD_HISTORY);
  HWND window = office.a.waitForDialog(kHistoryTitle);
  ListViewProbe list(office.a.process(), GetDlgItem(window, IDC_HISTORY_LIST));
  ASSERT_EQ(20, list.rowCount());
  EXPECT_EQ(std::vector<std::string>(20, "A001"), list.columnTexts(1));
  EXPECT_EQ("出社 → 帰宅", list.text(0, 4));
  EXPECT_EQ("事務所 → 出社", list.text(19, 4));
  EXPECT_EQ("A001 (" + pc + ")", list.text(0, 2));
  EXPECT_EQ("一括 行き先", list.text(0, 3));
  EXPECT_FALSE(isShown(GetDlgItem(window, IDC_HISTORY_NOTE))) << "nothing is missing";
  HWND scope = GetDlgItem(window, IDC_HISTORY_SCOPE);
  sendOrThrow(scope, CB_SETCURSEL, 1, 0, "scope");
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_SCOPE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(scope));
  ASSERT_TRUE(waitUntil([&] { return list.rowCount() == 40; }));
  EXPECT_EQ("K100", list.text(0, 1));
  EXPECT_EQ("A001", list.text(1, 1));
  picture("history-window", window);

  // A size of its own, kept in the section behind the positional lines.
  SetWindowPos(window, nullptr, 0, 0, 700, 420, SWP_NOMOVE | SWP_NOZORDER);
  PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  waitUntilGone(window);
  EXPECT_EQ(0u, office.a.close());
  const std::string settings = office.a.readFile("WaboM.ini");
  EXPECT_NE(std::string::npos, settings.find("\r\n[追加設定]\r\n変更履歴=700,420\r\n")) << settings;
  EXPECT_EQ(0u, office.b.close());
}

TEST(History, AReadOnlyHistoryLeavesTheBoardSavedWithoutAWordAndTheWindowSaysLinesMayBeMissing) {
  TwoPcs office(officeOfTwo(), {"A001", "K100"}, 0);
  const std::string history = office.shared.file("boad1.csv.his");
  writeFileBytes(history, "");
  SetFileAttributesA(history.c_str(), FILE_ATTRIBUTE_READONLY);
  office.a.startSettled();
  office.a.postCommand(CMD_QUICK_INPUT_1);
  ASSERT_TRUE(boardGets(office.board(), "A001,3,青木 花子,出社,"));
  EXPECT_EQ("出社", destinationOf(office.a, "A001"));
  office.a.postCommand(CMD_HISTORY);  // no row selected: the whole board
  HWND window = office.a.waitForDialog(kHistoryTitle);
  EXPECT_EQ(nullptr, office.a.findDialog(kMessageCaption)) << "the save said nothing";
  EXPECT_TRUE(isShown(GetDlgItem(window, IDC_HISTORY_NOTE)));
  EXPECT_EQ(1, static_cast<int>(SendMessageA(GetDlgItem(window, IDC_HISTORY_SCOPE), CB_GETCURSEL, 0, 0)));
  SetFileAttributesA(history.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(0u, office.a.close());
}

}  // namespace
}  // namespace e2e
