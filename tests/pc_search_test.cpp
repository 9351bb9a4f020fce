// The PC connection search without a window: the verdict on a probe's output, the names that may be probed, the
// loop over the rows with a scripted probe, and the checks of command 40053.
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

using Log = std::vector<std::string>;
using P = ProbeResult;

TEST(ProbeOutput, HeadingInTheFirst1023BytesMeansConnectedABareMarkerCannotRun) {
  const std::string marker(kProbeEndMarker, kProbeEndMarkerBytes);  // "END" and its zero byte
  const std::string answer = "\r\nNode IpAddress: [192.168.1.5] Scope Id: []\r\n\r\n  NetBIOS Remote Machine Name Table\r\n"
                             "\r\n       Name               Type         Status\r\n";
  auto headingAt = [&](std::size_t at) { return std::string(at, 'x') + "OS R" + std::string(3000, 'y') + marker; };
  const struct { std::string output; ProbeResult expected; } cases[] = {
      {answer + marker, P::Connected}, {"\r\n    Host not found.\r\n\r\n" + marker, P::NotConnected},
      {marker, P::CannotRun},  // the command wrote nothing at all
      {"END", P::CannotRun},   // the marker cut before its zero byte
      {"", P::NotConnected}, {"os r in lower case\r\n" + marker, P::NotConnected}, {"OS\r\nR" + marker, P::NotConnected},
      {"\r\nEND" + answer + marker, P::Connected},  // the marker counts only at the very start
      {headingAt(1019), P::Connected},              // ends on byte 1023
      {headingAt(1020), P::NotConnected}, {answer + std::string(5000, 'z') + marker, P::Connected},
      {"notice" + std::string(1, '\0') + answer + marker, P::NotConnected},  // a zero byte ends the output
      {answer + '\0' + "tail" + marker, P::Connected}};
  for (const auto& c : cases) EXPECT_EQ(judgeProbeOutput(c.output), c.expected) << c.output.substr(0, 40);
  // A failed read is "not connected", whatever the buffer holds.
  EXPECT_EQ(judgeProbeOutput(answer + marker, false), P::NotConnected);
  EXPECT_EQ(judgeProbeOutput(marker, false), P::NotConnected);
  EXPECT_EQ(markOf(P::CannotRun), kMarkNotSearched);
}

TEST(PcNameCheck, OneArgumentWithoutOptionsBlanksQuotesOrControlCharactersCutTo29Bytes) {
  // A full-width blank is a double-byte character, not an argument break.
  for (const char* good : {"PC-SUZUKI", "192.168.0.15", "営業PC", "表ソ能", "ｴｲｷﾞｮｳ", "\\\\SERVER", "営業　PC"})
    EXPECT_TRUE(isProbeablePcName(good)) << good;
  for (const char* bad : {"", "-a", "/?", "PC 01", " PC01", "PC\t01", "PC\"01", "PC'01", "PC\x01", "PC\x7f"})
    EXPECT_FALSE(isProbeablePcName(bad)) << bad;
  EXPECT_EQ(probeCommandLine("PC-SUZUKI"), "nbtstat -a PC-SUZUKI");
  EXPECT_EQ(probeCommandLine(std::string(28, 'a') + "表"), "nbtstat -a " + std::string(28, 'a'));
  EXPECT_EQ(probeCommandLine(std::string(60, 'b')).size(), 40u);
}

// The list's PC names and marks as the search thread sees them (a row that is gone reads as empty), and a
// probe that answers from a table of PC names (not connected when missing) and logs what happens.
class PcSearch : public ::testing::Test, protected SearchRows, SearchSite, PcSearchLauncher {
 protected:
  Log names;
  std::vector<int> marks;
  std::map<std::string, ProbeResult> answers;
  std::function<void()> duringProbe;  // runs inside each probe
  Log log;
  bool stop = false, threadStarts = true;
  int running = 0;
  FakeMemberList list;
  RecordingUi ui;

