// The PC connection search without a window: the verdict on a probe's
// output, the names that may be probed, the loop over the rows with a
// scripted probe, and the checks of command 40053.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "common/messages.h"
#include "search/pc_search.h"
#include "tests/fake_member_list.h"
#include "tests/fake_ui.h"

using namespace wabo;
using namespace wabo::testing;

namespace {

const std::string kMarker(kProbeEndMarker, kProbeEndMarkerBytes);  // "END" and its zero byte
const std::string kAnswer =
    "\r\nLocal Area Connection:\r\nNode IpAddress: [192.168.1.5] Scope Id: []\r\n\r\n"
    "           NetBIOS Remote Machine Name Table\r\n\r\n       Name               Type         Status\r\n";
const std::string kNoAnswer = "\r\nLocal Area Connection:\r\nNode IpAddress: [192.168.1.5] Scope Id: []\r\n\r\n"
                              "    Host not found.\r\n\r\n";

TEST(ProbeOutput, HeadingMeansConnectedItsAbsenceNotConnectedAndBareMarkerCannotRun) {
  EXPECT_EQ(judgeProbeOutput(kAnswer + kMarker), ProbeResult::Connected);
  EXPECT_EQ(judgeProbeOutput(kNoAnswer + kMarker), ProbeResult::NotConnected);
  EXPECT_EQ(judgeProbeOutput(kMarker), ProbeResult::CannotRun) << "the command wrote nothing at all";
  EXPECT_EQ(judgeProbeOutput("END"), ProbeResult::CannotRun) << "marker cut before its zero byte";
  EXPECT_EQ(judgeProbeOutput(""), ProbeResult::NotConnected) << "no output and no marker";
  EXPECT_EQ(judgeProbeOutput("os r heading in lower case\r\n" + kMarker), ProbeResult::NotConnected);
  EXPECT_EQ(judgeProbeOutput("OS\r\nR" + kMarker), ProbeResult::NotConnected);
  // The marker counts only at the very start; later it is just text.
  EXPECT_EQ(judgeProbeOutput("\r\nEND" + kAnswer + kMarker), ProbeResult::Connected);
  // A failed read is "not connected", whatever the buffer holds.
  EXPECT_EQ(judgeProbeOutput(kAnswer + kMarker, false), ProbeResult::NotConnected);
  EXPECT_EQ(judgeProbeOutput(kMarker, false), ProbeResult::NotConnected);
}

TEST(ProbeOutput, OnlyTheFirst1023BytesUpToTheFirstZeroByteAreSearched) {
  auto withHeadingAt = [](std::size_t at) { return std::string(at, 'x') + "OS R" + std::string(3000, 'y') + kMarker; };
  EXPECT_EQ(judgeProbeOutput(withHeadingAt(1019)), ProbeResult::Connected) << "ends on byte 1023";
  EXPECT_EQ(judgeProbeOutput(withHeadingAt(1020)), ProbeResult::NotConnected) << "its last byte is byte 1024";
  EXPECT_EQ(judgeProbeOutput(withHeadingAt(1023)), ProbeResult::NotConnected);
  EXPECT_EQ(judgeProbeOutput(withHeadingAt(4000)), ProbeResult::NotConnected);
  // More than 1023 bytes that begin with the heading: the marker is far
  // behind and the heading counts.
  EXPECT_EQ(judgeProbeOutput(kAnswer + std::string(5000, 'z') + kMarker), ProbeResult::Connected);
  // A zero byte in the output ends what is looked at.
  EXPECT_EQ(judgeProbeOutput(std::string("notice") + '\0' + kAnswer + kMarker), ProbeResult::NotConnected);
  EXPECT_EQ(judgeProbeOutput(kAnswer + '\0' + "tail" + kMarker), ProbeResult::Connected);
}

TEST(ProbeOutput, MarksOfTheResults) {
  EXPECT_EQ(markOf(ProbeResult::Connected), 2);
  EXPECT_EQ(markOf(ProbeResult::NotConnected), 1);
  EXPECT_EQ(markOf(ProbeResult::CannotRun), 0);
}

TEST(PcNameCheck, OneArgumentWithoutOptionsBlanksQuotesOrControlCharacters) {
  for (const char* good : {"PC-SUZUKI", "192.168.0.15", "pc01", "営業PC", "表ソ能", "ｴｲｷﾞｮｳ", "a-b_c.d", "\\\\SERVER"})
    EXPECT_TRUE(isProbeablePcName(good)) << good;
  for (const char* bad : {"", "-a", "-", "/?", "/a", "PC 01", " PC01", "PC01 ", "PC\t01", "PC\"01", "\"PC01\"",
                          "PC'01", "PC\x01", "PC\r\n01", "PC\x7f"})
    EXPECT_FALSE(isProbeablePcName(bad)) << bad;
  // A full-width blank is a double-byte character, not an argument break.
  EXPECT_TRUE(isProbeablePcName("営業　PC"));
}

TEST(PcNameCheck, CommandLineIsTheOptionAndTheNameCutTo29Bytes) {
  EXPECT_EQ(probeCommandLine("PC-SUZUKI"), "nbtstat -a PC-SUZUKI");
  std::string longName = std::string(28, 'a') + "表";  // 30 bytes: the last character does not fit
  EXPECT_EQ(probeCommandLine(longName), "nbtstat -a " + std::string(28, 'a'));
  std::string longest = probeCommandLine(std::string(60, 'b'));
  EXPECT_EQ(longest.size(), 40u);
}

// The list view as the search thread sees it, over the in-memory list.
class ListRows : public SearchRows {
 public:
  explicit ListRows(FakeMemberList& list) : list_(list) {}
  int rowCount() override { return list_.rowCount(); }
  std::string pcName(int row) override { return list_.text(row, 9, kShortTextBytes); }
  void setMark(int row, int mark) override { list_.setMark(row, mark); }

