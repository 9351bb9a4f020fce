// runPcSearch, the search thread: the loop of search/pc_search.cpp over the
// real list view, reached only by messages sent to it, which the
// user-interface thread carries out between its other messages. The thread
// ends by sending message 1025 to the main window.
#include "search/pc_search_win.h"

#include <commctrl.h>

#include "board/columns.h"
#include "board/search_mark.h"
#include "common/limits.h"
#include "common/messages.h"
#include "common/sjis.h"
#include "res/resource.h"
#include "search/pc_search.h"

namespace wabo {
namespace {

// Set at exit: the running probe's child is ended and the loop stops.
HANDLE exitEvent() {
  static HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  return event;
}

bool exiting() { return WaitForSingleObject(exitEvent(), 0) == WAIT_OBJECT_0; }

// The last search thread, kept only so that the exit can give it a moment.
HANDLE lastThread = nullptr;

class ThreadSide : public SearchRows, public SearchSite {
 public:
  explicit ThreadSide(const PcSearchTargets& targets) : t_(targets) {}

  int rowCount() override { return static_cast<int>(SendMessageA(t_.listView, LVM_GETITEMCOUNT, 0, 0)); }

  std::string pcName(int row) override {
    char buffer[32] = {};
    LVITEMA item = {};
    item.iSubItem = kPcNameColumn;
    item.pszText = buffer;
    constexpr std::size_t kBytes = kColumns[kPcNameColumn].bufferBytes;
    static_assert(kBytes <= sizeof buffer, "the PC-Name fits the buffer");
    item.cchTextMax = static_cast<int>(kBytes);
    SendMessageA(t_.listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return sjis::cut(buffer, textLimit(kBytes));
  }

  void setMark(int row, int mark) override {
    if (row < 0 || exiting()) return;  // -1 would mean every row
    LVITEMA item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = itemStateOfMark(mark);
    SendMessageA(t_.listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }

  ProbeResult probe(const std::string& commandLine) override { return probePc(commandLine, exitEvent()); }
  bool stopRequested() override { return *t_.stopFlag == 1 || exiting(); }
  void requestStop() override { *t_.stopFlag = 1; }
  void warnCannotRun() override {
    MessageBoxA(t_.mainWindow, msg::kCannotSearch, msg::kCaption, MB_OK | MB_ICONWARNING);
  }
  void repaint() override { UpdateWindow(t_.mainWindow); }

 private:
  PcSearchTargets t_;
};

DWORD WINAPI runPcSearch(LPVOID parameter) {
  auto* targets = static_cast<PcSearchTargets*>(parameter);
  try {
    ThreadSide side(*targets);
    searchRows(side, side);
  } catch (...) {
    // Nothing may unwind out of the thread; the end message still follows.
  }
  SendMessageA(targets->mainWindow, WM_WABO_SEARCH_DONE, 0, 0);
  delete targets;
  return 0;
}

}  // namespace

bool startPcSearchThread(const PcSearchTargets& targets) {
  if (exitEvent() == nullptr || exiting()) return false;
  auto* copy = new PcSearchTargets(targets);
  HANDLE thread = CreateThread(nullptr, 0, runPcSearch, copy, 0, nullptr);
  if (thread == nullptr) {
    delete copy;
    return false;
  }
  if (lastThread != nullptr) CloseHandle(lastThread);
  lastThread = thread;
  return true;
}

void endPcSearchAtExit(DWORD timeoutMs) {
  if (exitEvent() != nullptr) SetEvent(exitEvent());
  if (lastThread == nullptr) return;
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    ULONGLONG now = GetTickCount64();
    if (now >= deadline) break;
    DWORD woke = MsgWaitForMultipleObjects(1, &lastThread, FALSE, static_cast<DWORD>(deadline - now), QS_SENDMESSAGE);
    if (woke != WAIT_OBJECT_0 + 1) break;
    // Serves what the thread sends to windows of this thread meanwhile.
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  CloseHandle(lastThread);
  lastThread = nullptr;
}

}  // namespace wabo
