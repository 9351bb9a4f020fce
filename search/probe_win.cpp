// probePc: the probe command as a hidden child with its standard output and
// error in an anonymous pipe. The pipe is drained while the child runs, so an
// answer larger than the pipe holds cannot stall it; the wait is bounded.
// When the child has ended, the end marker goes into the pipe behind its
// output, so that an empty output reads as the bare marker.
#include <algorithm>
#include <cstring>

#include "common/limits.h"
#include "search/pc_search_win.h"

namespace wabo {
namespace {

constexpr DWORD kPollMs = 20;
constexpr DWORD kEndedChildWaitMs = 1000;

struct Pipe {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  bool open(SECURITY_ATTRIBUTES& inheritable) { return CreatePipe(&read, &write, &inheritable, 0) != FALSE; }
  ~Pipe() {
    if (read != nullptr) CloseHandle(read);
    if (write != nullptr) CloseHandle(write);
  }
};

// Keeps the first kProbeReadBytes bytes that come out of the pipe and reads
// past the rest, without ever blocking.
class OutputDrain {
 public:
  explicit OutputDrain(HANDLE pipe) : pipe_(pipe) {}
  void drain() {
    DWORD available = 0;
    while (ok_ && PeekNamedPipe(pipe_, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
      char chunk[4096];
      DWORD got = 0;
      if (!ReadFile(pipe_, chunk, std::min<DWORD>(available, sizeof chunk), &got, nullptr)) ok_ = false;
      std::size_t room = kProbeReadBytes - std::min(kProbeReadBytes, kept_.size());
      kept_.append(chunk, std::min<std::size_t>(got, room));
    }
  }
  const std::string& kept() const { return kept_; }
  bool ok() const { return ok_; }

 private:
  HANDLE pipe_;
  std::string kept_;
  bool ok_ = true;
};

enum class ChildEnd { Exited, TimedOut, Aborted };

// Waits for the child while draining its output; a child that outlives the
// limit or the abort is ended.
ChildEnd watchChild(HANDLE process, HANDLE abortEvent, OutputDrain& output) {
  const ULONGLONG deadline = GetTickCount64() + kProbeTimeLimitMs;
  HANDLE waits[2] = {process, abortEvent};
  const DWORD waitCount = abortEvent != nullptr ? 2 : 1;
  for (;;) {
    output.drain();
    DWORD woke = WaitForMultipleObjects(waitCount, waits, FALSE, kPollMs);
    if (woke == WAIT_OBJECT_0) return ChildEnd::Exited;
    bool aborted = woke == WAIT_OBJECT_0 + 1;
    if (aborted || GetTickCount64() >= deadline || woke == WAIT_FAILED) {
      TerminateProcess(process, 1);
      WaitForSingleObject(process, kEndedChildWaitMs);
      return aborted ? ChildEnd::Aborted : ChildEnd::TimedOut;
    }
  }
}

// Starts the child; false when there is no such command.
bool startChild(const std::string& commandLine, const Pipe& input, const Pipe& output, PROCESS_INFORMATION& child) {
  char line[kProbeCommandBytes + 1] = {};
  std::memcpy(line, commandLine.data(), std::min(commandLine.size(), kProbeCommandBytes));
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = input.read;
  startup.hStdOutput = output.write;
  startup.hStdError = output.write;
  // No console window of its own: the command's output goes to the pipe.
  return CreateProcessA(nullptr, line, nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &child) != FALSE;
}

}  // namespace

ProbeResult probePc(const std::string& commandLine, HANDLE abortEvent) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  Pipe output, input;
  if (!output.open(inheritable) || !input.open(inheritable)) return judgeProbeOutput("", false);
  // Only the child's ends are handed down.
  SetHandleInformation(output.read, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(input.write, HANDLE_FLAG_INHERIT, 0);

  OutputDrain drain(output.read);
  ChildEnd end = ChildEnd::Exited;
  PROCESS_INFORMATION child = {};
  if (startChild(commandLine, input, output, child)) {
    end = watchChild(child.hProcess, abortEvent, drain);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  }
  if (end != ChildEnd::Exited) return ProbeResult::NotConnected;

  drain.drain();
  DWORD written = 0;
  bool marked = WriteFile(output.write, kProbeEndMarker, kProbeEndMarkerBytes, &written, nullptr) != FALSE;
  drain.drain();
  return judgeProbeOutput(drain.kept(), marked && drain.ok());
}

}  // namespace wabo