 private:
  FakeMemberList& list_;
};

// A probe that answers from a table of command lines and logs what happens.
class ScriptedSite : public SearchSite {
 public:
  std::map<std::string, ProbeResult> answers;        // by command line; missing: not connected
  std::function<void(int probeNumber)> duringProbe;  // runs inside the n-th probe (1-based)
  std::vector<std::string> log;
  bool stop = false;
  int probes = 0;

  ProbeResult probe(const std::string& commandLine) override {
    log.push_back(commandLine);
    if (duringProbe) duringProbe(++probes);
    auto found = answers.find(commandLine);
    return found == answers.end() ? ProbeResult::NotConnected : found->second;
  }
  bool stopRequested() override { return stop; }
  void requestStop() override { log.push_back("stop"), stop = true; }
  void warnCannotRun() override { log.push_back("warn"); }
  void repaint() override { log.push_back("repaint"); }
};

class PcSearchLoop : public ::testing::Test {
 protected:
  FakeMemberList list;
  ListRows rows{list};
  ScriptedSite site;

  void addRow(const std::string& id, const std::string& pcName, int oldMark = 0) {
    FakeRow row;
    row.texts[0] = id;
    row.texts[9] = pcName;
    row.mark = oldMark;
    list.rows.push_back(row);
  }
  std::vector<int> marks() const {
    std::vector<int> out;
    for (const FakeRow& row : list.rows) out.push_back(row.mark);
    return out;
  }
};

TEST_F(PcSearchLoop, ConnectedRowWithoutNameAndSilentRowGetMarks201) {
  addRow("A01", "PC-A", 1);
  addRow("B02", "", 2);
  addRow("C03", "PC-C", 2);
  site.answers["nbtstat -a PC-A"] = ProbeResult::Connected;
  searchRows(rows, site);
  EXPECT_EQ(marks(), (std::vector<int>{2, 0, 1}));
  // Marks cleared and shown first; one repaint after each probed row.
  EXPECT_EQ(site.log, (std::vector<std::string>{"repaint", "nbtstat -a PC-A", "repaint", "nbtstat -a PC-C", "repaint"}));
  EXPECT_FALSE(site.stop);
}

TEST_F(PcSearchLoop, NamesThatAreNotOneArgumentAreNotConnectedWithoutRunningAnything) {
  addRow("A01", "-a evil");
  addRow("B02", "PC B");
  addRow("C03", "PC\"C");
  addRow("D04", "PC-D");
  site.answers["nbtstat -a PC-D"] = ProbeResult::Connected;
  searchRows(rows, site);
  EXPECT_EQ(marks(), (std::vector<int>{1, 1, 1, 2}));
  EXPECT_EQ(std::count(site.log.begin(), site.log.end(), "nbtstat -a PC-D"), 1);
  EXPECT_EQ(site.log.size(), 1u + 4u + 1u) << "four repaints, one probe, the first repaint";
}

TEST_F(PcSearchLoop, StopDuringTheSecondOfFiveProbesLeavesMarksOnRowsOneAndTwo) {
  for (int i = 1; i <= 5; ++i) addRow("M0" + std::to_string(i), "PC" + std::to_string(i), 2);
  site.duringProbe = [&](int n) {
    if (n == 2) site.stop = true;  // 中止 while the second PC is probed
  };
  site.answers["nbtstat -a PC2"] = ProbeResult::Connected;
  searchRows(rows, site);
  EXPECT_EQ(marks(), (std::vector<int>{1, 2, 0, 0, 0}));
  EXPECT_EQ(std::count_if(site.log.begin(), site.log.end(), [](const std::string& s) { return s[0] == 'n'; }), 2);
}

TEST_F(PcSearchLoop, CommandThatCannotRunWarnsOnceStopsAndMarksNothing) {
  addRow("A01", "", 2);
  addRow("B02", "PC-B", 1);
  addRow("C03", "PC-C", 2);
  site.answers["nbtstat -a PC-B"] = ProbeResult::CannotRun;
  site.answers["nbtstat -a PC-C"] = ProbeResult::CannotRun;
  searchRows(rows, site);
  EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(site.log, (std::vector<std::string>{"repaint", "nbtstat -a PC-B", "warn", "stop", "repaint"}));
}

TEST_F(PcSearchLoop, RowsProbedBeforeTheCommandFailsKeepTheirMarks) {
  addRow("A01", "PC-A");
  addRow("B02", "PC-B");
  site.answers["nbtstat -a PC-A"] = ProbeResult::Connected;
  site.answers["nbtstat -a PC-B"] = ProbeResult::CannotRun;
  searchRows(rows, site);
  EXPECT_EQ(marks(), (std::vector<int>{2, 0}));
  EXPECT_EQ(std::count(site.log.begin(), site.log.end(), "warn"), 1);
}

TEST_F(PcSearchLoop, ReloadDuringTheSearchGivesTheRestOfTheIndicesToTheNewRows) {
  addRow("A01", "PC-A");
  addRow("B02", "PC-B");
  addRow("C03", "PC-C");
  site.duringProbe = [&](int n) {
    if (n != 1) return;
    // A full load replaces the rows: two left, each with another PC, and
    // then rows beyond the count the search took at its start.
    list.rows.clear();
    addRow("X01", "PC-X");
    addRow("Y02", "PC-Y");
  };
  searchRows(rows, site);
  EXPECT_EQ(site.log, (std::vector<std::string>{"repaint", "nbtstat -a PC-A", "repaint", "nbtstat -a PC-Y",
                                                "repaint"}))
      << "row 3 no longer exists and reads as empty";

  list.rows.clear();
  site.log.clear();
  site.probes = 0;
  site.duringProbe = [&](int n) {
    if (n == 1) addRow("Z09", "PC-Z");  // added beyond the first count
  };
  addRow("A01", "PC-A");
  searchRows(rows, site);
  EXPECT_EQ(site.log, (std::vector<std::string>{"repaint", "nbtstat -a PC-A", "repaint"}));
  EXPECT_EQ(marks(), (std::vector<int>{1, 0}));
}

TEST_F(PcSearchLoop, StopAlreadySetOrNoNamesClearsTheMarksAndProbesNothing) {
  addRow("A01", "PC-A", 2);
  addRow("B02", "", 1);
  site.stop = true;
  searchRows(rows, site);
  EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
  EXPECT_EQ(site.log, (std::vector<std::string>{"repaint"}));

  site.stop = false;
  site.log.clear();
  list.rows[0].texts[9] = "";
  list.rows[0].mark = 2;
  searchRows(rows, site);
  EXPECT_EQ(marks(), (std::vector<int>{0, 0}));
  EXPECT_EQ(site.log, (std::vector<std::string>{"repaint"}));
}

class RecordingLauncher : public PcSearchLauncher {
 public:
  std::vector<std::string> log;
  bool threadStarts = true;
  bool startSearch() override { return log.push_back("thread"), threadStarts; }
  void openProgressWindow() override { log.push_back("window"); }
};

class PcSearchCommand : public PcSearchLoop {
 protected:
  RecordingUi ui;
  RecordingLauncher launcher;
  int running = 0;
  void run(int allowed = 1) { runUserPcSearch(allowed, list, ui, launcher, running); }
};

TEST_F(PcSearchCommand, RefusesWhenNotAllowedOrNoRowHasAPcName) {
  addRow("A01", "PC-A");
  run(0);
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kPcSearchNotAllowed}));
  list.rows[0].texts[9] = "";
  addRow("B02", "");
  run();
  EXPECT_EQ(ui.warnings, (std::vector<std::string>{msg::kPcSearchNotAllowed, msg::kNoPcNames}));
  list.rows.clear();
  run();
  EXPECT_EQ(ui.warnings.size(), 3u) << "an empty board has no PC names either";
  EXPECT_TRUE(launcher.log.empty());
  EXPECT_EQ(running, 0);
}

TEST_F(PcSearchCommand, StartsTheThreadThenOpensTheWindowAndNeverTwice) {
  addRow("A01", "");
  addRow("B02", "PC-B");
  run();
  EXPECT_EQ(launcher.log, (std::vector<std::string>{"thread", "window"}));
  EXPECT_EQ(running, 1);
  run();  // while it runs: no second thread, no second window, no message
  EXPECT_EQ(launcher.log.size(), 2u);
  EXPECT_TRUE(ui.warnings.empty());
  running = 0;  // the end message
  launcher.threadStarts = false;
  run();
  EXPECT_EQ(launcher.log, (std::vector<std::string>{"thread", "window", "thread"})) << "no window without a thread";
  EXPECT_EQ(running, 0);
}

}  // namespace
