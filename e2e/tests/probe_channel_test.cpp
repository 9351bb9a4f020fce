// The driver's probe inside the program: loaded once, then asked through its
// channel. Many asks while the program works start no further thread in it
// and never hang; an answer larger than its room is cut and says so; a
// program that stops answering or ends gives an error in time.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "harness/inside_probes.h"
#include "harness/probe_channel.h"
#include "inside/blocks.h"
#include "inside/channel.h"
#include "steps.h"

namespace e2e {
namespace {

std::vector<DWORD> threadsOf(DWORD pid) {
  std::vector<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) throw HarnessError("no thread snapshot");
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == pid) ids.push_back(entry.th32ThreadID);
  CloseHandle(snapshot);
  return ids;
}

// Suspends (or resumes) every thread of the process.
void holdThreads(DWORD pid, bool hold) {
  for (DWORD id : threadsOf(pid)) {
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, id);
    if (!thread) continue;
    hold ? SuspendThread(thread) : ResumeThread(thread);
    CloseHandle(thread);
  }
}

ULONGLONG millisecondsSince(ULONGLONG start) { return GetTickCount64() - start; }

struct StartedProgram {
  ProgramCopy program;
  StartedProgram() {
    program.writeBoard(officeBoard());
    program.startSettled();
  }
  DWORD pid() const { return GetProcessId(program.process()); }
};

TEST(ProbeChannel, TwoHundredMenuReadsWhileTheProgramReloadsStartOneThreadInItAndNeverHang) {
  StartedProgram started;
  ProgramCopy& program = started.program;
  const unsigned loadsBefore = remoteThreadsStarted();
  OpenCounter opens(program.process(), "boad1.csv");
  const size_t items = program.menuBar().size();
  ASSERT_GT(items, 10u);
  EXPECT_EQ(loadsBefore + 1, remoteThreadsStarted()) << "the load is the only thread the driver starts";
  const size_t threadsAfterLoad = threadsOf(started.pid()).size();

  ULONGLONG slowest = 0;
  const ULONGLONG start = GetTickCount64();
  for (int i = 0; i < 200; ++i) {
    i % 10 == 0 ? program.postCommand(CMD_REFRESH) : program.postTick();
    const ULONGLONG callStart = GetTickCount64();
    ASSERT_EQ(items, program.menuBar().size()) << "read " << i;
    slowest = std::max(slowest, millisecondsSince(callStart));
  }
  const ULONGLONG total = millisecondsSince(start);
  std::printf("[ probe    ] 200 menu reads in %llu ms (%.1f ms each, slowest %llu ms)\n", total, total / 200.0,
              slowest);
  EXPECT_EQ(loadsBefore + 1, remoteThreadsStarted());
  EXPECT_LE(threadsOf(started.pid()).size(), threadsAfterLoad);
  EXPECT_GE(opens.count(), 20u) << "each 更新 reads the board";
  EXPECT_TRUE(program.running());
}

TEST(ProbeChannel, AMenuReadLargerThanItsRoomIsCutAfterAWholeLineAndSaysSo) {
  StartedProgram started;
  ProgramCopy& program = started.program;
  const MenuRead whole = readMenu(program.process(), program.mainWindow(), inside::kChannelPayload);
  EXPECT_FALSE(whole.cut);
  const MenuRead cut = readMenu(program.process(), program.mainWindow(), 100);
  EXPECT_TRUE(cut.cut);
  ASSERT_FALSE(cut.items.empty());
  ASSERT_LT(cut.items.size(), whole.items.size());
  for (size_t i = 0; i < cut.items.size(); ++i) {
    EXPECT_EQ(whole.items[i].id, cut.items[i].id);
    EXPECT_EQ(whole.items[i].text, cut.items[i].text);
  }
  EXPECT_TRUE(readMenu(program.process(), program.mainWindow(), 0).items.empty());
}

TEST(ProbeChannel, AProgramThatStopsAnsweringOrEndsGivesAnErrorInTimeNotAHang) {
  StartedProgram started;
  ProgramCopy& program = started.program;
  const HWND window = program.mainWindow();
  const size_t items = program.menuBar().size();
  const ProbeDll dll = {joinPath(driverFolder(), "insideprobe.dll"), inside::kInsideProbeTag};
  const inside::MenuRequest request = {reinterpret_cast<unsigned long long>(window), inside::kChannelPayload, 0};
  const std::string asked(reinterpret_cast<const char*>(&request), sizeof request);

  holdThreads(started.pid(), true);
  ULONGLONG start = GetTickCount64();
  EXPECT_THROW(callProbe(program.process(), dll, inside::kReadMenu, asked, 1000), HarnessError);
  EXPECT_GE(millisecondsSince(start), 1000u) << "it waited for the answer until its deadline";
  EXPECT_LT(millisecondsSince(start), 3000u);
  holdThreads(started.pid(), false);
  // The late answer to the request that ran out is passed over.
  EXPECT_EQ(items, program.menuBar().size());

  ASSERT_TRUE(TerminateProcess(program.process(), 1));
  ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(program.process(), kStepTimeoutMs));
  start = GetTickCount64();
  EXPECT_THROW(readMenu(program.process(), window, inside::kChannelPayload), HarnessError);
  EXPECT_THROW(callProbe(program.process(), dll, inside::kReadMenu, asked, 60000), HarnessError);
  EXPECT_LT(millisecondsSince(start), 1000u);
}

}  // namespace
}  // namespace e2e
