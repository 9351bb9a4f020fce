// The PC connection search without a window: the verdict on a probe's output, the names that may be probed, and
// the loop and the command where the end-to-end scenarios cannot reach (marks, stop, the warning and the
// refusals are theirs).
#include <gtest/gtest.h>

#include <functional>

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
  const std::string answer = "\r\n  NetBIOS Remote Machine Name Table\r\n";
  auto headingAt = [&](std::size_t at) { return std::string(at, 'x') + "OS R" + std::string(3000, 'y') + marker; };
  const struct { std::string output; ProbeResult expected; } cases[] = {
      {answer + marker, P::Connected}, {"\r\n    Host not found.\r\n\r\n" + marker, P::NotConnected},
      {marker, P::CannotRun},  // the command wrote nothing at all
      {"END", P::CannotRun},   // the marker cut before its zero byte
      {"\r\nEND" + answer + marker, P::Connected},  // the marker counts only at the very start
      {headingAt(1019), P::Connected},              // ends on byte 1023
      {headingAt(1020), P::NotConnected},
      {"notice" + std::string(1, '\0') + answer + marker, P::NotConnected}};  // a zero byte ends the output
  for (const auto& c : cases) EXPECT_EQ(judgeProbeOutput(c.output), c.expected) << c.output.substr(0, 40);
  EXPECT_EQ(judgeProbeOutput(answer + marker, false), P::NotConnected) << "a failed read";
}

TEST(PcNameCheck, OneArgumentWithoutOptionsBlanksQuotesOrControlCharactersCutTo29Bytes) {
  // A full-width blank is a double-byte character, not an argument break.
  for (const char* good : {"PC-SUZUKI", "表ソ能", "\\\\SERVER", "営業　PC"}) EXPECT_TRUE(isProbeablePcName(good)) << good;
  for (const char* bad : {"", "/?", "PC\t01", "PC\"01", "PC'01", "PC\x01", "PC\x7f"})
    EXPECT_FALSE(isProbeablePcName(bad)) << bad;
  EXPECT_EQ(probeCommandLine(std::string(28, 'a') + "表"), "nbtstat -a " + std::string(28, 'a'));
}

// The rows as the search thread sees them (a row that is gone reads as empty), and a probe that logs the names.
class PcSearch : public ::testing::Test, public SearchRows, public SearchSite, public PcSearchLauncher {
 protected:
  Log names, log;
  std::vector<int> marks;
  std::function<void()> duringProbe;  // runs inside each probe
  bool threadStarts = true;

  int rowCount() override { return static_cast<int>(names.size()); }
  std::string pcName(int row) override { return row < rowCount() ? names[row] : ""; }
  void setMark(int row, int mark) override { marks.resize(names.size()), marks[row] = mark; }
  ProbeResult probe(const std::string& commandLine) override {
    log.push_back(commandLine.substr(11));  // after "nbtstat -a "
    if (duringProbe) duringProbe();
    return P::Connected;
  }
  bool stopRequested() override { return false; }
  void requestStop() override {}
  void warnCannotRun() override {}
  void repaint() override {}
  bool startSearch() override { return log.push_back("thread"), threadStarts; }
  void openProgressWindow() override { log.push_back("window"); }
};

TEST_F(PcSearch, RowsAddedDuringTheSearchAreNotProbed) {
  names = {"PC-X"};
  duringProbe = [&] { names.resize(2, "PC-Z"); };  // beyond the count the search took at its start
  searchRows(*this, *this);
  EXPECT_EQ(marks, (std::vector<int>{2, 0}));
  EXPECT_EQ(log, Log{"PC-X"});
}

// The command line would drop blanks around a name: "PC01 " is PC01. Inside a name, or with an option or
// nothing left after them, the name is still not run.
TEST_F(PcSearch, BlanksAroundANameAreDroppedBeforeTheCheckAndTheProbe) {
  names = {"PC01 ", "  PC02", " 表ソ ", "PC 03", " -x", "/? ", "   ", "PC\t04 "};
  searchRows(*this, *this);
  EXPECT_EQ(log, (Log{"PC01", "PC02", "表ソ"}));
  EXPECT_EQ(marks, (std::vector<int>{2, 2, 2, 1, 1, 1, 1, 1}));
}

TEST_F(PcSearch, AThreadThatDoesNotStartOpensNoWindowAndLeavesNoSearchRunning) {
  FakeMemberList list;
  RecordingUi ui;
  list.addRow({"A01"});
  list.setText(0, 9, "PC-A");
  int running = 0;
  threadStarts = false;
  runUserPcSearch(1, list, ui, *this, running);
  EXPECT_EQ(log, Log{"thread"});
  EXPECT_EQ(running, 0);
  EXPECT_TRUE(ui.warnings.empty());
}

}  // namespace