  int rowCount() override { return static_cast<int>(names.size()); }
  std::string pcName(int row) override { return row < rowCount() ? names[row] : ""; }
  void setMark(int row, int mark) override { marks.resize(names.size()), marks[row] = mark; }
  ProbeResult probe(const std::string& commandLine) override {
    log.push_back(commandLine.substr(11));  // after "nbtstat -a "
    if (duringProbe) duringProbe();
    auto found = answers.find(log.back());
    return found == answers.end() ? P::NotConnected : found->second;
  }
  bool stopRequested() override { return stop; }
  void requestStop() override { log.push_back("stop"), stop = true; }
  void warnCannotRun() override { log.push_back("warn"); }
  void repaint() override { log.push_back("|"); }
  bool startSearch() override { return log.push_back("thread"), threadStarts; }
  void openProgressWindow() override { log.push_back("window"); }

  std::vector<int> search() { return searchRows(*this, *this), marks; }
  void command(int allowed = 1) { runUserPcSearch(allowed, list, ui, *this, running); }
};

TEST_F(PcSearch, RowsAreMarkedConnectedNotConnectedOrNotSearched) {
  // Names that are not one argument are not connected without running anything.
  names = {"PC-A", "", "PC-C", "-a evil", "PC\"E"}, marks = {1, 2, 2, 0, 0};
  answers["PC-A"] = P::Connected;
  EXPECT_EQ(search(), (std::vector<int>{2, 0, 1, 1, 1}));
  // Marks cleared and shown first; one repaint after each row with a name.
  EXPECT_EQ(log, (Log{"|", "PC-A", "|", "PC-C", "|", "|", "|"}));
  EXPECT_FALSE(stop);
}

TEST_F(PcSearch, StopAskedDuringTheSecondProbeOrForACommandThatCannotRunKeepsTheMarksSoFar) {
  names = {"PC1", "PC2", "PC3", "PC4", "PC5"}, marks = {2, 2, 2, 2, 2};
  duringProbe = [&] { stop = log.back() == "PC2"; };  // 中止 while the second PC is probed
  answers["PC2"] = P::Connected;
  EXPECT_EQ(search(), (std::vector<int>{1, 2, 0, 0, 0}));
  EXPECT_EQ(log, (Log{"|", "PC1", "|", "PC2", "|"}));
  log.clear();
  EXPECT_EQ(search(), (std::vector<int>{0, 0, 0, 0, 0}));  // a stop already set probes nothing
  EXPECT_EQ(log, Log{"|"});
  // A command that cannot run warns once and stops; rows probed before keep their marks.
  names = {"PC-A", "PC-B", "PC-C"}, marks = {1, 1, 2}, log.clear(), stop = false, duringProbe = nullptr;
  answers["PC-A"] = P::Connected;
  answers["PC-B"] = answers["PC-C"] = P::CannotRun;
  EXPECT_EQ(search(), (std::vector<int>{2, 0, 0}));
  EXPECT_EQ(log, (Log{"|", "PC-A", "|", "PC-B", "warn", "stop", "|"}));
}

TEST_F(PcSearch, RowsAddedDuringTheSearchAreNotProbed) {
  names = {"PC-X"};
  duringProbe = [&] { names.resize(2, "PC-Z"); };  // beyond the count the search took at its start
  EXPECT_EQ(search(), (std::vector<int>{1, 0}));
  EXPECT_EQ(log, (Log{"|", "PC-X", "|"}));
}

TEST_F(PcSearch, CommandRefusesWithoutPermissionOrPcNamesAndStartsOneThreadWithItsWindow) {
  list.addRow({"A01"});
  command();  // an empty name is no PC name
  list.setText(0, 9, "PC-A");
  command(0);
  EXPECT_EQ(ui.warnings, (Log{msg::kNoPcNames, msg::kPcSearchNotAllowed}));
  EXPECT_TRUE(log.empty());
  command();
  EXPECT_EQ(running, 1);
  command();  // while it runs: no second thread, no second window, no message
  running = 0;  // the end message
  threadStarts = false;
  command();
  EXPECT_EQ(log, (Log{"thread", "window", "thread"})) << "no window without a thread";
  EXPECT_EQ(running, 0);
  EXPECT_EQ(ui.warnings.size(), 2u);
}

}  // namespace
