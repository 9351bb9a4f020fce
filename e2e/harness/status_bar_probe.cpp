#include "harness/status_bar_probe.h"

#include <commctrl.h>

#include "harness/wait.h"
#include "harness/window_query.h"

namespace e2e {

namespace {
constexpr size_t kBufferSize = 2048;
}

StatusBarProbe::StatusBarProbe(HANDLE process, HWND statusBar) : statusBar_(statusBar), buffer_(process, kBufferSize) {
  if (!statusBar_) throw HarnessError("no status bar");
}

std::string StatusBarProbe::partText(int part) const {
  LRESULT length = sendOrThrow(statusBar_, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0, "SB_GETTEXTLENGTHA");
  if (LOWORD(length) >= kBufferSize) throw HarnessError("status-bar text too long");
  buffer_.clear();
  sendOrThrow(statusBar_, SB_GETTEXTA, static_cast<WPARAM>(part), buffer_.at(), "SB_GETTEXTA");
  return buffer_.readText(0, kBufferSize - 1);
}

bool StatusBarProbe::partHasIcon(int part) const {
  return sendOrThrow(statusBar_, SB_GETICON, static_cast<WPARAM>(part), 0, "SB_GETICON") != 0;
}

}  // namespace e2e
